// Reading a text aloud sentence by sentence, one sentence handed to the
// engine at a time, so a pause takes effect between sentences and the window
// keeps running while a sentence is spoken.
#pragma once

#include <cstddef>
#include <string>

class SpeechEngine;

// The speaker image's state text: "", "1", "4", "2".
enum class SpeakerState { Idle, Requested, Reading, Paused };
std::string SpeakerStateText(SpeakerState state);

class SpeechReader {
public:
    explicit SpeechReader(SpeechEngine& engine) : engine_(engine) {}

    SpeakerState State() const { return state_; }
    void SetState(SpeakerState state) { state_ = state; }

    // Sets up a reading of text (from the saved sentence when resuming) and
    // hands the first sentence to the engine. A text without "." is one
    // sentence.
    void Start(const std::string& text, bool resume);
    // Hands the next sentence over once the engine has finished the last
    // one; ends the reading after the last sentence. Call it often.
    void Tick();
    // The reading stops after the sentence being spoken; Start with resume
    // goes on with the next one.
    void Pause() { state_ = SpeakerState::Paused; }
    // Cuts off whatever is being spoken ("." with purge) and ends the reading.
    void StopSpeaking();

    // A reading is requested or going on (not paused, not idle).
    bool Reading() const { return state_ == SpeakerState::Requested || state_ == SpeakerState::Reading; }
    // Position of the next sentence's first character (from 0).
    std::size_t NextSentence() const { return start_; }

private:
    bool NextPiece(std::string& piece);
    void Finish();

    SpeechEngine& engine_;
    SpeakerState state_ = SpeakerState::Idle;
    std::string text_;
    std::size_t start_ = 0;
    std::size_t end_ = std::string::npos;  // the sentence's closing "."
    bool active_ = false;                  // a text is set up and not read to its end
};

// The speaker of the declaration window: reading the document aloud with the
// voice, volume and rate of the settings, the speaker's clicks and its menu.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "runner/speech/speech_engine.h"
#include "runner/speech/speech_reader.h"
#include "runner/document/window_menus.h"

class SettingsStore;

// Engine volume for a "Speaker Volume" item: ten times its number, 0 to 100.
int SpeakerVolumeFromItem(const std::string& item);
// Engine rate for a "Speak Rate" item: its whole number, -10 to 10.
int SpeakRateFromItem(const std::string& item);
// The speaker picture: 17 normally, 18 while a reading is on or the pointer
// rests on an idle speaker, 19 with the pointer on it during a reading.
int SpeakerPicture(bool reading, bool pointerOver);

class SpeechNarration {
public:
    // Both stores and the menu belong to the window and outlive the narration.
    SpeechNarration(SettingsStore& settings, SettingsStore& userSettings, FormMenu& menu);

    // The window's composition step: with an engine, InitSpeaker and
    // BuildVoiceMenu; without, the speaker is hidden and stored as "No".
    bool SetSpeaker(std::unique_ptr<SpeechEngine> engine);
    void InitSpeaker();
    void BuildVoiceMenu();
    void SetSpeakerVolume(const std::string& text);

    // The document view's body text, for ReadDocument.
    std::function<std::string()> DocumentText;

    void ReadDocument(bool resume);
    void SpeakText(const std::string& text, bool resume);
    void StopSpeaking();
    void SpeakAtStart();
    // Speaks a caption (check box, message, answer) when no reading is on.
    void SpeakPhrase(const std::string& text);
    // The answer's caption: any reading is cut off for it.
    void SpeakAnswer(const std::string& text);
    // Lets messages run (runMessages answers false once the program quits)
    // until the answer's caption has been spoken, for at most limitMs, so the
    // stop before the window goes does not cut it off.
    void WaitForAnswer(const std::function<bool()>& runMessages, const std::function<std::uint32_t()>& nowMs,
                       std::uint32_t limitMs = 3000);
    // Call on every timer tick: the reading goes on with the next sentence.
    void Tick();

    void SpeakerClick();
    // Right click: fills the volume and rate lists and ticks the voice.
    void PrepareSpeakerMenu();
    void ChooseVolume(int item);
    void ChooseRate(int item);
    void ChooseVoice(int item);
    void HideSpeaker();

    bool Visible() const { return visible_; }
    bool HasEngine() const { return engine_ != nullptr; }
    SpeakerState State() const { return reader_ ? reader_->State() : SpeakerState::Idle; }
    bool Reading() const { return reader_ && reader_->Reading(); }
    const std::string& VolumeMarker() const { return volumeMarker_; }
    const FormMenu& Menu() const { return menu_; }

private:
    bool MayRead() const;

    SettingsStore& settings_;
    SettingsStore& userSettings_;
    FormMenu& menu_;
    std::unique_ptr<SpeechEngine> engine_;
    std::unique_ptr<SpeechReader> reader_;
    bool visible_ = false;
    std::string volumeMarker_ = "0";
    int startReadings_ = 0;
    bool answerSpoken_ = false;  // the engine took the answer's caption
};

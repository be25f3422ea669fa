// What the narration needs of a text-to-speech engine.
#pragma once

#include <string>
#include <vector>

class SpeechEngine {
public:
    virtual ~SpeechEngine() = default;
    // Descriptions of the installed voices in the engine's order (empty text
    // for a voice without one).
    virtual std::vector<std::string> Voices() = 0;
    virtual void SelectVoice(int index) = 0;
    virtual void SetVolume(int volume) = 0;  // 0 to 100
    virtual void SetRate(int rate) = 0;      // -10 to 10
    // Starts speaking without waiting; purge first cuts off whatever is being
    // spoken. False when the engine refuses.
    virtual bool Speak(const std::string& text, bool purge) = 0;
    // True until everything handed to Speak has been spoken.
    virtual bool IsSpeaking() = 0;
};

// A speech engine that records what it is asked and speaks each text until
// the test finishes it.
#pragma once

#include <string>
#include <vector>

#include "runner/speech/speech_engine.h"

class RecordingSpeechEngine : public SpeechEngine {
public:
    std::vector<std::string> VoiceList;
    std::vector<std::string> Spoken;  // every text handed to Speak, in order
    std::vector<bool> Purged;
    std::vector<int> Volumes, Rates, SelectedVoices;
    bool Busy = false;    // the last text is still being spoken
    bool Refuse = false;  // Speak fails like an engine without voices

    std::vector<std::string> Voices() override { return VoiceList; }
    void SelectVoice(int index) override { SelectedVoices.push_back(index); }
    void SetVolume(int volume) override { Volumes.push_back(volume); }
    void SetRate(int rate) override { Rates.push_back(rate); }
    bool Speak(const std::string& text, bool purge) override {
        Spoken.push_back(text);
        Purged.push_back(purge);
        if (Refuse) return false;
        Busy = true;
        return true;
    }
    bool IsSpeaking() override { return Busy; }
    void FinishSentence() { Busy = false; }
};

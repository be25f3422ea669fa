#include "runner/speech/speech_engine_win32.h"

#include <windows.h>
#include <sapi.h>

#include <string>
#include <vector>

#include "shared/docview/ole_runtime_win32.h"

namespace {

const CLSID kClsidSpVoice = {0x96749377, 0x3391, 0x11d2, {0x9e, 0xe3, 0x00, 0xc0, 0x4f, 0x79, 0x73, 0x96}};
const IID kIidISpeechVoice = {0x269316d8, 0x57bd, 0x11d2, {0x9e, 0xee, 0x00, 0xc0, 0x4f, 0x79, 0x73, 0x96}};
const long kAllEvents = 33790;

class SapiVoice : public SpeechEngine {
public:
    SapiVoice(const OleRuntime& ole, ISpeechVoice* voice) : ole_(ole), voice_(voice) {}
    ~SapiVoice() override { voice_->Release(); }
    SapiVoice(const SapiVoice&) = delete;
    SapiVoice& operator=(const SapiVoice&) = delete;

    std::vector<std::string> Voices() override {
        std::vector<std::string> descriptions;
        ComRef<ISpeechObjectTokens> tokens;
        if (!ListVoices(tokens)) return descriptions;
        long count = 0;
        if (FAILED(tokens->get_Count(&count))) return descriptions;
        for (long i = 0; i < count; ++i) {
            ComRef<ISpeechObjectToken> token;
            OwnedBstr description(ole_);
            if (SUCCEEDED(tokens->Item(i, token.Out())) && token.Get()) token->GetDescription(0, description.Out());
            descriptions.push_back(description.Ansi());
        }
        return descriptions;
    }

    void SelectVoice(int index) override {
        ComRef<ISpeechObjectTokens> tokens;
        ComRef<ISpeechObjectToken> token;
        if (ListVoices(tokens) && SUCCEEDED(tokens->Item(index, token.Out())) && token.Get())
            voice_->putref_Voice(token.Get());
    }

    void SetVolume(int volume) override { voice_->put_Volume(volume); }
    void SetRate(int rate) override { voice_->put_Rate(rate); }

    bool Speak(const std::string& text, bool purge) override {
        OwnedBstr words(ole_, text);
        long stream = 0;
        const int flags = SVSFlagsAsync | (purge ? SVSFPurgeBeforeSpeak : 0);
        return SUCCEEDED(voice_->Speak(words.Get(), static_cast<SpeechVoiceSpeakFlags>(flags), &stream));
    }

    bool IsSpeaking() override {
        VARIANT_BOOL done = VARIANT_TRUE;
        // An engine that cannot tell is taken as silent, so a reading never hangs.
        if (FAILED(voice_->WaitUntilDone(0, &done))) return false;
        return done == VARIANT_FALSE;
    }

private:
    bool ListVoices(ComRef<ISpeechObjectTokens>& tokens) {
        OwnedBstr none(ole_, "");
        return SUCCEEDED(voice_->GetVoices(none.Get(), none.Get(), tokens.Out())) && tokens.Get();
    }

    const OleRuntime& ole_;
    ISpeechVoice* voice_;
};

}  // namespace

std::unique_ptr<SpeechEngine> CreateSapiVoice() {
    const OleRuntime* ole = LoadOleRuntime();
    if (!ole) return nullptr;
    ISpeechVoice* voice = nullptr;
    if (FAILED(ole->CoCreateInstance(kClsidSpVoice, nullptr, CLSCTX_ALL, kIidISpeechVoice,
                                     reinterpret_cast<void**>(&voice))) ||
        !voice)
        return nullptr;
    voice->put_EventInterests(static_cast<SpeechVoiceEvents>(kAllEvents));
    return std::make_unique<SapiVoice>(*ole, voice);
}

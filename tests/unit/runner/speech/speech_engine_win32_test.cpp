// The system's speech engine through SAPI (under Wine: an engine without voices).
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "runner/speech/speech_engine_win32.h"

TEST(SapiVoice, AnEngineWithoutVoicesRefusesToSpeakAndIsNeverBusy) {
    const DWORD start = GetTickCount();
    std::unique_ptr<SpeechEngine> engine = CreateSapiVoice();
    RecordProperty("create_ms", static_cast<int>(GetTickCount() - start));
    if (!engine) GTEST_SKIP() << "no speech engine here";
    if (!engine->Voices().empty()) GTEST_SKIP() << "this machine has voices";
    engine->SetVolume(50);
    engine->SetRate(0);
    engine->SelectVoice(3);  // no such voice: nothing happens
    engine->Speak("One sentence.", false);
    // Whatever Speak answered, a reading must never wait for this engine.
    EXPECT_FALSE(engine->IsSpeaking());
}

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "runner/window/declaration_ids.h"
#include "runner/speech/speech_narration.h"
#include "shared/settings_store.h"
#include "support/recording_speech_engine.h"

namespace {

struct Speaker {
    SettingsStore settings, user;
    FormMenu menu;
    SpeechNarration narration{settings, user, menu};
    RecordingSpeechEngine* engine = nullptr;
    std::string document = "First. Second. Third.";

    explicit Speaker(const std::string& text, std::vector<std::string> voices = {"Voice A", "Voice B"},
                     bool withEngine = true) {
        LoadSettingsText(text, settings);
        narration.DocumentText = [this] { return document; };
        std::unique_ptr<RecordingSpeechEngine> made;
        if (withEngine) {
            made = std::make_unique<RecordingSpeechEngine>();
            made->VoiceList = std::move(voices);
            engine = made.get();
        }
        narration.SetSpeaker(std::move(made));
    }
    void FinishSentences(int count = 100) {
        for (int i = 0; i < count && narration.Reading(); ++i) {
            engine->FinishSentence();
            narration.Tick();
        }
    }
    std::vector<std::string> VoiceCaptions() const {
        std::vector<std::string> captions;
        for (int k = 1; k <= menu.VoiceMenu.Count(); ++k) captions.push_back(menu.VoiceMenu.Item(k).Caption);
        return captions;
    }
};

}  // namespace

TEST(SpeakerNumbers, VolumeIsTenTimesTheItemWithin0To100) {
    EXPECT_EQ(50, SpeakerVolumeFromItem("5"));
    EXPECT_EQ(100, SpeakerVolumeFromItem("12"));
    EXPECT_EQ(0, SpeakerVolumeFromItem("0"));
    EXPECT_EQ(0, SpeakerVolumeFromItem("-3"));
    EXPECT_EQ(25, SpeakerVolumeFromItem("2.5"));
    EXPECT_EQ(0, SpeakerVolumeFromItem("loud"));
    EXPECT_EQ(100, SpeakerVolumeFromItem("1e300"));
    EXPECT_EQ(-10, SpeakRateFromItem("-99"));
    EXPECT_EQ(3, SpeakRateFromItem("3"));
    EXPECT_EQ(10, SpeakRateFromItem("11"));
}

TEST(SpeakerNumbers, PictureFollowsReadingAndPointer) {
    EXPECT_EQ(PIC_SPEAKER_NORMAL, SpeakerPicture(false, false));
    EXPECT_EQ(PIC_SPEAKER_HOVER, SpeakerPicture(false, true));
    EXPECT_EQ(PIC_SPEAKER_HOVER, SpeakerPicture(true, false));
    EXPECT_EQ(PIC_SPEAKER_SPEAKING, SpeakerPicture(true, true));
}

TEST(SpeechNarration, VolumeFiveGivesFiftyAndTwelveGivesHundred) {
    Speaker five("Speaker Volume=5,0,5,10\r\n");
    ASSERT_FALSE(five.engine->Volumes.empty());
    EXPECT_EQ(50, five.engine->Volumes.back());
    Speaker twelve("Speaker Volume=12\r\n");
    EXPECT_EQ(100, twelve.engine->Volumes.back());
}

TEST(SpeechNarration, MissingVolumeShowsTheSpeakerButNeverReads) {
    Speaker s("Speak At Start=yes\r\n");
    EXPECT_TRUE(s.narration.Visible());
    s.narration.SpeakAtStart();
    s.narration.SpeakerClick();
    s.FinishSentences();
    s.narration.SpeakPhrase("I have read");
    EXPECT_TRUE(s.engine->Spoken.empty() ||
                s.engine->Spoken == std::vector<std::string>{"."});  // only a stop, never text
    EXPECT_EQ(SpeakerState::Idle, s.narration.State());
}

TEST(SpeechNarration, ReadsAtStartOnlyOnce) {
    Speaker s("Speaker Volume=5\r\n");
    s.narration.SpeakAtStart();
    s.FinishSentences();
    EXPECT_EQ((std::vector<std::string>{"First.", " Second.", " Third."}), s.engine->Spoken);
    s.narration.SpeakAtStart();
    s.FinishSentences();
    EXPECT_EQ(3u, s.engine->Spoken.size());

    Speaker off("Speaker Volume=5\r\nSpeak At Start=No\r\n");
    off.narration.SpeakAtStart();
    EXPECT_TRUE(off.engine->Spoken.empty());
}

TEST(SpeechNarration, ClicksPauseAfterTheSentenceAndResumeAtTheNext) {
    Speaker s("Speaker Volume=5\r\nSpeak Rate=3\r\n");
    s.narration.SpeakerClick();  // idle: stop, then read from the start
    EXPECT_EQ("1", SpeakerStateText(s.narration.State()));
    EXPECT_EQ(std::vector<std::string>{"."}, s.engine->Spoken);
    EXPECT_EQ(3, s.engine->Rates.back());
    s.engine->FinishSentence();
    s.narration.Tick();
    EXPECT_EQ((std::vector<std::string>{".", "First."}), s.engine->Spoken);
    EXPECT_EQ("4", SpeakerStateText(s.narration.State()));

    s.narration.SpeakerClick();  // reading: pause
    EXPECT_EQ("2", SpeakerStateText(s.narration.State()));
    s.FinishSentences();
    s.engine->FinishSentence();
    s.narration.Tick();
    EXPECT_EQ(2u, s.engine->Spoken.size());

    s.narration.SpeakerClick();  // paused: resume with the next sentence
    s.FinishSentences();
    EXPECT_EQ((std::vector<std::string>{".", "First.", " Second.", " Third."}), s.engine->Spoken);
    EXPECT_EQ(SpeakerState::Idle, s.narration.State());
}

TEST(SpeechNarration, VoiceValueIsRewrittenWithAllVoicesInBothStores) {
    Speaker s("", {"Voice A", "Voice B"});
    EXPECT_EQ("Voice A,Voice A,Voice B,", GetSettingValue("Speaker Voice", s.settings));
    EXPECT_EQ("Voice A,Voice A,Voice B,", GetSettingValue("Speaker Voice", s.user));
    EXPECT_EQ((std::vector<std::string>{"Default", "Voice A", "Voice B"}), s.VoiceCaptions());
    EXPECT_EQ(2, s.menu.VoiceMenu.FirstChecked());
    EXPECT_EQ(std::vector<int>{0}, s.engine->SelectedVoices);

    Speaker chosen("Speaker Voice=Voice B,old,list,\r\n", {"Voice A", "Voice B"});
    EXPECT_EQ("Voice B,Voice A,Voice B,", GetSettingValue("Speaker Voice", chosen.settings));
    EXPECT_EQ(3, chosen.menu.VoiceMenu.FirstChecked());
    EXPECT_EQ(std::vector<int>{1}, chosen.engine->SelectedVoices);
}

TEST(SpeechNarration, SampleVoiceAndNamelessVoicesAreNeverOffered) {
    Speaker s("Speaker Voice=Sample TTS Voice\r\n", {"Sample TTS Voice", "", "Real Voice"});
    EXPECT_EQ((std::vector<std::string>{"Default", "Real Voice"}), s.VoiceCaptions());
    EXPECT_EQ("2", s.menu.VoiceMenu.Item(2).Tag);
    // The chosen sample voice ticks nothing; the engine keeps its default voice.
    EXPECT_EQ(0, s.menu.VoiceMenu.FirstChecked());
    EXPECT_TRUE(s.engine->SelectedVoices.empty());
}

TEST(SpeechNarration, NonAsciiVoiceDescriptionsAreKeptAsTheyCome) {
    const std::string helene = "H\xe9l\xe8ne \xc4\xd6\xdc";
    Speaker s("Speaker Voice=" + helene + "\r\n", {"Voice A", helene});
    EXPECT_EQ(3, s.menu.VoiceMenu.FirstChecked());
    EXPECT_EQ(helene + ",Voice A," + helene + ",", GetSettingValue("Speaker Voice", s.user));
    EXPECT_EQ(std::vector<int>{1}, s.engine->SelectedVoices);
}

TEST(SpeechNarration, NoEngineHidesTheSpeakerAndStoresNo) {
    Speaker s("Speaker=yes\r\nSpeaker Volume=5\r\n", {}, false);
    EXPECT_FALSE(s.narration.Visible());
    EXPECT_EQ("0", s.narration.VolumeMarker());
    EXPECT_EQ("No", GetSettingItem("Speaker", s.settings));
    EXPECT_EQ("No", GetSettingItem("Speaker", s.user));
    s.narration.SpeakerClick();
    s.narration.SpeakAtStart();
    s.narration.Tick();
    s.narration.SpeakAnswer("Accept");
}

TEST(SpeechNarration, NoVoicesHidesTheSpeakerWithoutStoringIt) {
    Speaker s("Speaker Volume=5\r\n", {});
    EXPECT_FALSE(s.narration.Visible());
    EXPECT_EQ("0", GetSettingItem("Speaker", s.user));
    EXPECT_EQ("", GetSettingValue("Speaker Voice", s.user));
    s.narration.SpeakAtStart();
    s.narration.SpeakPhrase("caption");
    EXPECT_TRUE(s.engine->Spoken.empty());
}

TEST(SpeechNarration, MenuChoicesGoToBothStoresAndTheEngine) {
    Speaker s("Speaker Volume=0,0,5,10\r\nSpeak Rate=0,-2,0,2\r\n");
    s.narration.PrepareSpeakerMenu();
    ASSERT_EQ(3, s.menu.SpeakerVolumeMenu.Count());
    EXPECT_EQ(1, s.menu.SpeakerVolumeMenu.FirstChecked());

    s.narration.ChooseVolume(2);
    EXPECT_EQ(50, s.engine->Volumes.back());
    EXPECT_EQ("5,0,5,10", GetSettingValue("Speaker Volume", s.settings));
    EXPECT_EQ("5", GetSettingValue("Speaker Volume", s.user));
    // The volume chosen now is the one reading goes by.
    s.narration.SpeakerClick();
    EXPECT_FALSE(s.engine->Spoken.empty());
    EXPECT_TRUE(s.narration.Reading());

    s.narration.PrepareSpeakerMenu();
    s.narration.ChooseRate(3);
    EXPECT_EQ(2, s.engine->Rates.back());
    EXPECT_EQ("2", GetSettingItem("Speak Rate", s.settings));
    EXPECT_EQ("2", GetSettingValue("Speak Rate", s.user));

    s.narration.ChooseVoice(3);
    EXPECT_EQ(1, s.engine->SelectedVoices.back());
    EXPECT_EQ("Voice B", GetSettingItem("Speaker Voice", s.settings));
    EXPECT_EQ("Voice B", GetSettingItem("Speaker Voice", s.user));
    EXPECT_EQ(3, s.menu.VoiceMenu.FirstChecked());

    // Choosing volume 0 stops the reading and keeps it from starting again.
    s.narration.ChooseVolume(1);
    EXPECT_FALSE(s.narration.Reading());
    const std::size_t spoken = s.engine->Spoken.size();
    s.narration.SpeakerClick();
    s.FinishSentences();
    EXPECT_EQ(spoken + 1, s.engine->Spoken.size());  // only the stop's "."
}

TEST(SpeechNarration, HideSpeakerStoresNoAndStopsTheReading) {
    Speaker s("Speaker Volume=5\r\n");
    s.narration.SpeakerClick();
    s.narration.HideSpeaker();
    EXPECT_FALSE(s.narration.Visible());
    EXPECT_FALSE(s.narration.Reading());
    EXPECT_EQ("No", GetSettingItem("Speaker", s.settings));
    EXPECT_EQ("No", GetSettingItem("Speaker", s.user));
}

TEST(SpeechNarration, AnswerCutsOffTheReading) {
    Speaker s("Speaker Volume=5\r\n");
    s.narration.SpeakerClick();
    s.narration.SpeakAnswer("Accept");
    EXPECT_FALSE(s.narration.Reading());
    EXPECT_EQ("Accept", s.engine->Spoken.back());
    EXPECT_TRUE(s.engine->Purged.back());
    s.FinishSentences();
    s.engine->FinishSentence();
    s.narration.Tick();
    EXPECT_EQ("Accept", s.engine->Spoken.back());
}

TEST(SpeechNarration, TheAnswerIsSpokenToItsEndWithinThreeSeconds) {
    struct Case {
        const char* Name;
        const char* Settings;
        int FinishedAfter;  // messages run before the engine is done; -1: never
        bool Quit;          // the program quits while waiting
        int Runs;           // messages run while waiting
    } cases[] = {
        {"finishes", "Speaker Volume=5\r\n", 3, false, 3},
        {"never finishes", "Speaker Volume=5\r\n", -1, false, 30},
        {"quit", "Speaker Volume=5\r\n", -1, true, 1},
        {"no volume: nothing spoken", "", -1, false, 0},
    };
    for (const Case& t : cases) {
        Speaker s(t.Settings);
        s.narration.SpeakAnswer("Accept");
        std::uint32_t now = 1000;
        int runs = 0;
        s.narration.WaitForAnswer(
            [&] {
                ++runs;
                now += 100;
                if (runs == t.FinishedAfter) s.engine->FinishSentence();
                return !t.Quit;
            },
            [&] { return now; });
        EXPECT_EQ(runs, t.Runs) << t.Name;
    }
    // Without a voice the speaker is hidden and nothing is awaited.
    Speaker silent("Speaker Volume=5\r\n", {});
    silent.engine->Busy = true;
    int runs = 0;
    silent.narration.SpeakAnswer("Accept");
    silent.narration.WaitForAnswer([&] { return ++runs < 1000; }, [] { return 0u; });
    EXPECT_EQ(runs, 0);
}

TEST(SpeechNarration, PhrasesWaitForNoReading) {
    Speaker s("Speaker Volume=5\r\n");
    s.narration.SpeakerClick();
    const std::size_t spoken = s.engine->Spoken.size();
    s.narration.SpeakPhrase("I have read");
    EXPECT_EQ(spoken, s.engine->Spoken.size());
    s.FinishSentences();
    s.engine->FinishSentence();
    s.narration.SpeakPhrase("I have read");
    EXPECT_EQ("I have read", s.engine->Spoken.back());
}

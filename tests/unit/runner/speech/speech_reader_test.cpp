#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runner/speech/speech_reader.h"
#include "support/recording_speech_engine.h"

namespace {

// Speaks every sentence to its end, ticking in between, and answers what was spoken.
std::vector<std::string> ReadToEnd(SpeechReader& reader, RecordingSpeechEngine& engine, int limit = 100) {
    for (int i = 0; i < limit && reader.Reading(); ++i) {
        engine.FinishSentence();
        reader.Tick();
    }
    return engine.Spoken;
}

}  // namespace

TEST(SpeechReader, SpeaksSentenceBySentenceWithTheTrailingText) {
    RecordingSpeechEngine engine;
    SpeechReader reader(engine);
    reader.Start("One. Two. Three", false);
    EXPECT_EQ(SpeakerState::Reading, reader.State());
    ASSERT_EQ(1u, engine.Spoken.size());
    EXPECT_EQ("One.", engine.Spoken[0]);
    // Nothing more while the engine still speaks.
    reader.Tick();
    EXPECT_EQ(1u, engine.Spoken.size());
    EXPECT_EQ((std::vector<std::string>{"One.", " Two.", " Three"}), ReadToEnd(reader, engine));
    EXPECT_EQ(SpeakerState::Idle, reader.State());
    for (bool purge : engine.Purged) EXPECT_FALSE(purge);
}

TEST(SpeechReader, TextWithoutFullStopIsOnePiece) {
    RecordingSpeechEngine engine;
    SpeechReader reader(engine);
    reader.Start("no full stop here", false);
    EXPECT_EQ((std::vector<std::string>{"no full stop here"}), ReadToEnd(reader, engine));
    EXPECT_EQ(SpeakerState::Idle, reader.State());
}

TEST(SpeechReader, OneMegabyteSentenceIsHandedOverOnce) {
    RecordingSpeechEngine engine;
    SpeechReader reader(engine);
    const std::string text(1 << 20, 'a');
    reader.Start(text, false);
    ASSERT_EQ(1u, engine.Spoken.size());
    EXPECT_EQ(text.size(), engine.Spoken[0].size());
    ReadToEnd(reader, engine);
    EXPECT_EQ(1u, engine.Spoken.size());
}

TEST(SpeechReader, TextEndingInAFullStopHasNoEmptyLastPiece) {
    RecordingSpeechEngine engine;
    SpeechReader reader(engine);
    reader.Start("A. B..", false);
    EXPECT_EQ((std::vector<std::string>{"A.", " B.", "."}), ReadToEnd(reader, engine));
}

TEST(SpeechReader, PauseAfterTheCurrentSentenceAndResumeAtTheNext) {
    RecordingSpeechEngine engine;
    SpeechReader reader(engine);
    reader.Start("First. Second. Third.", false);
    reader.Pause();
    EXPECT_EQ("2", SpeakerStateText(reader.State()));
    engine.FinishSentence();
    reader.Tick();
    reader.Tick();
    EXPECT_EQ(std::vector<std::string>{"First."}, engine.Spoken);
    EXPECT_FALSE(engine.Purged[0]);  // the sentence was not cut off

    reader.SetState(SpeakerState::Requested);
    reader.Start("First. Second. Third.", true);
    EXPECT_EQ((std::vector<std::string>{"First.", " Second.", " Third."}), ReadToEnd(reader, engine));
}

TEST(SpeechReader, ResumeWaitsForTheSentenceStillBeingSpoken) {
    RecordingSpeechEngine engine;
    SpeechReader reader(engine);
    reader.Start("First. Second.", false);
    reader.Pause();
    reader.Start("First. Second.", true);  // clicked again before "First." ended
    EXPECT_EQ(1u, engine.Spoken.size());
    EXPECT_EQ((std::vector<std::string>{"First.", " Second."}), ReadToEnd(reader, engine));
}

TEST(SpeechReader, ResumeOnAnotherTextStartsItFromTheBeginning) {
    RecordingSpeechEngine engine;
    SpeechReader reader(engine);
    reader.Start("A. B. C.", false);
    reader.Pause();
    engine.FinishSentence();
    reader.Start("X. Y.", true);
    EXPECT_EQ((std::vector<std::string>{"A.", "X.", " Y."}), ReadToEnd(reader, engine));
}

TEST(SpeechReader, EngineErrorEndsTheReadingQuietly) {
    RecordingSpeechEngine engine;
    engine.Refuse = true;
    SpeechReader reader(engine);
    reader.Start("One. Two.", false);
    EXPECT_EQ(SpeakerState::Idle, reader.State());
    reader.Tick();
    EXPECT_EQ(1u, engine.Spoken.size());
}

TEST(SpeechReader, StopSpeakingCutsOffWithAPurgedFullStop) {
    RecordingSpeechEngine engine;
    SpeechReader reader(engine);
    reader.Start("One. Two.", false);
    reader.StopSpeaking();
    EXPECT_EQ(SpeakerState::Idle, reader.State());
    EXPECT_EQ(".", engine.Spoken.back());
    EXPECT_TRUE(engine.Purged.back());
    engine.FinishSentence();
    reader.Tick();
    EXPECT_EQ(2u, engine.Spoken.size());
}

TEST(SpeechReader, EmptyTextReadsNothing) {
    RecordingSpeechEngine engine;
    SpeechReader reader(engine);
    reader.SetState(SpeakerState::Requested);
    reader.Start("", false);
    EXPECT_TRUE(engine.Spoken.empty());
    EXPECT_EQ(SpeakerState::Idle, reader.State());
}

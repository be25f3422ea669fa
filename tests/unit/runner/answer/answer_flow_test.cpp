// The check box, the answer buttons and the order of the closing steps.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runner/answer/answer_flow.h"

namespace {

class RecordingActions : public AnswerActions {
public:
    std::vector<std::string> Steps;
    bool Speaker = false;
    int AcceptPicture = 0, DeclinePicture = 0;
    bool Box = false;

    void SaveProfileSettings() override { Steps.push_back("save profile"); }
    void RecordResponse(const std::string& r) override { Steps.push_back("record " + r); }
    bool SpeakerVisible() const override { return Speaker; }
    void Speak(const std::string& t) override { Steps.push_back("speak " + t); }
    void StopSpeaking() override { Steps.push_back("stop speaking"); }
    void HideDocumentParts() override { Steps.push_back("hide"); }
    void PlayCloseEffect(int a) override { Steps.push_back("effect " + std::to_string(a)); }
    void UpdateLastRun() override { Steps.push_back("last run"); }
    void ShowTaskbarWindow() override { Steps.push_back("taskbar"); }
    void RunDeclineAction() override { Steps.push_back("decline action"); }
    void Unload() override { Steps.push_back("unload"); }
    void ShowButtonPicture(int index, DeclarationPicture p) override {
        (index == kAcceptButton ? AcceptPicture : DeclinePicture) = p;
    }
    void SetCheckBox(bool ticked) override { Box = ticked; }
    void EnableCheckBox(bool enabled) override { Steps.push_back(enabled ? "box on" : "box off"); }
};

using Steps = std::vector<std::string>;

// "Require Reading To End": with and without a check box, nothing but
// decline answers until the reading is done; a box ticked meanwhile counts.
TEST(AnswerFlowTest, ReadingHoldKeepsAcceptAndBoxUntilDone) {
    struct Case {
        bool withBox;
        bool tickWhileHeld;
        const char* tagAfter;
    } cases[] = {{true, false, "0"}, {true, true, "1"}, {false, false, "1"}};
    for (const Case& c : cases) {
        RecordingActions actions;
        AnswerButtons buttons(actions, !c.withBox, !c.withBox, c.withBox ? "I have read it" : "");
        buttons.HoldForReading();
        EXPECT_EQ(buttons.Tag(kAcceptButton), "0");
        EXPECT_EQ(actions.AcceptPicture, PIC_ACCEPT_DISABLED);
        buttons.CheckBoxDragged();
        buttons.CheckCaptionClicked();
        EXPECT_FALSE(actions.Box);
        if (c.tickWhileHeld) buttons.CheckBoxClicked(true);
        buttons.MouseDown(kAcceptButton);
        EXPECT_EQ(actions.AcceptPicture, PIC_ACCEPT_DISABLED);
        buttons.Click(kAcceptButton, "Accept");
        EXPECT_FALSE(buttons.Answered());
        EXPECT_EQ(buttons.Tag(kAcceptButton), "0");
        EXPECT_EQ(buttons.Tag(kDeclineButton), "1");

        buttons.ReadingDone();
        EXPECT_FALSE(buttons.ReadingHeld());
        EXPECT_EQ(buttons.Tag(kAcceptButton), std::string(c.tagAfter));
        EXPECT_EQ(actions.Steps, (Steps{"box off", "save profile", "box on"}));
        buttons.CheckBoxClicked(true);
        buttons.Click(kAcceptButton, "Accept");
        EXPECT_TRUE(buttons.Answered());
    }
    RecordingActions actions;
    AnswerButtons held(actions, false, false, "I have read it");
    held.HoldForReading();
    held.Click(kDeclineButton, "Decline");
    EXPECT_TRUE(held.Answered());
}

TEST(AnswerFlowTest, AcceptOnlyAfterTheBoxIsTicked) {
    RecordingActions actions;
    AnswerButtons buttons(actions, false, false, "I  have read this document");
    EXPECT_EQ(buttons.Tag(kAcceptButton), "0");
    EXPECT_EQ(buttons.Tag(kDeclineButton), "1");

    // Pressing the disabled button keeps its disabled picture.
    buttons.MouseDown(kAcceptButton);
    EXPECT_EQ(actions.AcceptPicture, 0);
    buttons.MouseUp(kAcceptButton);
    EXPECT_EQ(actions.AcceptPicture, PIC_ACCEPT_DISABLED);
    buttons.Click(kAcceptButton, "Accept");
    EXPECT_EQ(actions.Steps, Steps{"save profile"});
    EXPECT_FALSE(buttons.Answered());

    buttons.CheckBoxClicked(true);
    EXPECT_EQ(buttons.Tag(kAcceptButton), "1");
    EXPECT_EQ(actions.AcceptPicture, PIC_ACCEPT_ENABLED);
    buttons.MouseDown(kAcceptButton);
    EXPECT_EQ(actions.AcceptPicture, PIC_ACCEPT_PRESSED);
    buttons.MouseUp(kAcceptButton);
    EXPECT_EQ(actions.AcceptPicture, PIC_ACCEPT_ENABLED);

    actions.Steps.clear();
    buttons.Click(kAcceptButton, "Accept");
    EXPECT_EQ(actions.Steps,
              (Steps{"save profile", "record Accept", "hide", "effect 1", "last run", "taskbar", "unload"}));
    EXPECT_TRUE(buttons.Answered());
}

TEST(AnswerFlowTest, ClearingTheBoxDisablesAcceptAgain) {
    RecordingActions actions;
    AnswerButtons buttons(actions, true, true, "I read it");
    buttons.CheckBoxClicked(false);
    EXPECT_EQ(buttons.Tag(kAcceptButton), "0");
    EXPECT_EQ(actions.AcceptPicture, PIC_ACCEPT_DISABLED);
    buttons.MouseDown(kAcceptButton);
    EXPECT_EQ(actions.AcceptPicture, PIC_ACCEPT_DISABLED);
}

TEST(AnswerFlowTest, DeclineWorksWithoutTheBoxAndSpeaksWhenTheSpeakerShows) {
    RecordingActions actions;
    actions.Speaker = true;
    AnswerButtons buttons(actions, false, false, "I read it");
    buttons.MouseDown(kDeclineButton);
    EXPECT_EQ(actions.DeclinePicture, PIC_DECLINE_PRESSED);
    buttons.MouseUp(kDeclineButton);
    EXPECT_EQ(actions.DeclinePicture, PIC_DECLINE_RELEASED);
    buttons.Click(kDeclineButton, "No thanks");
    EXPECT_EQ(actions.Steps, (Steps{"save profile", "record No thanks", "speak No thanks", "hide", "effect 2",
                                    "decline action", "stop speaking", "unload"}));
}

TEST(AnswerFlowTest, OnlyOneAnswerPerWindow) {
    // The close effect lets messages run; a second click in that time is ignored.
    RecordingActions actions;
    AnswerButtons buttons(actions, true, true, "");
    buttons.Click(kAcceptButton, "Accept");
    const auto steps = actions.Steps;
    buttons.Click(kDeclineButton, "Decline");
    buttons.Click(kAcceptButton, "Accept");
    EXPECT_EQ(actions.Steps, steps);
}

TEST(AnswerFlowTest, CaptionLabelTogglesTheBoxAndSpeaks) {
    RecordingActions actions;
    actions.Speaker = true;
    AnswerButtons buttons(actions, false, false, "I  have read this document");
    buttons.CheckCaptionClicked();
    EXPECT_TRUE(actions.Box);
    EXPECT_TRUE(buttons.BoxTicked());
    EXPECT_EQ(buttons.Tag(kAcceptButton), "1");
    // Spoken by the label, then again by the box that became ticked.
    EXPECT_EQ(actions.Steps, (Steps{"speak I  have read this document", "speak I  have read this document"}));

    actions.Steps.clear();
    buttons.CheckCaptionClicked();
    EXPECT_FALSE(actions.Box);
    EXPECT_EQ(buttons.Tag(kAcceptButton), "0");
    EXPECT_EQ(actions.Steps, Steps{"speak I  have read this document"});

    actions.Speaker = false;
    actions.Steps.clear();
    buttons.CheckCaptionClicked();
    buttons.MessageClicked("Please read");
    EXPECT_TRUE(actions.Steps.empty());
}

TEST(AnswerFlowTest, DraggingOverTheBoxTicksItOnce) {
    RecordingActions actions;
    AnswerButtons buttons(actions, false, false, "x");
    buttons.CheckBoxDragged();
    EXPECT_TRUE(actions.Box);
    EXPECT_EQ(buttons.Tag(kAcceptButton), "1");
    actions.Box = false;  // a second move over a ticked box changes nothing
    buttons.CheckBoxDragged();
    EXPECT_FALSE(actions.Box);
}

}  // namespace

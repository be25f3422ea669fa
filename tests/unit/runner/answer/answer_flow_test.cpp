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
};

using Steps = std::vector<std::string>;

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

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runner/document/window_menus.h"

namespace {

std::vector<std::string> VisibleCaptions(const MenuList& list) {
    std::vector<std::string> captions;
    for (int k = 1; k <= list.Count(); ++k)
        if (list.Item(k).Visible) captions.push_back(list.Item(k).Caption);
    return captions;
}

std::vector<int> Ticked(const MenuList& list) {
    std::vector<int> ticked;
    for (int k = 1; k <= list.Count(); ++k)
        if (list.Item(k).Checked) ticked.push_back(k);
    return ticked;
}

}  // namespace

TEST(PopulateMenuWithString, ChoicesAfterTheCurrentOneBecomeItemsWithTheCurrentTicked) {
    MenuList list;
    PopulateMenuWithString(list, "0,-2,-1,0,1,2");
    EXPECT_EQ((std::vector<std::string>{"-2", "-1", "0", "1", "2"}), VisibleCaptions(list));
    EXPECT_EQ(std::vector<int>{3}, Ticked(list));
}

TEST(PopulateMenuWithString, ValueWithoutCommaIsOneTickedItem) {
    MenuList list;
    PopulateMenuWithString(list, "50");
    EXPECT_EQ(std::vector<std::string>{"50"}, VisibleCaptions(list));
    EXPECT_EQ(std::vector<int>{1}, Ticked(list));
}

TEST(PopulateMenuWithString, EmptyValueTicksNothingAndHidesAllButTheFirstItem) {
    MenuList list;
    PopulateMenuWithString(list, "3,1,2,3");
    PopulateMenuWithString(list, "");
    EXPECT_EQ(3, list.Count());
    EXPECT_TRUE(list.Item(1).Visible);
    EXPECT_FALSE(list.Item(2).Visible);
    EXPECT_FALSE(list.Item(3).Visible);
    EXPECT_EQ("1", list.Item(1).Caption);  // no caption is set
    EXPECT_TRUE(Ticked(list).empty());
}

TEST(PopulateMenuWithString, ShorterListHidesTheLeftOversAndNeverTicksThem) {
    MenuList list;
    PopulateMenuWithString(list, "1,1,2,3,4");
    PopulateMenuWithString(list, "4,1,2");
    EXPECT_EQ((std::vector<std::string>{"1", "2"}), VisibleCaptions(list));
    // "4" is the caption of the hidden fourth item only.
    EXPECT_TRUE(Ticked(list).empty());
    EXPECT_EQ(0, list.FirstChecked());
    // A longer list shows the items again.
    PopulateMenuWithString(list, "4,1,2,3,4");
    EXPECT_EQ(4u, VisibleCaptions(list).size());
    EXPECT_EQ(std::vector<int>{4}, Ticked(list));
}

TEST(PopulateMenuWithString, CurrentChoiceOutsideTheListTicksNothing) {
    MenuList list;
    PopulateMenuWithString(list, "7,1,2,3");
    EXPECT_TRUE(Ticked(list).empty());
}

TEST(PopulateMenuWithString, EmptyPartsGiveEmptyItemsThatAreNeverTicked) {
    MenuList list;
    PopulateMenuWithString(list, ",,5,");
    EXPECT_EQ((std::vector<std::string>{"", "5", ""}), VisibleCaptions(list));
    EXPECT_TRUE(Ticked(list).empty());
    PopulateMenuWithString(list, ",");
    EXPECT_EQ(std::vector<std::string>{""}, VisibleCaptions(list));
}

TEST(PopulateMenuWithString, FiveHundredChoicesMakeFiveHundredItems) {
    std::string value = "250";
    for (int k = 1; k <= 500; ++k) value += "," + std::to_string(k);
    MenuList list;
    PopulateMenuWithString(list, value);
    ASSERT_EQ(500, list.Count());
    EXPECT_EQ("500", list.Item(500).Caption);
    EXPECT_EQ(std::vector<int>{250}, Ticked(list));
    PopulateMenuWithString(list, "1,1");
    EXPECT_EQ(1u, VisibleCaptions(list).size());
}

TEST(CheckMenuList, IgnoresSurroundingBlanksButNotCase) {
    MenuList list;
    PopulateMenuWithString(list, "x,Alpha,Beta");
    EXPECT_TRUE(CheckMenuList(list, "  Beta ", 1));
    EXPECT_EQ(std::vector<int>{2}, Ticked(list));
    EXPECT_FALSE(CheckMenuList(list, "beta", 1));
    EXPECT_TRUE(Ticked(list).empty());
}

TEST(CheckMenuList, ComparesTagsUnlessAskedForCaptions) {
    MenuList list("Default");
    list.Ensure(2) = MenuListItem{"Voice A", "0", false, true};
    list.Ensure(3) = MenuListItem{"Voice B", "1", false, true};
    EXPECT_TRUE(CheckMenuList(list, "1"));
    EXPECT_EQ(std::vector<int>{3}, Ticked(list));
    EXPECT_FALSE(CheckMenuList(list, "Voice A", 2));
    EXPECT_TRUE(CheckMenuList(list, "Voice A", 1));
    EXPECT_EQ(std::vector<int>{2}, Ticked(list));
    // An item without text is never ticked, even by an empty tag; "Default"
    // has text and no tag.
    list.Item(2).Caption.clear();
    list.Item(2).Tag.clear();
    EXPECT_TRUE(CheckMenuList(list, ""));
    EXPECT_EQ(std::vector<int>{1}, Ticked(list));
}

TEST(SpeakerMenuCommand, CommandsRoundTripAndStrayIdsChooseNothing) {
    for (SpeakerMenuKind kind : {SpeakerMenuKind::Voice, SpeakerMenuKind::Volume, SpeakerMenuKind::Rate}) {
        for (int item : {1, 2, 500, kMaxMenuListItems}) {
            const SpeakerMenuChoice choice = SpeakerMenuChoiceOf(SpeakerMenuCommand(kind, item));
            EXPECT_EQ(kind, choice.Kind);
            EXPECT_EQ(item, choice.Item);
        }
        EXPECT_EQ(0, SpeakerMenuCommand(kind, 0));
        EXPECT_EQ(0, SpeakerMenuCommand(kind, kMaxMenuListItems + 1));
    }
    EXPECT_EQ(SpeakerMenuKind::HideSpeaker,
              SpeakerMenuChoiceOf(SpeakerMenuCommand(SpeakerMenuKind::HideSpeaker, 0)).Kind);
    EXPECT_EQ(SpeakerMenuKind::None, SpeakerMenuChoiceOf(0).Kind);  // menu dismissed
    EXPECT_EQ(SpeakerMenuKind::None, SpeakerMenuChoiceOf(2000).Kind);
    EXPECT_EQ(SpeakerMenuKind::None, SpeakerMenuChoiceOf(99999).Kind);
}

TEST(SpeakerMenuCommand, AmpersandsStayPlainCharacters) {
    EXPECT_EQ("Tom && Jerry", MenuCaptionText("Tom & Jerry"));
    EXPECT_EQ("50", MenuCaptionText("50"));
}

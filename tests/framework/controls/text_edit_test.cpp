#include <gtest/gtest.h>

#include <string>

#include "framework/controls/text_edit.h"

TEST(TextEdit, HoldsAtMost129Characters) {
    vTextEdit edit;
    edit.SetText(std::string(200, 'a'));
    EXPECT_EQ(edit.Text().size(), 129u);
    EXPECT_FALSE(edit.Insert("b"));
    edit.MoveHome(false);
    edit.MoveRight(true);
    EXPECT_TRUE(edit.Insert("xyz"));
    EXPECT_EQ(edit.Text().size(), 129u);
    EXPECT_EQ(edit.Text().substr(0, 2), "xa");
}

TEST(TextEdit, NeverSplitsAMultiByteCharacter) {
    vTextEdit edit;
    edit.SetText(std::string(128, 'a'));
    EXPECT_FALSE(edit.Insert("\xc3\xa9"));  // two bytes do not fit in the one left
    EXPECT_EQ(edit.Text().size(), 128u);
    edit.SetText("n\xc3\xa9");
    EXPECT_TRUE(edit.Backspace());
    EXPECT_EQ(edit.Text(), "n");
    edit.SetText("\xc3\xa9t\xc3\xa9");
    edit.MoveHome(false);
    edit.MoveRight(false);
    EXPECT_EQ(edit.Caret(), 2);
    edit.MoveTo(1, false);  // inside a character: snaps to its start
    EXPECT_EQ(edit.Caret(), 0);
    EXPECT_EQ(edit.CharsBefore(5), 3);
}

TEST(TextEdit, TypingReplacesTheSelectionAndDropsControlCharacters) {
    vTextEdit edit;
    edit.SetText("hello world");
    edit.MoveHome(false);
    edit.MoveRight(true, true);
    EXPECT_EQ(edit.SelectedText(), "hello ");
    edit.Insert("bye\t\n ");
    EXPECT_EQ(edit.Text(), "bye world");
    edit.MoveEnd(false);
    edit.MoveLeft(true, true);
    EXPECT_EQ(edit.SelectedText(), "world");
    EXPECT_TRUE(edit.DeleteForward());
    EXPECT_EQ(edit.Text(), "bye ");
    EXPECT_FALSE(edit.DeleteForward());
}

TEST(TextEdit, ArrowsCollapseASelectionToItsEnds) {
    vTextEdit edit;
    edit.SetText("abcdef");
    edit.MoveTo(2, false);
    edit.MoveTo(4, true);
    edit.MoveLeft(false);
    EXPECT_EQ(edit.Caret(), 2);
    EXPECT_FALSE(edit.HasSelection());
    edit.MoveTo(4, true);
    edit.MoveRight(false);
    EXPECT_EQ(edit.Caret(), 4);
    edit.SelectAll();
    EXPECT_TRUE(edit.Backspace());
    EXPECT_EQ(edit.Text(), "");
}

#include <gtest/gtest.h>

#include <string>

#include "framework/controls/text_in_cmd.h"
#include "framework/platform/platform.h"
#include "recording_parent.h"

using Command = RecordingParent::Command;

namespace {

struct Entry {
    explicit Entry(const CommandObject* table) {
        parent.Build(table);
        entry = static_cast<vTextInCmd*>(parent.FindControl(1));
    }
    void Key(int key, int modifiers = 0) { parent.ControlKeyDown(key, modifiers); }
    int Changes() const {
        int count = 0;
        for (const Command& c : parent.commands) count += c.value == vTextChangedValue;
        return count;
    }
    // A pointer position over the character boundary before character n (no scrolling).
    int XBefore(int n) const { return entry->PixelRect().x + 3 + n * 6; }
    int Middle() const { return entry->PixelRect().y + entry->PixelRect().h / 2; }

    vHeadlessText text;
    RecordingParent parent{vParentDialog, &text};
    vTextInCmd* entry = nullptr;
};

constexpr CommandObject kEntry[] = {{.type = ctTextIn, .id = 1, .title = "abcdef"}, {}};
constexpr CommandObject kNarrow[] = {{.type = ctTextIn, .id = 1, .title = "", .size = 4}, {}};

}  // namespace

TEST(TextEntry, CaretKeysEditWhereTheCaretStands) {
    Entry e(kEntry);
    e.Key(vKeyHome);
    e.parent.ControlTextInput("X");
    EXPECT_EQ(e.parent.Text(1), "Xabcdef");
    e.Key(vKeyEnd);
    e.Key(vKeyBackSpace);
    EXPECT_EQ(e.parent.Text(1), "Xabcde");
    e.Key(vKeyHome);
    e.Key(vKeyRight);
    e.Key(vKeyDelete);
    EXPECT_EQ(e.parent.Text(1), "Xbcde");
    e.Key(vKeyLeft);
    e.Key(vKeyBackSpace);  // at the start: nothing to take, nothing sent
    e.Key(vKeyEnd);
    e.Key(vKeyDelete);  // at the end: the same
    EXPECT_EQ(e.parent.Text(1), "Xbcde");
    EXPECT_EQ(e.Changes(), 3);
}

TEST(TextEntry, ShiftedMovesSelectAndTypingReplacesTheSelection) {
    Entry e(kEntry);
    e.Key(vKeyHome);
    e.Key(vKeyRight);
    e.Key(vKeyEnd, vModShift);
    e.Key(vKeyLeft, vModShift);
    EXPECT_EQ(e.entry->Edit().SelectedText(), "bcde");
    e.parent.ControlTextInput("Z");
    EXPECT_EQ(e.parent.Text(1), "aZf");
    e.Key(vKeyHome, vModShift);
    e.Key(vKeyBackSpace);
    EXPECT_EQ(e.parent.Text(1), "f");
}

TEST(TextEntry, PointerPlacesTheCaretDragsSelectAndDoubleClicksSelectAll) {
    Entry e(kEntry);
    e.parent.ControlPointerDown(e.XBefore(2), e.Middle(), 1);
    e.parent.ControlPointerUp(e.XBefore(2), e.Middle());
    EXPECT_EQ(e.entry->Edit().Caret(), 2);
    e.parent.ControlPointerDown(e.XBefore(1), e.Middle(), 1);
    e.parent.ControlPointerMove(e.XBefore(4), e.Middle());
    e.parent.ControlPointerUp(e.XBefore(4), e.Middle());
    EXPECT_EQ(e.entry->Edit().SelectedText(), "bcd");
    // Far right of the text puts the caret at the end.
    vRect r = e.entry->PixelRect();
    e.parent.ControlPointerDown(r.x + r.w - 4, e.Middle(), 1);
    EXPECT_EQ(e.entry->Edit().Caret(), 6);
    e.parent.ControlPointerDown(e.XBefore(3), e.Middle(), 2);
    EXPECT_EQ(e.entry->Edit().SelectedText(), "abcdef");
}

TEST(TextEntry, ScrollsSidewaysToKeepTheCaretInViewAndBackWhenTextShrinks) {
    Entry e(kNarrow);
    e.parent.ControlTextInput("0123456789abcdefghij");
    EXPECT_GT(e.entry->FirstVisibleChar(), 0);
    e.Key(vKeyHome);
    EXPECT_EQ(e.entry->FirstVisibleChar(), 0);
    e.Key(vKeyEnd);
    int scrolled = e.entry->FirstVisibleChar();
    EXPECT_GT(scrolled, 10);
    // Taking characters off the end pulls the text back in, so the field never
    // shows only the caret while there is text before it.
    for (int i = 0; i < 12; ++i) e.Key(vKeyBackSpace);
    EXPECT_EQ(e.parent.Text(1), "01234567");
    EXPECT_LT(e.entry->FirstVisibleChar(), scrolled - 8);
    EXPECT_GT(e.entry->FirstVisibleChar(), 0);
    for (int i = 0; i < 6; ++i) e.Key(vKeyBackSpace);
    EXPECT_EQ(e.entry->FirstVisibleChar(), 0);
}

TEST(TextEntry, PastingMoreThanFitsKeepsTheFirst129Characters) {
    Entry e(kEntry);
    e.parent.clipboard = std::string(200, 'q');
    e.Key(vKeyHome);
    e.Key('v', vModControl);
    std::string text = e.parent.Text(1);
    EXPECT_EQ(text.size(), 129u);
    EXPECT_EQ(text.substr(123), "abcdef");
    // Full: typing changes nothing and sends nothing.
    int before = e.Changes();
    e.parent.ControlTextInput("z");
    EXPECT_EQ(e.Changes(), before);
}

TEST(TextEntry, EnterClicksTheDefaultButtonAndTabLeavesTheEntry) {
    constexpr CommandObject table[] = {
        {.type = ctTextIn, .id = 1, .title = "a"},
        {.type = ctButton, .id = 2, .value = 7, .title = "Go", .attributes = AttrDefault, .below = 1},
        {.type = ctButton, .id = 3, .title = "Other", .rightOf = 2, .below = 1},
        {},
    };
    RecordingParent parent;
    parent.Build(table);
    EXPECT_EQ(parent.FocusControl(), parent.FindControl(1));
    parent.ControlKeyDown(vKeyReturn, 0);
    EXPECT_EQ(parent.commands, (std::vector<Command>{{2, 7, ctButton}}));
    parent.ControlKeyDown(vKeyTab, vModShift);  // wraps back to the last button
    EXPECT_EQ(parent.FocusControl(), parent.FindControl(3));
    EXPECT_EQ(parent.commands.back(), (Command{1, vTextFocusLostValue, ctTextIn}));
    // Enter on a focused push button clicks that button, not the default one.
    parent.ControlKeyDown(vKeyReturn, 0);
    EXPECT_EQ(parent.commands.back(), (Command{3, 0, ctButton}));
}

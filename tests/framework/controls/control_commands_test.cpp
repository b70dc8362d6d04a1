#include <gtest/gtest.h>

#include <string>

#include "framework/controls/list_cmd.h"
#include "framework/platform/platform.h"
#include "framework/controls/spinner_cmd.h"
#include "recording_parent.h"

using Command = RecordingParent::Command;

TEST(ToggleButton, StartsPressedFromItsRecordAndSendsItsNewState) {
    constexpr CommandObject table[] = {{.type = ctToggleButton, .id = 7, .value = 1, .title = "On"}, {}};
    RecordingParent parent;
    parent.Build(table);
    EXPECT_EQ(parent.QueryValue(7), 1);
    parent.ClickOn(7);
    parent.ClickOn(7);
    EXPECT_EQ(parent.commands, (std::vector<Command>{{7, 0, ctToggleButton}, {7, 1, ctToggleButton}}));
    parent.PutValue(7, 0, StateValue);
    EXPECT_EQ(parent.QueryValue(7), 0);
    EXPECT_EQ(parent.commands.size(), 2u);
}

TEST(Button, SendsItsRecordValueOnlyWhenReleasedOverIt) {
    constexpr CommandObject table[] = {{.type = ctButton, .id = 5, .value = 42, .title = "Go"}, {}};
    RecordingParent parent;
    parent.Build(table);
    vRect r = parent.FindControl(5)->PixelRect();
    parent.ControlPointerDown(r.x + 2, r.y + 2, 1);
    parent.ControlPointerMove(r.x + r.w + 20, r.y);
    parent.ControlPointerUp(r.x + r.w + 20, r.y);
    EXPECT_TRUE(parent.commands.empty());
    parent.ClickOn(5);
    EXPECT_EQ(parent.commands, (std::vector<Command>{{5, 42, ctButton}}));
}

TEST(Controls, InsensitiveAndHiddenControlsTakeNoClicks) {
    constexpr CommandObject table[] = {
        {.type = ctButton, .id = 1, .title = "A", .sensitive = 0},
        {.type = ctButton, .id = 2, .title = "B", .attributes = AttrHidden, .rightOf = 1},
        {},
    };
    RecordingParent parent;
    parent.Build(table);
    parent.ClickOn(1);
    parent.ClickOn(2);
    EXPECT_TRUE(parent.commands.empty());
    parent.PutValue(1, 1, StateEnabled);
    parent.PutValue(2, 0, StateHidden);
    parent.ClickOn(1);
    parent.ClickOn(2);
    EXPECT_EQ(parent.commands.size(), 2u);
}

TEST(CheckBox, FlipsOnClickAndShowsTheRecordStateAtEachStart) {
    constexpr CommandObject table[] = {{.type = ctCheckBox, .id = 3, .value = 1, .title = "Grid"}, {}};
    RecordingParent parent;
    parent.Build(table);
    parent.ClickOn(3);
    EXPECT_EQ(parent.commands, (std::vector<Command>{{3, 0, ctCheckBox}}));
    EXPECT_EQ(parent.QueryValue(3), 0);
    parent.StartControls();
    EXPECT_EQ(parent.QueryValue(3), 1);
}

TEST(RadioButton, TurnsOffTheOtherGroupMemberFirstAndGroupsByFrame) {
    constexpr CommandObject table[] = {
        {.type = ctFrame, .id = 10},
        {.type = ctRadioButton, .id = 11, .value = 1, .title = "a", .frame = 10},
        {.type = ctRadioButton, .id = 12, .title = "b", .frame = 10, .below = 11},
        {.type = ctRadioButton, .id = 21, .value = 1, .title = "c", .below = 10},
        {},
    };
    RecordingParent parent;
    parent.Build(table);
    parent.ClickOn(12);
    EXPECT_EQ(parent.commands, (std::vector<Command>{{11, 0, ctRadioButton}, {12, 1, ctRadioButton}}));
    parent.commands.clear();
    parent.ClickOn(12);
    EXPECT_TRUE(parent.commands.empty());
    EXPECT_EQ(parent.QueryValue(21), 1);
    parent.PutValue(11, 1, StateValue);
    EXPECT_EQ(parent.QueryValue(12), 0);
    EXPECT_TRUE(parent.commands.empty());
}

TEST(Spinner, StepsStayWithinTheRangeAndApplyClamps) {
    static constexpr int range[] = {3, 21, 2};
    constexpr CommandObject table[] = {{.type = ctSpinner, .id = 4, .title = "Vbox", .items = range}, {}};
    RecordingParent parent;
    parent.Build(table);
    auto* spinner = static_cast<vSpinnerCmd*>(parent.FindControl(4));
    EXPECT_EQ(parent.QueryValue(4), 3);  // a value of 0 starts at the minimum
    spinner->OnNotify(vNotifyStepDown, 0);
    EXPECT_TRUE(parent.commands.empty());
    for (int i = 0; i < 3; ++i) spinner->OnNotify(vNotifyStepUp, 0);
    EXPECT_EQ(parent.commands.back(), (Command{4, 9, ctSpinner}));
    parent.PutValue(4, 30, StateValue);
    EXPECT_EQ(spinner->FieldText(), "21");
    parent.commands.clear();
    spinner->OnNotify(vNotifyStepUp, 0);
    EXPECT_TRUE(parent.commands.empty());
    parent.PutValue(4, 20, StateValue);
    spinner->OnNotify(vNotifyStepUp, 0);  // 22 would pass the maximum
    EXPECT_EQ(parent.QueryValue(4), 20);
}

TEST(Spinner, TextItemsUnlimitedRangesAndMaskedSteps) {
    static constexpr const char* sizes[] = {"small", "large", nullptr};
    static constexpr int open[] = {0, 0, 5};
    constexpr CommandObject table[] = {
        {.type = ctSpinner, .id = 1, .value = 7, .items = sizes, .attributes = AttrTextItems},
        {.type = ctSpinner, .id = 2, .value = -40, .items = open, .attributes = AttrMasked, .below = 1},
        {.type = ctSpinner, .id = 3, .value = 40000, .below = 2},
        {},
    };
    RecordingParent parent;
    parent.Build(table);
    auto spin = [&](int id, int code) { static_cast<vSpinnerCmd*>(parent.FindControl(id))->OnNotify(code, 0); };
    EXPECT_EQ(static_cast<vSpinnerCmd*>(parent.FindControl(1))->FieldText(), "large");
    spin(1, vNotifyStepUp);
    spin(1, vNotifyStepDown);
    EXPECT_EQ(parent.commands, (std::vector<Command>{{1, 0, ctSpinner}}));
    spin(2, vNotifyStepDown);
    EXPECT_EQ(parent.QueryValue(2), -45);
    EXPECT_EQ(parent.commands.size(), 1u);
    EXPECT_EQ(parent.QueryValue(3), 32767);
}

TEST(TextEntry, SendsChangesAndLosingTheFocusAndCutsQueries) {
    constexpr CommandObject table[] = {
        {.type = ctTextIn, .id = 8, .title = "16", .size = 8},
        {.type = ctButton, .id = 9, .title = "Go", .below = 8},
        {},
    };
    RecordingParent parent;
    parent.Build(table);
    EXPECT_EQ(parent.FocusControl(), parent.FindControl(8));
    parent.ControlTextInput("5");
    EXPECT_EQ(parent.commands, (std::vector<Command>{{8, vTextChangedValue, ctTextIn}}));
    char buffer[4];
    EXPECT_EQ(parent.QueryText(8, buffer, sizeof buffer), 3);
    EXPECT_STREQ(buffer, "165");
    parent.ControlKeyDown(vKeyTab, 0);
    EXPECT_EQ(parent.commands.back(), (Command{8, vTextFocusLostValue, ctTextIn}));
    EXPECT_EQ(parent.QueryText(99, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
}

TEST(TextEntry, KeepsAtMost129CharactersAndDropsATooLongInitialTitle) {
    static const std::string longTitle(130, 'x');
    const CommandObject table[] = {
        {.type = ctTextIn, .id = 1, .title = longTitle.c_str()},
        {.type = ctTextIn, .id = 2, .title = "", .below = 1},
        {},
    };
    RecordingParent parent;
    parent.Build(table);
    EXPECT_EQ(parent.Text(1), "");
    parent.PutText(2, std::string(300, 'y').c_str());
    EXPECT_EQ(parent.Text(2).size(), 129u);
}

TEST(TextEntry, CopiesAndPastesThroughTheClipboardButNeverFromAMask) {
    constexpr CommandObject table[] = {
        {.type = ctTextIn, .id = 1, .title = "alpha"},
        {.type = ctTextIn, .id = 2, .title = "secret", .attributes = AttrMasked, .below = 1},
        {},
    };
    RecordingParent parent;
    parent.Build(table);
    parent.ControlKeyDown('a', vModControl);
    parent.ControlKeyDown('c', vModControl);
    EXPECT_EQ(parent.clipboard, "alpha");
    parent.clipboard = "beta\nignored";
    parent.ControlKeyDown(vKeyEnd, 0);
    parent.ControlKeyDown('v', vModControl);
    EXPECT_EQ(parent.Text(1), "alphabeta");
    parent.SetFocusControl(parent.FindControl(2));
    parent.ControlKeyDown('a', vModControl);
    parent.ControlKeyDown('x', vModControl);
    EXPECT_EQ(parent.clipboard, "beta\nignored");
    EXPECT_EQ(parent.Text(2), "secret");
}

TEST(List, SendsTheChosenIndexAndMarksActivations) {
    static constexpr const char* names[] = {"one", "two", "three", nullptr};
    static constexpr const char* fewer[] = {"only", nullptr};
    CommandObject table[] = {{.type = ctList, .id = 6, .value = -1, .items = names}, {}};
    RecordingParent parent;
    parent.Build(table);
    auto* list = static_cast<vListCmd*>(parent.FindControl(6));
    list->OnKeyDown(vKeyDown, 0);
    list->OnKeyDown(vKeyEnd, 0);
    EXPECT_EQ(parent.commands, (std::vector<Command>{{6, 0, ctList}, {6, 2, ctList}}));
    list->OnTextInput("o");
    EXPECT_EQ(parent.QueryValue(6), 0);
    std::vector<bool> activations;
    parent.duringCommand = [&] { activations.push_back(list->IsActivation()); };
    list->OnKeyDown(vKeyDown, 0);
    list->OnKeyDown(vKeyReturn, 0);
    EXPECT_EQ(activations, (std::vector<bool>{false, true}));
    EXPECT_FALSE(list->IsActivation());
    table[0].items = fewer;
    parent.PutValue(6, 5, StateNewItems);
    EXPECT_EQ(list->Items().size(), 1u);
    EXPECT_EQ(parent.QueryValue(6), 0);
}

TEST(List, ScrollsWithItsBarWithoutChangingTheSelection) {
    std::vector<std::string> many;
    for (int i = 0; i < 30; ++i) many.push_back("item " + std::to_string(i));
    constexpr CommandObject table[] = {{.type = ctList, .id = 6, .value = -1}, {}};
    RecordingParent parent;
    parent.Build(table);
    auto* list = static_cast<vListCmd*>(parent.FindControl(6));
    list->SetItems(many, 0);
    int rows = list->VisibleRows();
    ASSERT_LT(rows, 30);
    vRect r = list->PixelRect();
    int barX = r.x + r.w - 5;
    // The lower arrow steps one row, and again on every held tick.
    parent.ControlPointerDown(barX, r.y + r.h - 5, 1);
    list->OnPointerHeld();
    parent.ControlPointerUp(barX, r.y + r.h - 5);
    EXPECT_EQ(list->TopRow(), 2);
    // The track under the thumb pages.
    parent.ControlPointerDown(barX, r.y + r.h - 25, 1);
    parent.ControlPointerUp(barX, r.y + r.h - 25);
    EXPECT_EQ(list->TopRow(), 2 + rows);
    // The thumb dragged past the end shows the last rows.
    list->ScrollBy(-100);
    parent.ControlPointerDown(barX, r.y + 25, 1);
    parent.ControlPointerMove(barX, r.y + r.h + 50);
    parent.ControlPointerUp(barX, r.y + r.h + 50);
    EXPECT_EQ(list->TopRow(), 30 - rows);
    EXPECT_EQ(parent.QueryValue(6), 0);
    EXPECT_TRUE(parent.commands.empty());
}

TEST(Controls, QueriesOfUnknownIdsGiveNothing) {
    constexpr CommandObject table[] = {{.type = ctLabel, .id = 1, .title = "x"}, {}};
    RecordingParent parent;
    parent.Build(table);
    EXPECT_EQ(parent.QueryValue(2), 0);
    EXPECT_EQ(parent.FindControl(1)->CurrentValue(2), -1);
    EXPECT_EQ(parent.FindControl(1)->CurrentValue(1), 0);
    parent.PutValue(2, 1, StateValue);
    parent.PutText(2, "y");
}

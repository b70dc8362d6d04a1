#include <gtest/gtest.h>

#include "editor_driver.h"
#include "field_builder.h"
#include "operation_dialogs/erode_dialog.h"
#include "operation_dialogs/rough_dialog.h"
#include "operation_dialogs/tile_dialog.h"
#include "operation_dialogs/warp_dialog.h"

namespace {

// The editor on the demo workspace, its field replaced by rows of the given heights.
struct Editor {
    explicit Editor(const Heights& rows) : driver(session) {
        session.CopyDemo();
        session.Start();
        session.Pump();
        // The field is replaced behind the document's back: its history must not be
        // reading the old image on another thread meanwhile.
        session.Window().Document().SettleHistory();
        SetField(driver.Field(), kEightBitField, rows);
        session.Window().Canvas().UpdateScrollBars();
        session.Window().Canvas().RefreshView();
        session.Pump();
    }
    Heights Values() { return ReadValues(driver.Field()); }

    EditorSession session;
    EditorDriver driver;
};

// 40 x 40 positions, height 10 + x.
Heights Ramp() {
    Heights rows(40, std::vector<int>(40));
    for (auto& row : rows) {
        for (int x = 0; x < 40; ++x) row[x] = 10 + x;
    }
    return rows;
}

Heights Added(Heights rows, int amount) {
    for (auto& row : rows) {
        for (int& z : row) z = std::min(z + amount, 255);
    }
    return rows;
}

}  // namespace

TEST(OperationToggles, OnlyThePressedToggleStaysOnAndItsDialogOpensOnce) {
    Editor editor(Ramp());
    EditorDriver& driver = editor.driver;
    driver.OpenDialog(DialogKind::Rough);
    EXPECT_EQ(driver.Message(), "Roughs");
    EXPECT_TRUE(driver.Dialogs().IsShown(DialogKind::Rough));

    driver.OpenDialog(DialogKind::Wacks);
    EXPECT_EQ(driver.Message(), "Wacks");
    EXPECT_FALSE(driver.Dialogs().IsShown(DialogKind::Rough));
    EXPECT_TRUE(driver.Dialogs().IsShown(DialogKind::Wacks));
    for (const OperationDialogRecord& dialog : OperationDialogRecords()) {
        EXPECT_EQ(editor.session.IsToggledOn(dialog.toggleId), dialog.kind == DialogKind::Wacks) << dialog.title;
    }

    // Pressing the toggle of the open dialog closes it and opens it again, still on.
    driver.OpenDialog(DialogKind::Wacks);
    EXPECT_TRUE(driver.Dialogs().IsShown(DialogKind::Wacks));
    EXPECT_TRUE(editor.session.IsToggledOn(DialogRecordOf(DialogKind::Wacks).toggleId));

    // " Exit " leaves the toggle pressed, but nothing is armed any more.
    driver.ClickDialog(DialogKind::Wacks, vCancelId);
    EXPECT_TRUE(editor.session.IsToggledOn(DialogRecordOf(DialogKind::Wacks).toggleId));
    driver.ClickField(5, 5);
    EXPECT_EQ(driver.Message(), "Wacks");
    EXPECT_EQ(editor.Values(), Ramp());
}

TEST(ArmAndRun, AClickWithNoDialogOpenChangesNothingButEnablesUndoAndKeep) {
    Editor editor(Ramp());
    EXPECT_FALSE(editor.session.IsSensitive(cmdUndo));
    std::string before = editor.driver.Message();
    editor.driver.ClickField(3, 3);
    EXPECT_EQ(editor.Values(), Ramp());
    EXPECT_EQ(editor.driver.Message(), before);
    EXPECT_TRUE(editor.session.IsSensitive(cmdUndo));
    EXPECT_TRUE(editor.session.IsSensitive(cmdKeep));
}

TEST(ArmAndRun, StatusWordAtThePressThenTheMessageOrValueWrong) {
    Editor editor(Ramp());
    EditorDriver& driver = editor.driver;
    driver.OpenDialog(DialogKind::Wacks);
    driver.TypeIntoDialog(DialogKind::Wacks, kWacksValueId, "0");
    vPoint p = driver.OnScreen(4, 4);
    driver.Platform().QueuePress(p.x, p.y);
    editor.session.Pump();
    EXPECT_EQ(driver.Message(), "Cuting");
    driver.Platform().QueueRelease(p.x, p.y);
    editor.session.Pump();
    EXPECT_EQ(driver.Message(), "Value Wrong!!");
    EXPECT_EQ(editor.Values(), Ramp());

    driver.TypeIntoDialog(DialogKind::Wacks, kWacksValueId, "30");
    driver.ClickField(4, 4);
    EXPECT_EQ(driver.Message(), "Cuting DONE");
    EXPECT_EQ(editor.Values()[0][19], 0);
    EXPECT_EQ(editor.Values()[0][20], 30);
}

TEST(UndoAndKeep, UndoReturnsToTheLastCommitAcrossSeveralOperations) {
    Editor editor(Ramp());
    EditorDriver& driver = editor.driver;
    driver.OpenDialog(DialogKind::Wacks);
    driver.ClickDialog(DialogKind::Wacks, kWacksIncId);
    driver.TypeIntoDialog(DialogKind::Wacks, kWacksValueId, "5");
    for (int i = 0; i < 3; ++i) driver.ClickField(10, 10);
    EXPECT_EQ(editor.Values(), Added(Ramp(), 15));
    editor.driver.ClickBar(cmdUndo);
    EXPECT_EQ(editor.Values(), Ramp());
    EXPECT_FALSE(editor.session.IsSensitive(cmdUndo));

    driver.ClickField(10, 10);
    driver.ClickBar(cmdKeep);
    EXPECT_FALSE(editor.session.IsSensitive(cmdKeep));
    driver.ClickField(10, 10);
    driver.ClickBar(cmdUndo);
    EXPECT_EQ(editor.Values(), Added(Ramp(), 5));
}

TEST(AreaRule, InsideOutsideBeyondTheFieldAndTilesAlwaysWhole) {
    Editor editor(Ramp());
    EditorDriver& driver = editor.driver;
    driver.ChoosePolygon({{0, 0}, {20, 0}, {20, 20}, {0, 20}});
    driver.OpenDialog(DialogKind::Wacks);
    driver.ClickDialog(DialogKind::Wacks, kWacksFillId);
    driver.TypeIntoDialog(DialogKind::Wacks, kWacksValueId, "0");

    driver.ClickField(5, 5);
    Heights inside = editor.Values();
    EXPECT_EQ(inside[5][5], 0);
    EXPECT_EQ(inside[30][30], 40);
    EXPECT_EQ(inside[5][30], 40);

    // Right of the field: the whole field, and the polygon stays chosen.
    driver.TypeIntoDialog(DialogKind::Wacks, kWacksValueId, "7");
    driver.ClickField(45, 5);
    EXPECT_EQ(editor.Values(), Heights(40, std::vector<int>(40, 7)));

    driver.ClickBar(cmdUndo);
    driver.ChoosePolygon({{0, 0}, {20, 0}, {20, 20}, {0, 20}});
    driver.OpenDialog(DialogKind::Tiles);
    driver.ClickDialog(DialogKind::Tiles, kTileFlipLeftRightId);
    driver.ClickField(5, 5);
    Heights flipped = editor.Values();
    EXPECT_EQ(flipped[30][0], 49);
    EXPECT_EQ(flipped[0][39], 10);
}

TEST(Erode, EscapeStopsTheRainWithTheFieldAsBeforeThePressItsCommitIncluded) {
    Editor editor(Ramp());
    EditorDriver& driver = editor.driver;
    driver.OpenDialog(DialogKind::Wacks);
    driver.ClickDialog(DialogKind::Wacks, kWacksIncId);
    driver.TypeIntoDialog(DialogKind::Wacks, kWacksValueId, "5");
    driver.ClickField(10, 10);
    // Its dialog stands over the toggle of Erode.
    driver.ClickDialog(DialogKind::Wacks, vCancelId);

    driver.OpenDialog(DialogKind::Erode);
    EXPECT_EQ(driver.Message(), "Erodes");
    driver.TypeIntoDialog(DialogKind::Erode, kErodeValueId, "0");
    driver.ClickField(10, 10);
    EXPECT_EQ(driver.Message(), "Value Wrong!!");

    // Escape waits in the queue behind the release, so the rain hears it at its first look.
    driver.TypeIntoDialog(DialogKind::Erode, kErodeValueId, "400");
    FieldDocument& document = editor.session.Window().Document();
    const int stepsBefore = document.history()->position();
    vPoint p = driver.OnScreen(10, 10);
    driver.Platform().QueuePress(p.x, p.y);
    editor.session.Pump();
    EXPECT_EQ(driver.Message(), "ERODING ");
    driver.Platform().QueueRelease(p.x, p.y);
    driver.Platform().QueueKey(vKeyEscape);
    editor.session.Pump();
    EXPECT_EQ(driver.Message(), kWorkStopped);
    EXPECT_EQ(editor.Values(), Added(Ramp(), 5));
    EXPECT_EQ(document.history()->position(), stepsBefore) << "a stopped rain is no step";
    driver.ClickBar(cmdUndo);
    EXPECT_EQ(editor.Values(), Ramp());

    // A rain that ends is one step, named with its seed, and steps back and forward exactly.
    driver.ClickField(10, 10);
    EXPECT_EQ(driver.Message(), "Eroding DONE");
    const Heights rained = editor.Values();
    EXPECT_NE(rained, Ramp());
    const FieldHistory& history = *document.history();
    const StepText& step = history.StepAt(history.position() - 1).text;
    EXPECT_EQ(step.lines.back(), "--erode rain:400");
    EXPECT_EQ(step.lines.front().rfind("--seed ", 0), 0u);
    editor.session.Command(cmdStepBack);
    EXPECT_EQ(editor.Values(), Ramp());
    editor.session.Command(cmdStepForward);
    EXPECT_EQ(editor.Values(), rained);
    driver.ClickBar(cmdUndo);
    EXPECT_EQ(editor.Values(), Ramp());
}

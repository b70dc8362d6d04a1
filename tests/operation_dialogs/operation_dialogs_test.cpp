#include <gtest/gtest.h>

#include "document/field_document.h"

#include <set>
#include <utility>
#include <vector>

#include "dialogs_session.h"
#include "field_builder.h"
#include "operation_dialogs/erode_dialog.h"
#include "operation_dialogs/rough_dialog.h"
#include "operation_dialogs/smo_dialog.h"
#include "operation_dialogs/tile_dialog.h"
#include "operation_dialogs/warp_dialog.h"
#include "ops/operation_table.h"

namespace {

std::string EntryText(vDialog& dialog, int id) {
    char text[32] = {};
    dialog.QueryText(id, text, sizeof text);
    return text;
}

void Placement(vDialog& dialog, int& left, int& top) {
    int width = 0, height = 0;
    dialog.QueryPlacement(left, top, width, height);
}

}  // namespace

TEST(OperationTable, EveryToggleArmsItsOwnOperationEveryOperationIsArmedAndNoIdRepeats) {
    DialogsSession session;
    KnollOperationDialogs& dialogs = *session.dialogs;
    const std::pair<DialogKind, std::vector<int>> toggles[] = {
        {DialogKind::Rough, {kRoughUpId}},
        {DialogKind::Smooth, {kSmoothSpinnerId}},
        {DialogKind::Wacks, {kWacksCutId, kWacksClipId, kWacksIncId, kWacksDecId, kWacksInverseId, kWacksFillId}},
        {DialogKind::Tiles, {kTileLeftToRightId, kTileRightToLeftId, kTileTopToBottomId, kTileBottomToTopId,
                      kTileFlipLeftRightId, kTileFlipTopBottomId}},
        {DialogKind::Erode, {kErodeRainId, kErodeSlumpId}},
    };
    std::set<Operation> armed;
    for (const auto& [kind, ids] : toggles) {
        dialogs.CloseOpenDialog();
        session.Present(kind);
        for (int id : ids) {
            session.Click(dialogs.Dialog(kind), id);
            std::string word = dialogs.ArmOperation();
            const OperationRecord* record = FindOperation(dialogs.ArmedOperation());
            ASSERT_NE(record, nullptr) << "toggle " << id;
            EXPECT_EQ(word, record->statusWord);
            EXPECT_EQ(record->dialog, kind);
            EXPECT_TRUE(armed.insert(record->operation).second) << "toggle " << id << " arms an operation twice";
        }
    }
    EXPECT_EQ(armed.size(), Operations().size());
    // The dialogs are held by their kinds, and each toggle shows its own.
    for (size_t kind = 0; kind < OperationDialogRecords().size(); ++kind) {
        const OperationDialogRecord& record = OperationDialogRecords()[kind];
        EXPECT_EQ(size_t(record.kind), kind);
        EXPECT_EQ(FindDialogOfToggle(record.toggleId), &record);
        EXPECT_STREQ(dialogs.Dialog(record.kind).Name(), record.title);
    }
    for (const CommandObject* table : {kRoughDialogTable, kSmoDialogTable, kWarpDialogTable, kTileDialogTable,
                                         kErodeDialogTable}) {
        std::set<int> ids;
        for (const CommandObject* control = table; control->type != ctEnd; ++control) {
            EXPECT_TRUE(ids.insert(control->id).second) << "id " << control->id << " twice";
        }
    }
}

TEST(WacksDialog, ExitRevertsTheKindButKeepsTheValueWhileSwitchingDialogsKeepsBoth) {
    DialogsSession session;
    WarpDialog& wacks = session.dialogs->Wacks();
    session.Present(DialogKind::Wacks);
    session.Click(wacks, kWacksIncId);
    session.Type(wacks, kWacksValueId, "50");
    EXPECT_EQ(wacks.ArmedOperation(), Operation::Inc);
    session.Click(wacks, vCancelId);
    EXPECT_FALSE(wacks.IsShown());
    EXPECT_EQ(wacks.ArmedOperation(), Operation::Cut);
    EXPECT_EQ(wacks.QueryValue(kWacksCutId), 1);
    EXPECT_EQ(wacks.QueryValue(kWacksIncId), 0);

    session.Present(DialogKind::Wacks);
    EXPECT_EQ(EntryText(wacks, kWacksValueId), "50");
    session.Click(wacks, kWacksIncId);
    session.dialogs->CloseOpenDialog();
    session.Present(DialogKind::Rough);
    session.dialogs->CloseOpenDialog();
    session.Present(DialogKind::Wacks);
    EXPECT_EQ(wacks.ArmedOperation(), Operation::Inc);
    EXPECT_EQ(wacks.QueryValue(kWacksIncId), 1);
    EXPECT_EQ(wacks.QueryValue(kWacksCutId), 0);
}

TEST(RoughDialog, PressingTheChosenModeKeepsItAndExitReturnsToMiddle) {
    DialogsSession session;
    RoughDialog& rough = session.dialogs->Rough();
    session.Present(DialogKind::Rough);
    session.Click(rough, kRoughDownId);
    session.Click(rough, kRoughDownId);
    EXPECT_EQ(rough.Mode(), RoughMode::Down);
    EXPECT_EQ(rough.QueryValue(kRoughDownId), 1);
    EXPECT_EQ(rough.QueryValue(kRoughMiddleId), 0);
    session.Click(rough, vCancelId);
    EXPECT_EQ(rough.Mode(), RoughMode::Middle);
    EXPECT_EQ(rough.QueryValue(kRoughMiddleId), 1);
    EXPECT_EQ(rough.QueryValue(kRoughDownId), 0);
}

TEST(OperationDialogs, OneSharedPlaceMovesWithTheLastDialogClosed) {
    DialogsSession session;
    int left = 0, top = 0;
    session.Present(DialogKind::Rough);
    Placement(session.dialogs->Rough(), left, top);
    EXPECT_EQ(left, 480);
    EXPECT_EQ(top, 0);

    vRect view = session.dialogs->Rough().View().Bounds();
    session.platform.QueueDrag(view.x + 20, view.y + 8, view.x - 80, view.y + 108);
    session.Pump();
    session.dialogs->CloseOpenDialog();
    EXPECT_EQ(session.dialogs->Place().left, 380);
    EXPECT_EQ(session.dialogs->Place().top, 100);

    session.Present(DialogKind::Tiles);
    Placement(session.dialogs->Tiles(), left, top);
    EXPECT_EQ(left, 380);
    EXPECT_EQ(top, 100);
    EXPECT_EQ(session.dialogs->Tiles().View().Bounds().x, 380);
}

TEST(SmoDialog, SpinnerGivesRadiiOneToTenAndSurvivesExit) {
    DialogsSession session;
    SmoDialog& smooth = session.dialogs->Smooth();
    session.Present(DialogKind::Smooth);
    vRect r = smooth.FindControl(kSmoothSpinnerId)->PixelRect();
    vRect view = smooth.View().Bounds();
    int arrowX = view.x + vDialogView::ClientLeft() + r.x + r.w - 2;
    int upY = view.y + vDialogView::ClientTop() + r.y + 2;
    int downY = view.y + vDialogView::ClientTop() + r.y + r.h - 2;
    auto clickArrow = [&](int y, int times) {
        for (int i = 0; i < times; ++i) session.platform.QueueClick(arrowX, y);
        session.Pump();
    };
    clickArrow(upY, 3);
    EXPECT_EQ(smooth.QueryValue(kSmoothSpinnerId), 9);
    EXPECT_EQ(smooth.Radius(), 4);
    clickArrow(upY, 12);
    EXPECT_EQ(smooth.QueryValue(kSmoothSpinnerId), 21);
    EXPECT_EQ(smooth.Radius(), 10);
    clickArrow(downY, 2);
    EXPECT_EQ(smooth.Radius(), 8);
    session.Click(smooth, vCancelId);
    session.Present(DialogKind::Smooth);
    EXPECT_EQ(smooth.Radius(), 8);
    EXPECT_EQ(smooth.QueryValue(kSmoothSpinnerId), 17);
    clickArrow(downY, 12);
    EXPECT_EQ(smooth.QueryValue(kSmoothSpinnerId), 3);
    EXPECT_EQ(smooth.Radius(), 1);
}

TEST(RoughDialog, OperationsReadElevenCharactersOfTheOpenEntryAndSevenSurviveClosing) {
    DialogsSession session;
    RoughDialog& rough = session.dialogs->Rough();
    session.Present(DialogKind::Rough);
    EXPECT_EQ(rough.LiveValueText(), "16");
    session.Type(rough, kRoughValueId, "1234567890123");
    EXPECT_EQ(rough.LiveValueText(), "12345678901");
    session.dialogs->CloseOpenDialog();
    EXPECT_EQ(rough.SavedValueText(), "1234567");
    session.Present(DialogKind::Rough);
    EXPECT_EQ(EntryText(rough, kRoughValueId), "1234567");
}

TEST(ArmOperation, TheLastOpenDialogInOrderWinsAndAClosedOneArmsNothing) {
    DialogsSession session;
    KnollOperationDialogs& dialogs = *session.dialogs;
    EXPECT_EQ(dialogs.ArmOperation(), "");
    session.Present(DialogKind::Rough);
    EXPECT_EQ(dialogs.ArmOperation(), "ROUGHING ");
    session.Present(DialogKind::Wacks);
    session.Click(dialogs.Wacks(), kWacksFillId);
    EXPECT_EQ(dialogs.ArmOperation(), "Flantening");
    EXPECT_EQ(dialogs.ArmedOperation(), Operation::Fill);
    session.Present(DialogKind::Tiles);
    session.Click(dialogs.Tiles(), kTileFlipTopBottomId);
    EXPECT_EQ(dialogs.ArmOperation(), "Flipping");
    EXPECT_EQ(dialogs.ArmedOperation(), Operation::FlipUD);
    session.Present(DialogKind::Smooth);
    EXPECT_EQ(dialogs.ArmedOperation(), Operation::FlipUD) << "arming happens at the press, not at showing";

    // Closing goes Tiles, Wacks, Smooth, Rough, one dialog a time.
    dialogs.CloseOpenDialog();
    EXPECT_EQ(dialogs.ArmOperation(), "Flantening");
    dialogs.CloseOpenDialog();
    EXPECT_EQ(dialogs.ArmOperation(), "SMOOTHING");
    dialogs.CloseOpenDialog();
    dialogs.CloseOpenDialog();
    EXPECT_EQ(dialogs.ArmOperation(), "");
    EXPECT_FALSE(dialogs.IsShown(DialogKind::Rough));
}

TEST(RunArmedOperation, DriversTakeTheDialogsStateAndWrongValuesChangeNothing) {
    DialogsSession session;
    KnollOperationDialogs& dialogs = *session.dialogs;
    FieldDocument document;
    HeightField& field = document.field();
    SetField(field, kEightBitField, {{10, 20, 30}, {40, 50, 60}});
    const Heights before = ReadValues(field);

    EXPECT_FALSE(dialogs.RunArmedOperation(document, 0, 1).ran) << "nothing armed";

    session.Present(DialogKind::Wacks);
    session.Click(dialogs.Wacks(), kWacksDecId);
    session.Type(dialogs.Wacks(), kWacksValueId, " -5");
    dialogs.ArmOperation();
    DriverReport report = dialogs.RunArmedOperation(document, 0, 1);
    EXPECT_FALSE(report.ran);
    EXPECT_EQ(report.message, "Value Wrong!!");
    EXPECT_EQ(ReadValues(field), before);

    session.Type(dialogs.Wacks(), kWacksValueId, "15xyz");
    report = dialogs.RunArmedOperation(document, 0, 1);
    EXPECT_EQ(report.message, "Decresing DONE");
    EXPECT_EQ(ReadValues(field), (Heights{{0, 5, 15}, {25, 35, 45}}));

    session.Click(dialogs.Wacks(), kWacksFillId);
    session.Type(dialogs.Wacks(), kWacksValueId, "0");
    dialogs.ArmOperation();
    EXPECT_EQ(dialogs.RunArmedOperation(document, 0, 1).message, "Flating DONE");
    EXPECT_EQ(ReadValues(field), (Heights{{0, 0, 0}, {0, 0, 0}}));
}

TEST(RunArmedOperation, TilesWorkOnTheWholeFieldWhateverTheArea) {
    DialogsSession session;
    KnollOperationDialogs& dialogs = *session.dialogs;
    FieldDocument document;
    HeightField& field = document.field();
    SetField(field, kEightBitField, {{1, 2, 3, 4}, {5, 6, 7, 8}});
    SetMask(field, {{1, 0, 0, 0}, {1, 0, 0, 0}});
    session.Present(DialogKind::Tiles);
    session.Click(dialogs.Tiles(), kTileRightToLeftId);
    EXPECT_EQ(dialogs.ArmOperation(), "Mirrow RL");
    EXPECT_EQ(dialogs.RunArmedOperation(document, 1, 1).message, "Mirrow DONE");
    EXPECT_EQ(ReadValues(field), (Heights{{4, 3, 3, 4}, {8, 7, 7, 8}}));
    session.Click(dialogs.Tiles(), kTileFlipTopBottomId);
    dialogs.ArmOperation();
    dialogs.RunArmedOperation(document, 2, 1);
    EXPECT_EQ(ReadValues(field), (Heights{{8, 7, 7, 8}, {4, 3, 3, 4}}));
}

TEST(RunArmedOperation, RoughUsesTheModeAndTheFixedSeed) {
    DialogsSession session;
    KnollOperationDialogs& dialogs = *session.dialogs;
    FieldDocument document;
    HeightField& viaDialog = document.field();
    HeightField direct;
    SetField(viaDialog, kEightBitField, {{100, 100, 100}, {100, 100, 100}});
    SetField(direct, kEightBitField, {{100, 100, 100}, {100, 100, 100}});
    session.Present(DialogKind::Rough);
    session.Click(dialogs.Rough(), kRoughUpId);
    session.Type(dialogs.Rough(), kRoughValueId, "40");
    dialogs.ArmOperation();
    EXPECT_EQ(dialogs.RunArmedOperation(document, 0, 1).message, "Roughing DONE");
    RunOperation(Operation::Rough, direct, {.valueText = "40", .mode = int(RoughMode::Up), .seed = 1});
    EXPECT_EQ(ReadValues(viaDialog), ReadValues(direct));
    EXPECT_NE(ReadValues(viaDialog), (Heights{{100, 100, 100}, {100, 100, 100}}));
}

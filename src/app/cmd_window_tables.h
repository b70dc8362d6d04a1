#pragma once

#include <iterator>
#include <vector>

#include "framework/controls/command_object.h"
#include "framework/menus/menu_item.h"
#include "framework/menus/status_item.h"
#include "framework/platform/platform.h"
#include "framework/window/command_ids.h"
#include "framework/window/key_translation.h"
#include "operation_dialogs/operation_dialogs.h"

// Command ids of the main window. The toggles that show the operation dialogs have theirs
// in the dialogs' records (117 to 120 and 150, and 123 for the spacer before "Tiles").
enum KnollCommand : int {
    cmdToTga = 102,
    cmdToPpm = 103,
    cmdPalette = 104,
    cmdShowPal = 105,
    cmdLegendLeft = 106,
    cmdLegendRight = 107,
    cmdLegendUp = 108,
    cmdLegendDown = 109,
    cmdPositionField = 111,
    cmdHeightField = 112,
    cmdMessageField = 113,
    cmdUndo = 114,
    cmdKeep = 115,
    cmdSelect = 116,
    cmdSpacerWide = 121,
    cmdSpacerNarrow = 122,
    cmdScaleField = 124,
    cmdHelpContents = 125,
    cmdAbout = 126,
    cmdExpand = 127,
    cmdShrink = 128,
    cmdZoomIn = 129,
    cmdZoomOut = 130,
    cmdFitField = 131,
    cmdActualSize = 132,
    cmdHeightColours = 133,
    cmdRelief = 134,
    cmdStepBack = 135,
    cmdStepForward = 136,
    cmdHistory = 137,
    cmdSaveSteps = 138,
    cmdTerrainView = 140,
    cmdOpen = vAppOpenId,
    cmdSave = 32103,
    cmdExit = vAppExitId,
};

namespace knoll_tables {

constexpr MenuItem kFileMenu[] = {
    {"&Open...", cmdOpen, vMenuSensitive, "Ctrl+O", vControlCode('O')},
    {"&Save", cmdSave, vMenuSensitive, "Ctrl+S", vControlCode('S')},
    {"Save Steps...", cmdSaveSteps, vMenuSensitive},
    {"-", vMenuSeparatorId},
    {"E&xit", cmdExit, vMenuSensitive, "Ctrl+Q", vControlCode('Q')},
    {},
};
// Ctrl+Shift+Z steps forward too (KnollCmdWindow::OnKey): a menu item shows one key.
constexpr MenuItem kEditMenu[] = {
    {"Step Back", cmdStepBack, vMenuSensitive, "Ctrl+Z", vControlCode('Z')},
    {"Step Forward", cmdStepForward, vMenuSensitive, "Ctrl+Y", vControlCode('Y')},
    {"-", vMenuSeparatorId},
    {"History...", cmdHistory, vMenuSensitive},
    {},
};
constexpr MenuItem kLegendMenu[] = {
    {"Left", cmdLegendLeft, vMenuSensitive},
    {"Right", cmdLegendRight, vMenuSensitive},
    {"Up", cmdLegendUp, vMenuSensitive},
    {"Down", cmdLegendDown, vMenuSensitive},
    {},
};
constexpr MenuItem kViewMenu[] = {
    {"Palette", cmdPalette, vMenuSensitive},
    {"Show Pal", cmdShowPal, vMenuSensitive, nullptr, 0, kLegendMenu},
    {"-", vMenuSeparatorId},
    {"Zoom In", cmdZoomIn, vMenuSensitive, "Ctrl+Plus", '+', nullptr, vModControl},
    {"Zoom Out", cmdZoomOut, vMenuSensitive, "Ctrl+Minus", '-', nullptr, vModControl},
    {"Fit Field", cmdFitField, vMenuSensitive, "Ctrl+0", '0', nullptr, vModControl},
    {"Actual Size", cmdActualSize, vMenuSensitive, "Ctrl+1", '1', nullptr, vModControl},
    {"-", vMenuSeparatorId},
    {"Height Colours", cmdHeightColours, vMenuSensitive},
    {"Relief", cmdRelief, vMenuSensitive},
    {"3D View", cmdTerrainView, vMenuSensitive, "Ctrl+3", '3', nullptr, vModControl},
    {},
};
constexpr MenuItem kConvertMenu[] = {
    {"Covert to Tga", cmdToTga, vMenuSensitive},
    {"Covert to PPM", cmdToPpm, vMenuSensitive},
    {},
};
constexpr MenuItem kResizeMenu[] = {
    {"Expand 2X", cmdExpand, vMenuSensitive},
    {" Srink 2X", cmdShrink, vMenuSensitive},
    {},
};
constexpr MenuItem kHelpMenu[] = {
    {"Contents", cmdHelpContents, vMenuSensitive},
    {"About", cmdAbout, vMenuSensitive},
    {},
};

}  // namespace knoll_tables

constexpr MenuItem kKnollMenuBar[] = {
    {"&File", 0, 0, nullptr, 0, knoll_tables::kFileMenu},
    {"Edit", 0, 0, nullptr, 0, knoll_tables::kEditMenu},
    {"View", 0, 0, nullptr, 0, knoll_tables::kViewMenu},
    {"Convert", 0, 0, nullptr, 0, knoll_tables::kConvertMenu},
    {"Resize", 0, 0, nullptr, 0, knoll_tables::kResizeMenu},
    {"Help", 0, 0, nullptr, 0, knoll_tables::kHelpMenu},
    {},
};

// The command bar up to the operation toggles, which follow as their dialogs' records
// give them.
constexpr CommandObject kKnollCommandBarHead[] = {
    {.type = ctButton, .id = cmdUndo, .title = " Undo ", .sensitive = 0},
    {.type = ctButton, .id = cmdKeep, .title = " Keep ", .sensitive = 0},
    {.type = ctSpacer, .id = cmdSpacerWide, .title = "              "},
    {.type = ctToggleButton, .id = cmdSelect, .title = "Select", .tip = "select area"},
    {.type = ctSpacer, .id = cmdSpacerNarrow, .title = "  "},
};

// The whole command bar, ended by its end record.
inline std::vector<CommandObject> KnollCommandBar() {
    std::vector<CommandObject> bar(std::begin(kKnollCommandBarHead), std::end(kKnollCommandBarHead));
    for (const OperationDialogRecord& dialog : OperationDialogRecords()) {
        if (dialog.spacerId != 0) bar.push_back({.type = ctSpacer, .id = dialog.spacerId, .title = "              "});
        bar.push_back({.type = ctToggleButton, .id = dialog.toggleId, .title = dialog.title, .tip = dialog.tip});
    }
    bar.push_back({});
    return bar;
}

// Dialog units for the read-out of the largest field, " X,Y Location: 65535,65535 ", and
// the box around it.
constexpr int kPositionFieldWidth = 95;

constexpr StatusItem kKnollStatusBar[] = {
    {" X,Y Location : 000,000 ", cmdPositionField, AttrNoBorder, 1, kPositionFieldWidth},
    {"Height: 000000  ", cmdHeightField, AttrNoBorder},
    {"  Something else  ", cmdMessageField, AttrNoBorder},
    {"  1:1  ", cmdScaleField, AttrNoBorder},
    {},
};

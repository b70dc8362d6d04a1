#pragma once

#include "framework/controls/command_object.h"
#include "framework/menus/menu_item.h"
#include "framework/menus/status_item.h"
#include "framework/platform/platform.h"
#include "framework/window/command_ids.h"
#include "framework/window/key_translation.h"
#include "operation_dialogs/operation_dialogs.h"

// Command ids of the main window.
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
    cmdRough = 117,
    cmdSmooth = 118,
    cmdWacks = 119,
    cmdTiles = 120,
    cmdSpacerWide = 121,
    cmdSpacerNarrow = 122,
    cmdSpacerBeforeTiles = 123,
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
    cmdTerrainView = 140,
    cmdOpen = vAppOpenId,
    cmdSave = 32103,
    cmdExit = vAppExitId,
};

// One record per operation dialog: the command-bar toggle that shows it and the words
// the message field shows then. The toggles stand in the command bar in this order.
struct OperationButton {
    int commandId;
    DialogKind dialogKind;
    const char* words;
};

inline constexpr OperationButton kOperationButtons[] = {
    {cmdRough, DialogKind::Rough, "Roughs"},
    {cmdSmooth, DialogKind::Smooth, "Smooths"},
    {cmdWacks, DialogKind::Wacks, "Wacks"},
    {cmdTiles, DialogKind::Tiles, "Tiles"},
};

// The record of an operation toggle, or null for any other command.
constexpr const OperationButton* FindOperationButton(int commandId) {
    for (const OperationButton& button : kOperationButtons) {
        if (button.commandId == commandId) return &button;
    }
    return nullptr;
}

namespace knoll_tables {

constexpr MenuItem kFileMenu[] = {
    {"&Open...", cmdOpen, vMenuSensitive, "Ctrl+O", vControlCode('O')},
    {"&Save", cmdSave, vMenuSensitive, "Ctrl+S", vControlCode('S')},
    {"-", vMenuSeparatorId},
    {"E&xit", cmdExit, vMenuSensitive, "Ctrl+Q", vControlCode('Q')},
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
    {"View", 0, 0, nullptr, 0, knoll_tables::kViewMenu},
    {"Convert", 0, 0, nullptr, 0, knoll_tables::kConvertMenu},
    {"Resize", 0, 0, nullptr, 0, knoll_tables::kResizeMenu},
    {"Help", 0, 0, nullptr, 0, knoll_tables::kHelpMenu},
    {},
};

constexpr CommandObject kKnollCommandBar[] = {
    {.type = ctButton, .id = cmdUndo, .title = " Undo ", .sensitive = 0},
    {.type = ctButton, .id = cmdKeep, .title = " Keep ", .sensitive = 0},
    {.type = ctSpacer, .id = cmdSpacerWide, .title = "              "},
    {.type = ctToggleButton, .id = cmdSelect, .title = "Select", .tip = "select area"},
    {.type = ctSpacer, .id = cmdSpacerNarrow, .title = "  "},
    {.type = ctToggleButton, .id = cmdRough, .title = "Rough", .tip = "Roughs up map"},
    {.type = ctToggleButton, .id = cmdSmooth, .title = "Smooth", .tip = "Smooths map"},
    {.type = ctToggleButton, .id = cmdWacks, .title = "Wacks", .tip = "Make ajustments"},
    {.type = ctSpacer, .id = cmdSpacerBeforeTiles, .title = "              "},
    {.type = ctToggleButton, .id = cmdTiles, .title = "Tiles", .tip = "Make Tiles"},
    {},
};

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

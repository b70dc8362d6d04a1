#include "demo_tables.h"

#include "framework/draw/color.h"
#include "framework/draw/icon.h"
#include "framework/platform/platform.h"

namespace {

// ---- Menus ----------------------------------------------------------------------------------

constexpr MenuItem kLevel[] = {
    {"Level &one", cmdLevelOne, vMenuSensitive | vMenuChecked},
    {"Level &two", cmdLevelTwo, vMenuSensitive},
    {},
};
constexpr MenuItem kOptions[] = {
    {"&Grid", cmdGrid, vMenuSensitive, "F6", vKeyF1 + 5},
    {"&Snap to grid", cmdSnap, 0},
    {"&Level", 0, vMenuSensitive, nullptr, 0, kLevel},
    {},
};
constexpr MenuItem kFile[] = {
    {"&Open...", cmdOpen, vMenuSensitive, "Ctrl+O", 'o' - 'a' + 1, nullptr, vModControl},
    {"Save &As...", cmdSave, vMenuSensitive},
    {"-", vMenuSeparatorId},
    {"E&xit", cmdExit, vMenuSensitive},
    {},
};
constexpr MenuItem kDialogs[] = {
    {"&Showcase...", cmdShowcase, vMenuSensitive, "F3", vKeyF1 + 2},
    {"&Notice...", cmdNotice, vMenuSensitive, "F4", vKeyF1 + 3},
    {"-", vMenuSeparatorId},
    {"&Options", 0, vMenuSensitive, nullptr, 0, kOptions},
    {},
};
constexpr MenuItem kHelp[] = {{"&About", cmdAbout, vMenuSensitive}, {}};

// ---- Pictures -------------------------------------------------------------------------------

// A 16 x 16 one-bit diamond, least significant bit leftmost.
constexpr unsigned char kDiamondBits[] = {
    0x80, 0x01, 0xC0, 0x03, 0xE0, 0x07, 0xF0, 0x0F, 0xF8, 0x1F, 0xFC, 0x3F, 0xFE, 0x7F, 0xFF, 0xFF,
    0xFF, 0xFF, 0xFE, 0x7F, 0xFC, 0x3F, 0xF8, 0x1F, 0xF0, 0x0F, 0xE0, 0x07, 0xC0, 0x03, 0x80, 0x01,
};
constexpr vIcon kDiamond{kDiamondBits, 16, 16, 1, false};

constexpr vColor kTeal{0, 128, 128};
constexpr vColor kBrick{178, 34, 34};

constexpr int kPercent[] = {0, 100, 5};
constexpr const char* kShapes[] = {"Square", "Circle", "Triangle", nullptr};
constexpr const char* kColours[] = {"Red",    "Orange", "Yellow", "Green", "Blue",  "Indigo",
                                    "Violet", "Black",  "White",  "Grey",  nullptr};

}  // namespace

const MenuItem kDemoMenuBar[] = {
    {"&File", 0, 0, nullptr, 0, kFile},
    {"&Dialogs", 0, 0, nullptr, 0, kDialogs},
    {"&Help", 0, 0, nullptr, 0, kHelp},
    {},
};

const CommandObject kDemoCommandBar[] = {
    {.type = ctButton, .id = cmdDialogButton, .title = " Dialog ", .tip = "Every control in one dialog"},
    {.type = ctButton, .id = cmdNoticeButton, .title = " Notice ", .tip = "A notice box"},
    {.type = ctButton, .id = cmdOpenButton, .title = " Open ", .tip = "The file chooser"},
    {.type = ctSpacer, .id = cmdSpacer, .title = "        "},
    {.type = ctToggleButton, .id = cmdGridToggle, .title = " Grid ", .tip = "Shows the grid"},
    {},
};

const StatusItem kDemoStatusBar[] = {
    {" Ready ", statusReady},
    {"Last command: none                    ", statusLast},
    {"Grid: off ", statusGrid, 0x400},
    {},
};

// Ids 1 to 40 of the showcase dialog.
const CommandObject kShowcaseTable[] = {
    {.type = ctFrame, .id = 1, .title = ""},
    {.type = ctLabel, .id = 2, .title = "Name:", .frame = 1},
    {.type = ctTextIn, .id = 3, .title = "Hill country", .frame = 1, .rightOf = 2},
    {.type = ctLabel, .id = 4, .title = "Secret:", .frame = 1, .below = 3},
    {.type = ctTextIn, .id = 5, .title = "abc", .attributes = AttrMasked | AttrSmall, .frame = 1, .rightOf = 2,
     .below = 3},
    {.type = ctCheckBox, .id = 6, .value = 1, .title = "&Wrap edges", .frame = 1, .below = 5},
    {.type = ctCheckBox, .id = 7, .title = "&Keep sea level", .frame = 1, .rightOf = 6, .below = 5},

    {.type = ctFrame, .id = 10, .title = "", .rightOf = 1},
    {.type = ctRadioButton, .id = 11, .value = 1, .title = "&Up", .frame = 10},
    {.type = ctRadioButton, .id = 12, .title = "&Middle", .frame = 10, .below = 11},
    {.type = ctRadioButton, .id = 13, .title = "&Down", .frame = 10, .below = 12},

    {.type = ctToggleButton, .id = 14, .value = 1, .title = " Cut ", .below = 1, .tip = "A toggle button"},
    {.type = ctToggleButton, .id = 15, .title = " Clip ", .rightOf = 14, .below = 1},
    {.type = ctIconButton, .id = 16, .items = &kDiamond, .rightOf = 15, .below = 1, .tip = "An icon button"},
    {.type = ctToggleIconButton, .id = 17, .items = &kDiamond, .rightOf = 16, .below = 1},
    {.type = ctIcon, .id = 18, .items = &kDiamond, .rightOf = 17, .below = 1},
    {.type = ctColorButton, .id = 19, .title = "   ", .items = &kTeal, .rightOf = 18, .below = 1, .size = 20},
    {.type = ctColorLabel, .id = 20, .title = "Colour label", .items = &kBrick, .rightOf = 19, .below = 1},

    {.type = ctLabel, .id = 21, .title = "Radius:", .below = 14},
    {.type = ctSpinner, .id = 22, .value = 50, .items = kPercent, .rightOf = 21, .below = 14},
    {.type = ctSpinner, .id = 23, .value = 1, .items = kShapes, .attributes = AttrTextItems, .rightOf = 22,
     .below = 14},
    {.type = ctComboBox, .id = 24, .value = 4, .items = kColours, .rightOf = 23, .below = 14},
    {.type = ctLabel, .id = 25, .title = "Height:", .below = 22},
    {.type = ctSlider, .id = 26, .value = 30, .rightOf = 25, .below = 22},
    {.type = ctProgressBar, .id = 27, .value = 65, .rightOf = 26, .below = 22},

    {.type = ctList, .id = 28, .value = 2, .items = kColours, .below = 26},
    {.type = ctText, .id = 29, .title = "A read-only text\nover three lines\nwith its border.", .rightOf = 28,
     .below = 26},
    {.type = ctBoxedLabel, .id = 30, .title = "Boxed label", .rightOf = 28, .below = 29},
    {.type = 18, .id = 31, .title = "unknown type", .rightOf = 28, .below = 30},

    {.type = ctToggleFrame, .id = 32, .title = "", .below = 28},
    {.type = ctLabel, .id = 33, .title = "Inside a toggle frame", .frame = 32},
    {.type = ctSpacer, .id = 34, .title = "    ", .rightOf = 32, .below = 28},
    {.type = ctButton, .id = 35, .value = 1, .title = " &Hide frame ", .rightOf = 34, .below = 28},

    {.type = ctButton, .id = vOkId, .value = vOkId, .title = "  OK  ", .attributes = AttrDefault, .below = 32},
    {.type = ctButton, .id = vCancelId, .title = " Cancel ", .rightOf = vOkId, .below = 32},
    {},
};

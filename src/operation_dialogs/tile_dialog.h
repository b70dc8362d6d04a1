#pragma once

#include "framework/controls/command_object.h"
#include "operation_dialogs/operation_dialog.h"

inline constexpr int kTileLeftToRightId = 1001;
inline constexpr int kTileRightToLeftId = 1000;
inline constexpr int kTileTopToBottomId = 1002;
inline constexpr int kTileBottomToTopId = 1003;
inline constexpr int kTileFlipLeftRightId = 1004;
inline constexpr int kTileFlipTopBottomId = 1005;

inline constexpr CommandObject kTileDialogTable[] = {
    {.type = ctToggleButton, .id = kTileLeftToRightId, .value = 1, .title = "  L>R ",
     .tip = "mirrow Picture Left side to Right"},
    {.type = ctToggleButton, .id = kTileRightToLeftId, .title = " R>L  ", .rightOf = kTileLeftToRightId,
     .tip = "mirrow Picture Right side to Left"},
    {.type = ctToggleButton, .id = kTileTopToBottomId, .title = "  U>D ", .below = kTileLeftToRightId,
     .tip = "mirrows Picture Top to Bottom"},
    {.type = ctToggleButton, .id = kTileBottomToTopId, .title = " D>U  ", .rightOf = kTileTopToBottomId,
     .below = kTileLeftToRightId, .tip = "mirrows Picture Bottom to Top"},
    {.type = ctSpacer, .id = 1006, .title = "   ", .below = kTileTopToBottomId},
    {.type = ctToggleButton, .id = kTileFlipLeftRightId, .title = "Flip R", .below = 1006,
     .tip = "Flips Picture Left And Right"},
    {.type = ctToggleButton, .id = kTileFlipTopBottomId, .title = "Flip Up", .rightOf = kTileFlipLeftRightId,
     .below = 1006, .tip = "Flips Picture Top And Bottom"},
    {.type = ctSpacer, .id = 1007, .title = "   ", .below = kTileFlipLeftRightId},
    {.type = ctButton, .id = vCancelId, .title = " Exit ", .rightOf = 1007, .below = 1007},
    {},
};

// In the order of the dialog's operations.
inline constexpr int kTileOperationToggles[] = {kTileLeftToRightId, kTileRightToLeftId,   kTileTopToBottomId,
                                                kTileBottomToTopId, kTileFlipLeftRightId, kTileFlipTopBottomId};

// "Tiles": which mirror or flip.
class TileDialog : public KnollOperationDialog {
public:
    TileDialog(vBaseWindow* owner, const char* title, OperationDialogPlace& place)
        : KnollOperationDialog(owner, title, place, kTileDialogTable, DialogKind::Tiles, kTileOperationToggles) {}
};

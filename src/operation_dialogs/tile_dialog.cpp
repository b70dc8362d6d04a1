#include "operation_dialogs/tile_dialog.h"

namespace {

// In the order of the dialog's operations.
constexpr int kKindToggles[] = {kTileLeftToRightId,  kTileRightToLeftId,   kTileTopToBottomId,
                                kTileBottomToTopId, kTileFlipLeftRightId, kTileFlipTopBottomId};

}  // namespace

TileDialog::TileDialog(vBaseWindow* owner, const char* title, OperationDialogPlace& place)
    : KnollOperationDialog(owner, title, place, kTileDialogTable, DialogKind::Tiles) {}

void TileDialog::OnDialogCommand(int id, int value, int type) {
    ChooseOperation(kKindToggles, id);
    KnollOperationDialog::OnDialogCommand(id, value, type);
}

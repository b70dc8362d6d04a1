#include "operation_dialogs/tile_dialog.h"

namespace {

constexpr int kKindToggles[] = {kTileLeftToRightId,  kTileRightToLeftId,   kTileTopToBottomId,
                                kTileBottomToTopId, kTileFlipLeftRightId, kTileFlipTopBottomId};

}  // namespace

TileDialog::TileDialog(vBaseWindow* owner, const char* title, OperationDialogPlace& place)
    : KnollOperationDialog(owner, title, place, kTileDialogTable) {}

void TileDialog::OnDialogCommand(int id, int value, int type) {
    if (int kind = ChooseToggle(kKindToggles, id)) kind_ = kind;
    KnollOperationDialog::OnDialogCommand(id, value, type);
}

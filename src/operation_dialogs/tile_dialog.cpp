#include "operation_dialogs/tile_dialog.h"

#include <iterator>

#include "ops/operation_table.h"

namespace {

constexpr int kKindToggles[] = {kTileLeftToRightId,  kTileRightToLeftId,   kTileTopToBottomId,
                                kTileBottomToTopId, kTileFlipLeftRightId, kTileFlipTopBottomId};
// The operation each kind arms, in the order of the toggles.
constexpr int kKindOperations[] = {kOperationMirrorLR, kOperationMirrorRL, kOperationMirrorUD,
                                   kOperationMirrorDU, kOperationFlipLR,   kOperationFlipUD};
static_assert(std::size(kKindToggles) == std::size(kKindOperations));

}  // namespace

TileDialog::TileDialog(vBaseWindow* owner, const char* title, OperationDialogPlace& place)
    : KnollOperationDialog(owner, title, place, kTileDialogTable) {}

int TileDialog::ArmedOperation() const { return kKindOperations[kind_ - 1]; }

void TileDialog::OnDialogCommand(int id, int value, int type) {
    if (int kind = ChooseToggle(kKindToggles, id)) kind_ = kind;
    KnollOperationDialog::OnDialogCommand(id, value, type);
}

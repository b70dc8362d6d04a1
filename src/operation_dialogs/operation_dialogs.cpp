#include "operation_dialogs/operation_dialogs.h"

#include <ranges>

#include "operation_dialogs/rough_dialog.h"
#include "operation_dialogs/smo_dialog.h"
#include "operation_dialogs/test_dialogs.h"
#include "operation_dialogs/tile_dialog.h"
#include "operation_dialogs/warp_dialog.h"

KnollOperationDialogs::KnollOperationDialogs(vBaseWindow* owner)
    : testDialog_(std::make_unique<KnollDialog>(owner)),
      modalTestDialog_(std::make_unique<KnollModalDialog>(owner)),
      rough_(std::make_unique<RoughDialog>(owner, "Rough", place_)),
      smooth_(std::make_unique<SmoDialog>(owner, "Smooth", place_)),
      wacks_(std::make_unique<WarpDialog>(owner, "Wacks", place_)),
      tiles_(std::make_unique<TileDialog>(owner, "Tiles", place_)),
      byKind_{rough_.get(), smooth_.get(), wacks_.get(), tiles_.get()} {}

KnollOperationDialogs::~KnollOperationDialogs() = default;

KnollOperationDialog& KnollOperationDialogs::Dialog(DialogKind kind) const { return *byKind_[size_t(kind)]; }

void KnollOperationDialogs::CloseOpenDialog() {
    for (KnollOperationDialog* dialog : byKind_ | std::views::reverse) {
        if (dialog->IsShown()) {
            dialog->Dismiss();
            return;
        }
    }
}

bool KnollOperationDialogs::IsShown(DialogKind kind) const { return Dialog(kind).IsShown(); }

void KnollOperationDialogs::Present(DialogKind kind, const char* message) { Dialog(kind).Present(message); }

// Each open dialog overrides the one before, so with several open the last in the
// order of the kinds is armed.
std::string KnollOperationDialogs::ArmOperation() {
    armed_ = Operation::None;
    for (KnollOperationDialog* dialog : byKind_) {
        if (dialog->IsShown()) armed_ = dialog->ArmedOperation();
    }
    return StatusWordOf(armed_);
}

DriverReport KnollOperationDialogs::RunArmedOperation(FieldDocument& document, int area, uint32_t seed) {
    const OperationRecord* record = FindOperation(armed_);
    if (!record) return {};
    std::string text = Dialog(record->dialog).LiveValueText();
    return document.Run(armed_, {.area = area, .valueText = text, .roughMode = rough_->Mode(),
                                 .radius = smooth_->Radius(), .seed = seed});
}

#include "operation_dialogs/operation_dialogs.h"

#include "operation_dialogs/rough_dialog.h"
#include "operation_dialogs/smo_dialog.h"
#include "operation_dialogs/test_dialogs.h"
#include "operation_dialogs/tile_dialog.h"
#include "operation_dialogs/warp_dialog.h"
#include "ops/operation_table.h"
#include "ops/tile_operations.h"

KnollOperationDialogs::KnollOperationDialogs(vBaseWindow* owner)
    : testDialog_(std::make_unique<KnollDialog>(owner)),
      modalTestDialog_(std::make_unique<KnollModalDialog>(owner)),
      rough_(std::make_unique<RoughDialog>(owner, "Rough", place_)),
      smooth_(std::make_unique<SmoDialog>(owner, "Smooth", place_)),
      wacks_(std::make_unique<WarpDialog>(owner, "Wacks", place_)),
      tiles_(std::make_unique<TileDialog>(owner, "Tiles", place_)) {}

KnollOperationDialogs::~KnollOperationDialogs() = default;

KnollOperationDialog& KnollOperationDialogs::Dialog(int kind) const {
    switch (kind) {
        case kSmoothKind: return *smooth_;
        case kWacksKind: return *wacks_;
        case kTilesKind: return *tiles_;
        default: return *rough_;
    }
}

void KnollOperationDialogs::CloseOpenDialog() {
    for (int kind : {kTilesKind, kWacksKind, kSmoothKind, kRoughKind}) {
        if (Dialog(kind).IsShown()) {
            Dialog(kind).Dismiss();
            return;
        }
    }
}

bool KnollOperationDialogs::IsShown(int kind) const { return Dialog(kind).IsShown(); }

void KnollOperationDialogs::Present(int kind, const char* message) { Dialog(kind).Present(message); }

// Each open dialog overrides the one before, so with several open the last in the
// order Rough, Smooth, Wacks, Tiles is armed.
std::string KnollOperationDialogs::ArmOperation() {
    armed_ = kOperationNone;
    for (int kind : {kRoughKind, kSmoothKind, kWacksKind, kTilesKind}) {
        if (Dialog(kind).IsShown()) armed_ = Dialog(kind).ArmedOperation();
    }
    return OperationFor(armed_).statusWord;
}

DriverReport KnollOperationDialogs::RunArmedOperation(HeightField& field, int area, uint32_t seed) {
    switch (armed_) {
        case kOperationNone: return {};
        case kOperationRough:
            return RunRough(field, area, rough_->Mode(), rough_->LiveValueText(), seed);
        case kOperationSmooth: return RunSmooth(field, area, smooth_->Radius());
        case kOperationFlipLR: return RunFlip(field, kFlipLeftRight);
        case kOperationFlipUD: return RunFlip(field, kFlipTopBottom);
        default: break;
    }
    if (armed_ >= kOperationMirrorLR && armed_ <= kOperationMirrorDU) {
        return RunMirror(field, kMirrorLeftToRight + armed_ - kOperationMirrorLR);
    }
    return RunValueOperation(field, area);
}

DriverReport KnollOperationDialogs::RunValueOperation(HeightField& field, int area) {
    std::string text = wacks_->LiveValueText();
    switch (armed_) {
        case kOperationCut: return RunCut(field, area, text);
        case kOperationClip: return RunClip(field, area, text);
        case kOperationInc: return RunInc(field, area, text);
        case kOperationDec: return RunDec(field, area, text);
        case kOperationFill: return RunFill(field, area, text);
        default: return RunInverse(field, area);
    }
}

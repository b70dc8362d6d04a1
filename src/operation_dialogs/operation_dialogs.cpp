#include "operation_dialogs/operation_dialogs.h"

#include <ranges>

#include "operation_dialogs/erode_dialog.h"
#include "operation_dialogs/rough_dialog.h"
#include "operation_dialogs/smo_dialog.h"
#include "operation_dialogs/test_dialogs.h"
#include "operation_dialogs/tile_dialog.h"
#include "operation_dialogs/warp_dialog.h"

namespace {

template <class Dialog>
std::unique_ptr<KnollOperationDialog> Make(vBaseWindow* owner, const char* title, OperationDialogPlace& place) {
    return std::make_unique<Dialog>(owner, title, place);
}

constexpr OperationDialogRecord kDialogRecords[] = {
    {DialogKind::Rough, "Rough", 117, "Roughs up map", "Roughs", 0, Make<RoughDialog>},
    {DialogKind::Smooth, "Smooth", 118, "Smooths map", "Smooths", 0, Make<SmoDialog>},
    {DialogKind::Wacks, "Wacks", 119, "Make ajustments", "Wacks", 0, Make<WarpDialog>},
    {DialogKind::Tiles, "Tiles", 120, "Make Tiles", "Tiles", 123, Make<TileDialog>},
    {DialogKind::Erode, "Erode", 150, "Wears the map down by rain or slump", "Erodes", 0, Make<ErodeDialog>},
};

}  // namespace

std::span<const OperationDialogRecord> OperationDialogRecords() { return kDialogRecords; }

const OperationDialogRecord& DialogRecordOf(DialogKind kind) { return kDialogRecords[size_t(kind)]; }

const OperationDialogRecord* FindDialogOfToggle(int commandId) {
    for (const OperationDialogRecord& record : kDialogRecords) {
        if (record.toggleId == commandId) return &record;
    }
    return nullptr;
}

KnollOperationDialogs::KnollOperationDialogs(vBaseWindow* owner)
    : testDialog_(std::make_unique<KnollDialog>(owner)), modalTestDialog_(std::make_unique<KnollModalDialog>(owner)) {
    for (const OperationDialogRecord& record : kDialogRecords) byKind_.push_back(record.make(owner, record.title, place_));
}

KnollOperationDialogs::~KnollOperationDialogs() = default;

KnollOperationDialog& KnollOperationDialogs::Dialog(DialogKind kind) const { return *byKind_[size_t(kind)]; }

RoughDialog& KnollOperationDialogs::Rough() const { return static_cast<RoughDialog&>(Dialog(DialogKind::Rough)); }
SmoDialog& KnollOperationDialogs::Smooth() const { return static_cast<SmoDialog&>(Dialog(DialogKind::Smooth)); }
WarpDialog& KnollOperationDialogs::Wacks() const { return static_cast<WarpDialog&>(Dialog(DialogKind::Wacks)); }
TileDialog& KnollOperationDialogs::Tiles() const { return static_cast<TileDialog&>(Dialog(DialogKind::Tiles)); }

void KnollOperationDialogs::CloseOpenDialog() {
    for (const auto& dialog : byKind_ | std::views::reverse) {
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
    for (const auto& dialog : byKind_) {
        if (dialog->IsShown()) armed_ = dialog->ArmedOperation();
    }
    return StatusWordOf(armed_);
}

DriverReport KnollOperationDialogs::RunArmedOperation(FieldDocument& document, int area, uint32_t seed) {
    const OperationRecord* record = FindOperation(armed_);
    if (!record) return {};
    KnollOperationDialog& dialog = Dialog(record->dialog);
    std::string text = dialog.LiveValueText();
    OperationInputs inputs{.area = area, .valueText = text, .seed = seed};
    dialog.ReadChoices(inputs);
    return document.Run(armed_, inputs);
}

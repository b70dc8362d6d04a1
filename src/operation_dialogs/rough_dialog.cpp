#include "operation_dialogs/rough_dialog.h"

#include <iterator>

namespace {

constexpr int kModeToggles[] = {kRoughUpId, kRoughMiddleId, kRoughDownId};
constexpr RoughMode kModes[] = {RoughMode::Up, RoughMode::Middle, RoughMode::Down};
static_assert(std::size(kModeToggles) == std::size(kModes));

}  // namespace

// Its toggles choose a mode, not an operation.
RoughDialog::RoughDialog(vBaseWindow* owner, const char* title, OperationDialogPlace& place)
    : KnollValueDialog(owner, title, place, kRoughDialogTable, DialogKind::Rough, {}, kRoughValueId) {}

void RoughDialog::OnDialogCommand(int id, int value, int type) {
    if (std::optional<size_t> place = ChooseToggle(kModeToggles, id)) mode_ = kModes[*place];
    KnollValueDialog::OnDialogCommand(id, value, type);
}

#include "operation_dialogs/value_dialog.h"

namespace {

const char* TitleOf(const CommandObject* table, int id) {
    for (; table->type != ctEnd; ++table) {
        if (table->id == id) return table->title;
    }
    return "";
}

}  // namespace

KnollValueDialog::KnollValueDialog(vBaseWindow* owner, const char* title, OperationDialogPlace& place,
                                   const CommandObject* table, DialogKind kind,
                                   std::span<const int> operationToggles, int valueId)
    : KnollOperationDialog(owner, title, place, table, kind, operationToggles),
      valueId_(valueId),
      savedValue_(TitleOf(table, valueId)) {}

void KnollValueDialog::OnDialogReady() {
    KnollOperationDialog::OnDialogReady();
    PutText(valueId_, savedValue_.c_str());
}

void KnollValueDialog::Dismiss() {
    KnollOperationDialog::Dismiss();
    savedValue_ = QueryEntry(kSavedCapacity);
}

std::string KnollValueDialog::QueryEntry(int capacity) {
    char buffer[kLiveCapacity] = {};
    QueryText(valueId_, buffer, capacity);
    return buffer;
}

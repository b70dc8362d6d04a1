#pragma once

#include <span>
#include <string>

#include "operation_dialogs/operation_dialog.h"

// An operation dialog with a VALUE entry, which starts with the text its table gives it.
// What the entry holds when the dialog closes, cut to what a buffer of 8 characters
// keeps, is shown again when it opens; the operations read the open entry through a
// larger buffer.
class KnollValueDialog : public KnollOperationDialog {
public:
    static constexpr int kSavedCapacity = 8;
    static constexpr int kLiveCapacity = 12;

    KnollValueDialog(vBaseWindow* owner, const char* title, OperationDialogPlace& place, const CommandObject* table,
                     DialogKind kind, std::span<const int> operationToggles, int valueId);

    void OnDialogReady() override;
    void Dismiss() override;
    std::string LiveValueText() override { return QueryEntry(kLiveCapacity); }
    const std::string& SavedValueText() const { return savedValue_; }

private:
    std::string QueryEntry(int capacity);

    int valueId_;
    std::string savedValue_;
};

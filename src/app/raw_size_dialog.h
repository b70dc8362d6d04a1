#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/field_file.h"
#include "framework/dialogs/modal_dialog.h"

// Asks the size of a RAW file that is not square, offering the sizes its length
// allows; the one nearest to a square is chosen until the user picks another.
class KnollRawSizeDialog : public vModalDialog {
public:
    static constexpr int kSizeListId = 300;

    explicit KnollRawSizeDialog(vBaseWindow* window);

    // The size picked, or none when the user cancels.
    std::optional<FileSize> Choose(const std::vector<FileSize>& sizes);
    void OnDialogReady() override;
    void OnDialogCommand(int id, int value, int type) override;

private:
    std::vector<std::string> texts_;
    std::vector<const char*> items_;
    int picked_ = 0;
    CommandObject table_[5];
};

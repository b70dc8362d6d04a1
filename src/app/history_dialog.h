#pragma once

#include <optional>
#include <string>
#include <vector>

#include "document/field_history.h"
#include "framework/dialogs/modal_dialog.h"

// Edit > History...: the steps of the session, each named by its batch step and value,
// with the position among them chosen; choosing another goes there. It says how far
// back the history reaches and what its memory holds.
class KnollHistoryDialog : public vModalDialog {
public:
    static constexpr int kStepsListId = 310;
    static constexpr int kGoId = vDoneId;

    explicit KnollHistoryDialog(vBaseWindow* window);

    // The position chosen, or none when the user closes the list or picks a position
    // past the history's reach. started names where the session began.
    std::optional<int> Choose(const FieldHistory& history, const std::string& started, const std::string& memory);
    void OnDialogReady() override;
    void OnDialogCommand(int id, int value, int type) override;

    // The list's lines: where the session began, then one line a step.
    static std::vector<std::string> Lines(const FieldHistory& history, const std::string& started);
    // How far back the history reaches, in words.
    static std::string ReachText(const FieldHistory& history);

private:
    std::vector<std::string> lines_;
    std::vector<const char*> items_;
    std::string reach_;
    std::string memory_;
    int picked_ = 0;
    CommandObject table_[6];
};

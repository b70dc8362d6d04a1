#include <cstdio>
#include <vector>

#include "app/history_dialog.h"
#include "app/history_preferences.h"
#include "app/knoll_cmd_window.h"
#include "app/path_names.h"
#include "core/file_name.h"
#include "core/palette_file.h"
#include "document/batch_text.h"
#include "files/replacing_file.h"
#include "framework/dialogs/file_select.h"

// The Edit menu's steps through the history, and the session saved as batch steps.

namespace {

constexpr const char* kStepsFilters[] = {"*.txt", "*", nullptr};
constexpr const char* kStepsSaveError = "Unable to save the steps";

std::string Mebibytes(size_t bytes) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MiB", double(bytes) / (1024.0 * 1024.0));
    return text;
}

// The palette file the session started with, when the one remembered still holds its
// colours; "" otherwise.
std::string StartPaletteFile(const SessionStart& start, const std::string& remembered) {
    Palette colours = DefaultPalette();
    std::string folder;
    if (remembered.empty() || LoadPaletteFile(remembered.c_str(), colours, folder) != kPaletteLoaded) return "";
    return colours == start.palette ? remembered : "";
}

}  // namespace

// The message field is narrow: it says what happened, the History list says which step.
void KnollCmdWindow::StepCommand(StepDirection direction) {
    const FieldHistory* history = document_.history();
    if (!history) return;
    const int position = history->position();
    const bool back = direction == StepDirection::Back;
    if (!(back ? document_.StepBack() : document_.StepForward())) {
        SetMessage(back ? "No step back" : "No step forward");
        return;
    }
    if (history->position() == position) {
        ShowStepped("Outline dropped");
    } else {
        ShowStepped(back ? "Stepped back" : "Stepped forward");
    }
}

// Undo and Keep are offered while there are edits since the commit, as after a click.
void KnollCmdWindow::ShowStepped(const std::string& message) {
    // The last step's record may still be worked out on another thread.
    document_.SettleHistory();
    selectFlag_ = document_.selection().state() == FieldSelection::kIdle ? 0 : 1;
    PutValue(cmdSelect, selectFlag_, StateValue);
    const bool edited = document_.HasChangesSinceCommit();
    PutValue(cmdUndo, edited, StateEnabled);
    PutValue(cmdKeep, edited, StateEnabled);
    if (heightFilterIndex_ <= kFileKindPpm) heightFilterIndex_ = document_.fileKind();
    UpdateConvertItems();
    canvas_.UpdateScrollBars();
    canvas_.OnRedraw(0, 0, 0, 0);
    SetMessage(message.c_str());
    ShowTitle();
}

void KnollCmdWindow::HistoryCommand() {
    const FieldHistory* history = document_.history();
    if (!history) return;
    document_.SettleHistory();
    const std::string& opened = document_.start().path;
    const std::string started = opened.empty() ? "The blank field" : std::string("Opened ") + BareName(opened.c_str());
    const HistoryBudget& budget = document_.budget();
    std::string memory = "Memory: " + Mebibytes(history->bytes()) + " of " + BudgetText(budget);
    // A budget in images says what it comes to for this field.
    if (budget.bytes == 0) {
        memory += " (" + Mebibytes(budget.BytesFor(document_.field().width(), document_.field().height())) + ")";
    }
    KnollHistoryDialog dialog(this);
    std::optional<int> chosen = dialog.Choose(*history, started, memory);
    if (!chosen || *chosen == history->position()) return;
    if (!document_.GoTo(*chosen)) {
        ShowNotice("That step could not be gone back to: memory ran out.");
    }
    ShowStepped("At step " + std::to_string(history->position()));
}

void KnollCmdWindow::SaveStepsCommand() {
    document_.SettleHistory();
    if (SaveSteps(document_.start(), document_.StepsDone())) {
        SetMessage((std::to_string(document_.history()->position()) + " steps saved").c_str());
    }
}

bool KnollCmdWindow::SaveSteps(const SessionStart& start, const std::vector<StepText>& steps) {
    char name[kPathCapacity];
    std::string proposed = start.path.empty() ? "Blank" : BareName(start.path.c_str());
    proposed = proposed.substr(0, proposed.find('.')) + "-steps.txt";
    CopyInto(name, sizeof name, proposed);
    int filter = 0;
    vFileSelect chooser(this);
    if (!chooser.PickFileToSave("Save Steps", name, int(sizeof name), kStepsFilters, filter, 0, nullptr) || !*name) {
        return false;
    }
    const std::string text = StepsFileText(start, steps, StartPaletteFile(start, DataFile(Settings().paletteFilePath)));
    ReplacingFile file(name);
    file.Write(text.data(), text.size());
    if (!file.Commit()) {
        ShowNotice(kStepsSaveError);
        return false;
    }
    return true;
}

#include "app/history_dialog.h"

#include "framework/controls/list_cmd.h"

namespace {

constexpr int kReachId = 311;
constexpr int kMemoryId = 312;
// About fifty characters of a step's name.
constexpr int kListWidth = 220;

}  // namespace

KnollHistoryDialog::KnollHistoryDialog(vBaseWindow* window) : vModalDialog(window, "History") {}

std::vector<std::string> KnollHistoryDialog::Lines(const FieldHistory& history, const std::string& started) {
    std::vector<std::string> lines;
    for (int position = 0; position <= history.size(); ++position) {
        std::string line = position == 0 ? started
                                         : std::to_string(position) + "  " + history.StepAt(position - 1).text.Name();
        if (position < history.reach()) line = "(past reach)  " + line;
        if (position > history.position()) line += "  (stepped back over)";
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string KnollHistoryDialog::ReachText(const FieldHistory& history) {
    if (history.size() == 0) return "No steps yet.";
    if (history.reach() == 0) return "Reaches back to the start: every step can be gone back to.";
    const int before = history.reach() - 1;
    return "Reaches back to step " + std::to_string(history.reach()) + "; the start" +
           (before == 0 ? "" : before == 1 ? " and the step after it" : " and the " + std::to_string(before) + " steps after it") +
           " gave way to the memory limit.";
}

std::optional<int> KnollHistoryDialog::Choose(const FieldHistory& history, const std::string& started,
                                              const std::string& memory) {
    lines_ = Lines(history, started);
    for (const std::string& line : lines_) items_.push_back(line.c_str());
    items_.push_back(nullptr);
    reach_ = ReachText(history);
    memory_ = memory;
    picked_ = history.position();
    table_[0] = {.type = ctLabel, .id = kReachId, .title = reach_.c_str()};
    table_[1] = {.type = ctLabel, .id = kMemoryId, .title = memory_.c_str(), .below = kReachId};
    table_[2] = {.type = ctList, .id = kStepsListId, .value = picked_, .items = items_.data(),
                 .attributes = AttrLarge, .below = kMemoryId, .size = kListWidth};
    table_[3] = {.type = ctButton, .id = kGoId, .value = 1, .title = " &Go There ", .attributes = AttrDefault,
                 .below = kStepsListId, .size = 50};
    table_[4] = {.type = ctButton, .id = vCancelId, .value = 0, .title = " &Close ", .rightOf = kGoId,
                 .below = kStepsListId, .size = 40};
    table_[5] = {};
    AddControls(table_);
    int value = 0;
    const int id = RunModal("", value);
    if (id != kGoId && id != kStepsListId) return std::nullopt;
    if (picked_ < history.reach() || picked_ > history.size()) return std::nullopt;
    return picked_;
}

void KnollHistoryDialog::OnDialogReady() { CentreOverFrame(); }

// A double click or Enter on a step goes there at once.
void KnollHistoryDialog::OnDialogCommand(int id, int value, int type) {
    if (id == kStepsListId) picked_ = value;
    vModalDialog::OnDialogCommand(id, value, type);
    auto* list = dynamic_cast<vListCmd*>(FindControl(kStepsListId));
    if (id == kStepsListId && list && list->IsActivation()) Dismiss();
}

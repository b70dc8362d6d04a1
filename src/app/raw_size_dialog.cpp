#include "app/raw_size_dialog.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "framework/controls/list_cmd.h"

namespace {
constexpr int kPromptId = 301;

// The size nearest to a square, which a terrain most likely is; the wider of two.
int SquarestSize(const std::vector<FileSize>& sizes) {
    auto key = [](const FileSize& size) { return std::pair(std::abs(size.width - size.height), -size.width); };
    auto nearest = std::min_element(sizes.begin(), sizes.end(),
                                    [&](const FileSize& a, const FileSize& b) { return key(a) < key(b); });
    return int(nearest - sizes.begin());
}

}  // namespace

KnollRawSizeDialog::KnollRawSizeDialog(vBaseWindow* window) : vModalDialog(window, "RAW Size") {}

std::optional<FileSize> KnollRawSizeDialog::Choose(const std::vector<FileSize>& sizes) {
    for (const FileSize& size : sizes) texts_.push_back(std::to_string(size.width) + " x " + std::to_string(size.height));
    for (const std::string& text : texts_) items_.push_back(text.c_str());
    items_.push_back(nullptr);
    picked_ = SquarestSize(sizes);
    table_[0] = {.type = ctLabel, .id = kPromptId, .title = "Not square: width x height?"};
    table_[1] = {.type = ctList, .id = kSizeListId, .value = picked_, .items = items_.data(), .below = kPromptId};
    table_[2] = {.type = ctButton, .id = vDoneId, .value = 1, .title = " &OK ", .attributes = AttrDefault,
                 .below = kSizeListId, .size = 40};
    table_[3] = {.type = ctButton, .id = vCancelId, .value = 0, .title = " &Cancel ", .rightOf = vDoneId,
                 .below = kSizeListId, .size = 40};
    table_[4] = {};
    AddControls(table_);
    int value = 0;
    int id = RunModal("", value);
    if ((id != vDoneId && id != kSizeListId) || picked_ < 0 || picked_ >= int(sizes.size())) return std::nullopt;
    return sizes[size_t(picked_)];
}

void KnollRawSizeDialog::OnDialogReady() { CentreOverFrame(); }

// A double click on a size, or Enter in the list, takes it as OK does.
void KnollRawSizeDialog::OnDialogCommand(int id, int value, int type) {
    if (id == kSizeListId) picked_ = value;
    vModalDialog::OnDialogCommand(id, value, type);
    auto* list = dynamic_cast<vListCmd*>(FindControl(kSizeListId));
    if (id == kSizeListId && list && list->IsActivation()) Dismiss();
}

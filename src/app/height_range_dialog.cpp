#include "app/height_range_dialog.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr int kDataId = 313;
constexpr int kFromId = 314;
constexpr int kToId = 315;
constexpr int kEntryCapacity = 40;
constexpr const char* kRangeWrong = "Two numbers, the first below the second";

// Six decimals at most, without the zeros that end them.
std::string NumberText(double number) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", number);
    std::string shown = text;
    while (shown.back() == '0') shown.pop_back();
    if (shown.back() == '.') shown.pop_back();
    return shown == "-0" ? "0" : shown;
}

bool ParseNumber(const std::string& text, double& number) {
    char* end = nullptr;
    number = std::strtod(text.c_str(), &end);
    while (*end == ' ') ++end;
    return !text.empty() && end != text.c_str() && *end == '\0' && std::isfinite(number);
}

}  // namespace

KnollHeightRangeDialog::KnollHeightRangeDialog(vBaseWindow* window) : vModalDialog(window, "Height Range") {}

std::optional<HeightRange> KnollHeightRangeDialog::Choose(const HeightRange& data, const std::string& units) {
    data_ = data;
    lowText_ = NumberText(data.low);
    highText_ = NumberText(data.high);
    dataText_ = "Heights in the file: " + lowText_ + " to " + highText_ + (units.empty() ? "" : " " + units);
    table_[0] = {.type = ctLabel, .id = kDataId, .title = dataText_.c_str()};
    table_[1] = {.type = ctLabel, .id = kFromId, .title = "Stored as 0 to 65535 from", .below = kDataId};
    table_[2] = {.type = ctTextIn, .id = kLowId, .title = lowText_.c_str(), .rightOf = kFromId, .below = kDataId,
                 .size = 12};
    table_[3] = {.type = ctLabel, .id = kToId, .title = "to", .rightOf = kLowId, .below = kDataId};
    table_[4] = {.type = ctTextIn, .id = kHighId, .title = highText_.c_str(), .rightOf = kToId, .below = kDataId,
                 .size = 12};
    table_[5] = {.type = ctButton, .id = vDoneId, .value = 1, .title = " &OK ", .attributes = AttrDefault,
                 .below = kFromId, .size = 40};
    table_[6] = {.type = ctButton, .id = vCancelId, .value = 0, .title = " &Cancel ", .rightOf = vDoneId,
                 .below = kFromId, .size = 40};
    table_[7] = {};
    AddControls(table_);
    int value = 0;
    RunModal("", value);
    return picked_;
}

void KnollHeightRangeDialog::OnDialogReady() { CentreOverFrame(); }

std::optional<HeightRange> KnollHeightRangeDialog::TypedRange() {
    char low[kEntryCapacity] = {}, high[kEntryCapacity] = {};
    QueryText(kLowId, low, sizeof low);
    QueryText(kHighId, high, sizeof high);
    // The data's range as offered is taken exactly, not as its shortened text.
    if (low == lowText_ && high == highText_) return data_;
    HeightRange range;
    if (!ParseNumber(low, range.low) || !ParseNumber(high, range.high) || !(range.low < range.high)) {
        return std::nullopt;
    }
    return range;
}

void KnollHeightRangeDialog::OnDialogCommand(int id, int value, int type) {
    if (id == vDoneId) {
        picked_ = TypedRange();
        // A range that cannot be used keeps the dialog open and says why.
        if (!picked_) {
            PutText(kDataId, kRangeWrong);
            return;
        }
    }
    vModalDialog::OnDialogCommand(id, value, type);
}

#pragma once

#include <optional>
#include <string>

#include "framework/dialogs/modal_dialog.h"
#include "interchange/gdal_heights.h"

// Asks which range of heights an elevation raster is mapped from onto 0 to 65535,
// offering the data's own; a range typed must run from a lower to a higher number.
class KnollHeightRangeDialog : public vModalDialog {
public:
    static constexpr int kLowId = 311;
    static constexpr int kHighId = 312;

    explicit KnollHeightRangeDialog(vBaseWindow* window);

    // The range picked, or none when the user cancels.
    std::optional<HeightRange> Choose(const HeightRange& data, const std::string& units);
    void OnDialogReady() override;
    void OnDialogCommand(int id, int value, int type) override;

private:
    // The range the boxes hold; none while they do not hold one.
    std::optional<HeightRange> TypedRange();

    HeightRange data_;
    std::string dataText_;
    std::string lowText_;
    std::string highText_;
    std::optional<HeightRange> picked_;
    CommandObject table_[8];
};

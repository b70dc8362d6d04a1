#include "render/terrain_scale.h"

#include <algorithm>
#include <vector>

namespace {

// Rows scanned by one part of the work.
constexpr int kRowsPerPart = 64;

}  // namespace

ValueRange FieldValueRange(const HeightField& field, WorkerPool& workers) {
    const int parts = (field.height() + kRowsPerPart - 1) / kRowsPerPart;
    std::vector<ValueRange> found(size_t(std::max(parts, 0)));
    workers.Run(parts, [&](int part) {
        ValueRange range{field.MaxValue() + 1, -1};
        const int end = std::min((part + 1) * kRowsPerPart, field.height());
        for (int y = part * kRowsPerPart; y < end; ++y) {
            const uint32_t* pixels = field.working().RowPixels(y);
            for (int x = 0; x < field.width(); ++x) {
                const int value = field.DecodeValue(pixels[x]);
                if (value < 0) continue;
                range.low = std::min(range.low, value);
                range.high = std::max(range.high, value);
            }
        }
        found[size_t(part)] = range;
    });
    ValueRange all{field.MaxValue() + 1, -1};
    for (const ValueRange& range : found) {
        all.low = std::min(all.low, range.low);
        all.high = std::max(all.high, range.high);
    }
    return all.high < all.low ? ValueRange{} : all;
}

double FittedVerticalScale(const HeightField& field, const ValueRange& range) {
    if (range.high == range.low) return 1;
    const double rise = std::max(field.width(), field.height()) / 4.0;
    return rise / (range.high - range.low);
}

TerrainExtent ExtentOf(const HeightField& field, const ValueRange& range, double verticalScale) {
    return {field.width(), field.height(), range.low * verticalScale, range.high * verticalScale};
}

TerrainShot FrameTerrain(const HeightField& field, WorkerPool& workers, std::optional<double> verticalScale) {
    const ValueRange range = FieldValueRange(field, workers);
    TerrainShot shot;
    shot.verticalScale = verticalScale ? *verticalScale : FittedVerticalScale(field, range);
    shot.camera = DefaultCamera(ExtentOf(field, range, shot.verticalScale));
    return shot;
}

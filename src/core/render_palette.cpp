#include "core/render_palette.h"

#include <utility>
#include <vector>

void RenderPalette(HeightField& field, const Palette& palette) {
    field.BeginCommittedChange();
    std::vector<vColor> row(field.width());
    for (int y = 0; y < field.height(); ++y) {
        const uint32_t* pixels = std::as_const(field).working().RowPixels(y);
        for (int x = 0; x < field.width(); ++x) {
            row[x] = pixels[x] == kNoValuePixel ? vColor::FromPixel(kNoValuePixel)
                                                : palette[PixelSample<false>(pixels[x])];
        }
        field.WriteRow(y, row.data());
        field.painter().RowChanged(y);
        field.painter().RefreshView();
    }
    field.SnapshotField();
}

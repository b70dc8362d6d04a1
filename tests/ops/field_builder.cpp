#include "field_builder.h"

#include "ops/pixel_codec.h"

void SetPixels(HeightField& field, int kind, const std::vector<std::vector<uint32_t>>& rows) {
    const int height = int(rows.size());
    const int width = int(rows.front().size());
    field.ReplaceField(width, height);
    field.SetKind(kind);
    for (int y = 0; y < height; ++y) {
        std::vector<vColor> row;
        for (uint32_t pixel : rows[size_t(y)]) row.push_back(vColor::FromPixel(pixel));
        field.WriteRow(y, row.data());
    }
    field.SnapshotField();
}

void SetField(HeightField& field, int kind, const Heights& rows) {
    const PixelCodec codec(kind, field.palette());
    std::vector<std::vector<uint32_t>> pixels;
    for (const auto& row : rows) {
        pixels.emplace_back();
        for (int value : row) pixels.back().push_back(codec.Store(value));
    }
    SetPixels(field, kind, pixels);
}

Heights ReadValues(const HeightField& field) {
    Heights rows(static_cast<size_t>(field.height()));
    for (int y = 0; y < field.height(); ++y) {
        for (int x = 0; x < field.width(); ++x) rows[size_t(y)].push_back(field.FieldValue(x, y));
    }
    return rows;
}

std::vector<std::vector<uint32_t>> ReadPixels(const HeightField& field) {
    std::vector<std::vector<uint32_t>> rows(static_cast<size_t>(field.height()));
    for (int y = 0; y < field.height(); ++y) {
        for (int x = 0; x < field.width(); ++x) rows[size_t(y)].push_back(field.working().ReadPixel(x, y));
    }
    return rows;
}

void SetMask(HeightField& field, const std::vector<std::vector<int>>& inside) {
    field.ClearMask();
    for (int y = 0; y < int(inside.size()); ++y) {
        for (int x = 0; x < int(inside[size_t(y)].size()); ++x) {
            if (inside[size_t(y)][size_t(x)]) {
                vColor black(0, 0, 0);
                field.mask().PaintPixelStrip(x, y, 1, &black);
            }
        }
    }
}

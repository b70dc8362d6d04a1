#include "document_snapshot.h"

#include <algorithm>
#include <cmath>

namespace {

std::vector<uint32_t> PixelsOf(const TarnMemoryDC& image) {
    std::vector<uint32_t> pixels;
    for (int y = 0; y < image.height(); ++y) {
        pixels.insert(pixels.end(), image.RowPixels(y), image.RowPixels(y) + image.width());
    }
    return pixels;
}

}  // namespace

DocumentSnapshot DocumentSnapshot::Of(const FieldDocument& document) {
    const HeightField& field = document.field();
    DocumentSnapshot snapshot;
    snapshot.width = field.width();
    snapshot.height = field.height();
    snapshot.kind = field.kind();
    snapshot.pixels = PixelsOf(field.working());
    // The mask is read only where a polygon is chosen; elsewhere its content does not matter.
    if (document.selection().state() == FieldSelection::kChosen) {
        for (int y = 0; y < field.height(); ++y) {
            for (int x = 0; x < field.width(); ++x) snapshot.mask.push_back(uint32_t(field.MaskTest(x, y)));
        }
    }
    snapshot.palette = document.palette();
    snapshot.selection = SelectionSnapshot::Of(document.selection());
    return snapshot;
}

bool DocumentSnapshot::operator==(const DocumentSnapshot& other) const { return Difference(other).empty(); }

std::string DocumentSnapshot::Difference(const DocumentSnapshot& other) const {
    if (width != other.width || height != other.height) {
        return "size " + std::to_string(width) + "x" + std::to_string(height) + " against " +
               std::to_string(other.width) + "x" + std::to_string(other.height);
    }
    if (kind != other.kind) return "kind";
    if (palette != other.palette) return "palette";
    if (!(selection == other.selection)) return "selection";
    if (mask != other.mask) return "mask";
    for (size_t i = 0; i < pixels.size(); ++i) {
        if (pixels[i] != other.pixels[i]) {
            return "pixel " + std::to_string(i % size_t(width)) + "," + std::to_string(i / size_t(width));
        }
    }
    return "";
}

void MakeTerrain(FieldDocument& document, int width, int height, int kind) {
    HeightField& field = document.field();
    field.ReplaceField(width, height);
    field.SetKind(kind);
    std::vector<vColor> row(static_cast<size_t>(width));
    const int top = field.MaxValue();
    uint32_t noise = 12345;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            noise = noise * 1103515245u + 12345u;
            double hill = 0.5 + 0.3 * std::sin(x * 0.05) * std::cos(y * 0.04);
            row[size_t(x)] = field.ValueColor(std::clamp(int(hill * top) + int(noise >> 28) - 8, 0, top));
        }
        field.WriteRow(y, row.data());
    }
    field.SnapshotField();
}

#include "ops/zoom.h"

#include <utility>
#include <vector>

#include "core/field_file.h"
#include "core/loaded_rows.h"
#include "core/pixel_streams.h"
#include "core/vector_clones.h"

namespace {

int RowValue(const ZoomColours& colours, const uint32_t* row, int x, int width) {
    return x >= 0 && x < width ? colours.Value(row[x]) : -1;
}

// Runs the loop written out once for each kind, so that the 16-bit copy has no branch
// on the kind and vectorises.
template <typename Loop>
void PerKind(const ZoomColours& colours, Loop loop) {
    if (colours.wide()) {
        loop();
    } else {
        loop();
    }
}

// New row 2r from old row r: kept columns and the midpoints between them. The last
// column, with no neighbour to its right, is made apart so the loop has no branch.
KNOLL_CLONES("avx2", "default")
void ExpandRow(const ZoomColours& colours, const uint32_t* old, int oldWidth, uint32_t* row) {
    PerKind(colours, [&] {
        for (int c = 0; c + 1 < oldWidth; ++c) {
            int o = colours.Value(old[c]);
            row[2 * c] = colours.Colour(o);
            row[2 * c + 1] = colours.Between(o, colours.Value(old[c + 1]));
        }
    });
    const int last = oldWidth - 1;
    const int o = colours.Value(old[last]);
    row[2 * last] = colours.Colour(o);
    row[2 * last + 1] = colours.wide() ? colours.Between(o, -1)
                                       : colours.Beyond(o, RowValue(colours, old, last - 2, oldWidth));
}

// New odd row k between the finished even rows k - 1 and k + 1 (none below the last).
KNOLL_CLONES("avx2", "default")
void ExpandOddRow(const ZoomColours& colours, const uint32_t* above, const uint32_t* below, int width,
                  uint32_t* row) {
    if (below) {
        PerKind(colours, [&] {
            for (int x = 0; x < width; ++x) row[x] = colours.Between(colours.Value(above[x]), colours.Value(below[x]));
        });
        return;
    }
    for (int x = 0; x < width; ++x) {
        int h = colours.Value(above[x]);
        // The row two above is still without values while the rows are built, so an
        // 8-bit last row continues as 2h + 1.
        row[x] = colours.wide() ? colours.Between(h, -1) : colours.Beyond(h, -1);
    }
}

// Each new row is made in the cache and stored at once into the new image; the view is
// told of the even rows first, then the odd ones, once the new field has taken the old
// one's place.
void Expand(HeightField& field, int width, int height) {
    WorkingRows old(field);
    ExpandedRows expanded(old);
    LoadedRows rows(field, width, height);
    for (int y = 0; y < height; ++y) rows.Store(y, expanded.Row(y));
    field.EndLoad(height);
    for (int y = 0; y < height; y += 2) field.painter().DrawRow(y);
    for (int y = 1; y < height; y += 2) field.painter().DrawRow(y);
}

// The smaller field is built inside the working image's memory, so it needs no fresh
// pages. New row j ends before old row 2j + 2 begins and, from j = 1 on, before old row
// 2j too; row 0 goes through the row buffer. No old row is overwritten before it is read.
void Shrink(HeightField& field, int width, int height) {
    const ZoomColours colours(field);
    const std::size_t oldWidth = std::size_t(field.width());
    field.BeginCommittedChange();
    uint32_t* pixels = field.working().MutableRowPixels(0);
    std::vector<uint32_t> row(static_cast<size_t>(width));
    const bool stream = StreamsImage(row.size() * std::size_t(height));
    for (int j = 0; j < height; ++j) {
        const uint32_t* source = pixels + 2 * std::size_t(j) * oldWidth;
        for (int i = 0; i < width; ++i) row[size_t(i)] = colours.Colour(colours.Value(source[2 * i]));
        PutImageRow(pixels + std::size_t(j) * row.size(), row.data(), row.size(), stream);
    }
    field.ReshapeWithin(width, height);
    field.SnapshotField();
    for (int j = 0; j < height; ++j) field.painter().DrawRow(j);
}

// Into a new image instead, for a caller that keeps the old field for the way back.
void ShrinkIntoNewImage(HeightField& field, int width, int height) {
    const ZoomColours colours(field);
    const TarnMemoryDC& old = std::as_const(field).working();
    LoadedRows rows(field, width, height);
    std::vector<uint32_t> row(static_cast<size_t>(width));
    for (int j = 0; j < height; ++j) {
        const uint32_t* source = old.RowPixels(2 * j);
        for (int i = 0; i < width; ++i) row[size_t(i)] = colours.Colour(colours.Value(source[2 * i]));
        rows.Store(j, row.data());
    }
    field.EndLoad(height);
    for (int j = 0; j < height; ++j) field.painter().DrawRow(j);
}

}  // namespace

ExpandedRows::ExpandedRows(FieldRows& old)
    : FieldRows(old.field, old.width * 2, old.height * 2),
      old_(old),
      colours_(old.field),
      even_(size_t(width)),
      next_(even_.size()),
      odd_(even_.size()) {}

// Even row 2r is old row r widened; odd row 2r + 1 lies between it and the next even
// row, which is made with it and handed out after.
const uint32_t* ExpandedRows::Row(int y) {
    const int r = y / 2;
    if (y % 2 == 0) {
        if (y == 0) {
            ExpandRow(colours_, old_.Row(0), old_.width, even_.data());
        } else {
            even_.swap(next_);
        }
        return even_.data();
    }
    const bool last = r + 1 == old_.height;
    if (!last) ExpandRow(colours_, old_.Row(r + 1), old_.width, next_.data());
    ExpandOddRow(colours_, even_.data(), last ? nullptr : next_.data(), width, odd_.data());
    return odd_.data();
}

bool ExpandFits(int width, int height) {
    return HeightField::AcceptableSize(int64_t(width) * 2, int64_t(height) * 2);
}

ZoomOutcome Zoom(HeightField& field, ZoomMode mode, FieldSelection* selection) {
    const int oldWidth = field.width();
    const int oldHeight = field.height();
    const bool expand = mode == ZoomMode::Expand;
    const int64_t width = expand ? int64_t(oldWidth) * 2 : oldWidth / 2;
    const int64_t height = expand ? int64_t(oldHeight) * 2 : oldHeight / 2;
    if (!expand && (width == 0 || height == 0)) return ZoomOutcome::kTooSmall;
    if (expand && !ExpandFits(oldWidth, oldHeight)) return ZoomOutcome::kTooLarge;

    if (expand) {
        if (!field.BeginLoad(int(width), int(height), field.kind())) return ZoomOutcome::kNoMemory;
        Expand(field, int(width), int(height));
    } else if (field.KeepsReplacedImages()) {
        if (!field.BeginLoad(int(width), int(height), field.kind())) return ZoomOutcome::kNoMemory;
        ShrinkIntoNewImage(field, int(width), int(height));
    } else {
        Shrink(field, int(width), int(height));
    }
    if (selection) {
        if (expand) {
            selection->Double();
        } else {
            selection->Halve();
        }
        if (selection->state() == FieldSelection::kChosen) selection->DrawMask(field);
    }
    field.painter().RefreshView();
    return ZoomOutcome::kDone;
}

std::string ZoomMessage(ZoomOutcome outcome, const HeightField& field) {
    switch (outcome) {
        case ZoomOutcome::kTooLarge: return "Field too large to expand";
        case ZoomOutcome::kTooSmall: return "Field too small to shrink";
        case ZoomOutcome::kNoMemory: return NoMemoryMessage(int64_t(field.width()) * 2, int64_t(field.height()) * 2);
        case ZoomOutcome::kDone: break;
    }
    return "";
}

#include "ops/tile_operations.h"

#include <type_traits>

#include "core/vector_clones.h"
#include "framework/draw/raster.h"
#include "ops/pixel_codec.h"

namespace {

// The row kernels below move n positions from one run to another that never overlaps
// it, each restored to the colour that stores its value; a reversed move pairs the first
// of one run with the last of the other. Written once per kind and order, they have no
// branch in the loop and vectorise; they are inlined so each clone below compiles them
// for its own processor.
template <bool kWide, bool kReversed>
[[gnu::always_inline]] inline void CopyRun(const PixelCodec& codec, const uint32_t* __restrict from, uint32_t* __restrict to, int n) {
    for (int i = 0; i < n; ++i) to[kReversed ? n - 1 - i : i] = codec.Restored<kWide>(from[i]);
}

template <bool kWide, bool kReversed>
[[gnu::always_inline]] inline void SwapRuns(const PixelCodec& codec, uint32_t* __restrict a, uint32_t* __restrict b, int n) {
    for (int i = 0; i < n; ++i) {
        const int j = kReversed ? n - 1 - i : i;
        const uint32_t first = a[i];
        a[i] = codec.Restored<kWide>(b[j]);
        b[j] = codec.Restored<kWide>(first);
    }
}

// Calls kernel(wide, reversed) with both as compile-time constants.
template <class Kernel>
[[gnu::always_inline]] inline void PerKindAndOrder(bool wide, bool reversed, Kernel kernel) {
    using Yes = std::true_type;
    using No = std::false_type;
    if (wide) {
        reversed ? kernel(Yes{}, Yes{}) : kernel(Yes{}, No{});
    } else {
        reversed ? kernel(No{}, Yes{}) : kernel(No{}, No{});
    }
}

KNOLL_CLONES("avx2", "default")
void CopyRestored(const PixelCodec& codec, const uint32_t* from, uint32_t* to, int n, bool reversed) {
    PerKindAndOrder(codec.wide(), reversed,
                    [&](auto wide, auto reverse) __attribute__((always_inline)) { CopyRun<wide(), reverse()>(codec, from, to, n); });
}

KNOLL_CLONES("avx2", "default")
void SwapRestored(const PixelCodec& codec, uint32_t* a, uint32_t* b, int n, bool reversed) {
    PerKindAndOrder(codec.wide(), reversed,
                    [&](auto wide, auto reverse) __attribute__((always_inline)) { SwapRuns<wide(), reverse()>(codec, a, b, n); });
}

// The working image's pixels, written in place.
class TileWriter {
public:
    explicit TileWriter(HeightField& field)
        : codec_(field), pixels_(*field.working().AcquireSurface()), painter_(field.painter()),
          width_(field.width()), half_(field.width() / 2) {}

    uint32_t* Row(int y) { return pixels_.Row(y); }
    // The points drawn are only those shown; the painter hears of every row.
    void Changed(int y) { painter_.RowChanged(y); }

    // The left and right halves of a row, without the middle column of an odd width.
    void CopyHalf(int y, bool leftToRight) {
        uint32_t* left = Row(y);
        uint32_t* right = left + (width_ - half_);
        if (leftToRight) {
            CopyRestored(codec_, left, right, half_, true);
        } else {
            CopyRestored(codec_, right, left, half_, true);
        }
    }
    void CopyRow(int from, int to) { CopyRestored(codec_, Row(from), Row(to), width_, false); }
    void SwapRows(int a, int b) { SwapRestored(codec_, Row(a), Row(b), width_, false); }

private:
    const PixelCodec codec_;
    Raster& pixels_;
    FieldPainter& painter_;
    const int width_;
    const int half_;
};

// Draws single positions, skipping those the painter does not show.
class PointDrawer {
public:
    explicit PointDrawer(HeightField& field) : painter_(field.painter()), shown_(painter_.ShownArea()) {}

    bool ShowsColumn(int x) const { return x >= shown_.x && x - shown_.x < shown_.w; }
    bool ShowsRow(int y) const { return y >= shown_.y && y - shown_.y < shown_.h; }
    void Draw(int x, int y) {
        if (ShowsColumn(x) && ShowsRow(y)) painter_.DrawPoint(x, y);
    }

private:
    FieldPainter& painter_;
    const vRect shown_;
};

// The pixels are moved row by row, which the cache likes; the points are then drawn
// column by column, the order in which the columns are mirrored. Every position is
// written once, so each point shows what it would have shown at its own write.
void MirrorColumns(HeightField& field, bool leftToRight) {
    TileWriter writer(field);
    const int last = field.width() - 1;
    const int half = field.width() / 2;
    for (int y = 0; y < field.height(); ++y) {
        writer.CopyHalf(y, leftToRight);
        writer.Changed(y);
    }
    PointDrawer points(field);
    for (int c = 0; c < half; ++c) {
        int to = leftToRight ? last - c : c;
        if (!points.ShowsColumn(to)) continue;
        for (int y = 0; y < field.height(); ++y) points.Draw(to, y);
    }
}

void MirrorRows(HeightField& field, bool topToBottom) {
    TileWriter writer(field);
    const int last = field.height() - 1;
    PointDrawer points(field);
    for (int r = 0; r < field.height() / 2; ++r) {
        int from = topToBottom ? r : last - r;
        writer.CopyRow(from, last - from);
        writer.Changed(last - from);
        if (!points.ShowsRow(last - from)) continue;
        for (int x = 0; x < field.width(); ++x) points.Draw(x, last - from);
    }
}

void FlipColumns(HeightField& field) {
    TileWriter writer(field);
    const int last = field.width() - 1;
    const int half = field.width() / 2;
    const RowEdit swapHalves = FlipLeftRightEdit(WorkingRows(field));
    for (int y = 0; y < field.height(); ++y) {
        swapHalves(y, writer.Row(y));
        writer.Changed(y);
    }
    PointDrawer points(field);
    for (int c = 0; c < half; ++c) {
        if (!points.ShowsColumn(last - c) && !points.ShowsColumn(c)) continue;
        for (int y = 0; y < field.height(); ++y) {
            points.Draw(last - c, y);
            points.Draw(c, y);
        }
    }
}

void FlipRows(HeightField& field) {
    TileWriter writer(field);
    const int last = field.height() - 1;
    PointDrawer points(field);
    for (int r = 0; r < field.height() / 2; ++r) {
        writer.SwapRows(r, last - r);
        writer.Changed(r);
        writer.Changed(last - r);
        if (!points.ShowsRow(last - r) && !points.ShowsRow(r)) continue;
        for (int x = 0; x < field.width(); ++x) {
            points.Draw(x, last - r);
            points.Draw(x, r);
        }
    }
}

}  // namespace

// The left and right halves of a row exchanged, reversed, without the middle column of
// an odd width.
RowEdit FlipLeftRightEdit(const FieldRows& rows) {
    const int width = rows.width;
    const int half = width / 2;
    return [codec = PixelCodec(rows.field), width, half](int, uint32_t* pixels) {
        SwapRestored(codec, pixels, pixels + (width - half), half, true);
    };
}

void Mirror(HeightField& field, MirrorDirection direction) {
    switch (direction) {
    case MirrorDirection::LeftToRight: MirrorColumns(field, true); break;
    case MirrorDirection::RightToLeft: MirrorColumns(field, false); break;
    case MirrorDirection::TopToBottom: MirrorRows(field, true); break;
    case MirrorDirection::BottomToTop: MirrorRows(field, false); break;
    }
}

void Flip(HeightField& field, FlipDirection direction) {
    if (direction == FlipDirection::LeftRight) {
        FlipColumns(field);
    } else {
        FlipRows(field);
    }
}

#include "ops/tile_operations.h"

#include "framework/draw/raster.h"
#include "ops/pixel_codec.h"

namespace {

// The working image's pixels, written in place: each position takes the colour that
// stores the value of its source.
class TileWriter {
public:
    explicit TileWriter(HeightField& field)
        : codec_(field), pixels_(*field.working().AcquireSurface()), painter_(field.painter()) {}

    uint32_t* Row(int y) { return pixels_.Row(y); }
    // The points drawn are only those shown; the painter hears of every row.
    void Changed(int y) { painter_.RowChanged(y); }
    uint32_t Restored(uint32_t pixel) const { return codec_.Store(codec_.Value(pixel)); }

private:
    const PixelCodec codec_;
    Raster& pixels_;
    FieldPainter& painter_;
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
        uint32_t* row = writer.Row(y);
        for (int c = 0; c < half; ++c) {
            int from = leftToRight ? c : last - c;
            row[last - from] = writer.Restored(row[from]);
        }
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
        const uint32_t* source = writer.Row(from);
        uint32_t* target = writer.Row(last - from);
        for (int x = 0; x < field.width(); ++x) target[x] = writer.Restored(source[x]);
        writer.Changed(last - from);
        if (!points.ShowsRow(last - from)) continue;
        for (int x = 0; x < field.width(); ++x) points.Draw(x, last - from);
    }
}

void FlipColumns(HeightField& field) {
    TileWriter writer(field);
    const int last = field.width() - 1;
    const int half = field.width() / 2;
    for (int y = 0; y < field.height(); ++y) {
        uint32_t* row = writer.Row(y);
        for (int c = 0; c < half; ++c) {
            uint32_t a = row[c];
            row[c] = writer.Restored(row[last - c]);
            row[last - c] = writer.Restored(a);
        }
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
        uint32_t* top = writer.Row(r);
        uint32_t* bottom = writer.Row(last - r);
        for (int x = 0; x < field.width(); ++x) {
            uint32_t a = top[x];
            top[x] = writer.Restored(bottom[x]);
            bottom[x] = writer.Restored(a);
        }
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

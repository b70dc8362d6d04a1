#include "ops/tile_operations.h"

#include "framework/draw/raster.h"
#include "ops/pixel_codec.h"

namespace {

// Reads values and writes single positions of the working image directly.
class PositionWriter {
public:
    explicit PositionWriter(HeightField& field)
        : field_(field), codec_(field.kind()), pixels_(*field.working().AcquireSurface()) {}

    int Value(int x, int y) const { return codec_.Value(pixels_.Row(y)[x]); }

    void Write(int x, int y, int value) {
        pixels_.Row(y)[x] = codec_.Store(value);
        field_.painter().DrawPoint(x, y);
    }

private:
    HeightField& field_;
    const PixelCodec codec_;
    Raster& pixels_;
};

// Copies column c onto column last - c for every c of the source half.
void MirrorColumns(HeightField& field, bool leftToRight) {
    PositionWriter writer(field);
    const int last = field.width() - 1;
    for (int c = 0; c < field.width() / 2; ++c) {
        int from = leftToRight ? c : last - c;
        int to = last - from;
        for (int y = 0; y < field.height(); ++y) writer.Write(to, y, writer.Value(from, y));
    }
}

void MirrorRows(HeightField& field, bool topToBottom) {
    PositionWriter writer(field);
    const int last = field.height() - 1;
    for (int r = 0; r < field.height() / 2; ++r) {
        int from = topToBottom ? r : last - r;
        int to = last - from;
        for (int x = 0; x < field.width(); ++x) writer.Write(x, to, writer.Value(x, from));
    }
}

}  // namespace

void Mirror(HeightField& field, int direction) {
    if (direction == kMirrorLeftToRight || direction == kMirrorRightToLeft) {
        MirrorColumns(field, direction == kMirrorLeftToRight);
    } else if (direction == kMirrorTopToBottom || direction == kMirrorBottomToTop) {
        MirrorRows(field, direction == kMirrorTopToBottom);
    }
}

void Flip(HeightField& field, int direction) {
    PositionWriter writer(field);
    const int width = field.width();
    const int height = field.height();
    if (direction == kFlipLeftRight) {
        for (int c = 0; c < width / 2; ++c) {
            for (int y = 0; y < height; ++y) {
                int a = writer.Value(c, y);
                int b = writer.Value(width - 1 - c, y);
                writer.Write(width - 1 - c, y, a);
                writer.Write(c, y, b);
            }
        }
    } else if (direction == kFlipTopBottom) {
        for (int r = 0; r < height / 2; ++r) {
            for (int x = 0; x < width; ++x) {
                int a = writer.Value(x, r);
                int b = writer.Value(x, height - 1 - r);
                writer.Write(x, height - 1 - r, a);
                writer.Write(x, r, b);
            }
        }
    }
}

#include <cstddef>
#include <cstdint>
#include <optional>

#include "framework/draw/surface_lease.h"
#include "framework/draw/win_dc.h"

namespace {

// The colours of an icon's pixels, read from its bits as laid out for its depth.
// One-bit icons draw set bits in the pen colour and clear bits in the background colour.
class IconPixels {
public:
    IconPixels(const vIcon& icon, uint32_t setBit, uint32_t clearBit)
        : icon_(icon), setBit_(setBit), clearBit_(clearBit) {}

    bool Drawable() const {
        bool knownDepth = icon_.depth == 1 || icon_.depth == 8 || icon_.depth == 24;
        return icon_.bits && icon_.width > 0 && icon_.height > 0 && knownDepth;
    }

    // Empty for an eight-bit index past the end of the icon's palette.
    std::optional<uint32_t> At(int x, int y) const {
        size_t position = size_t(y) * size_t(icon_.width) + size_t(x);
        switch (icon_.depth) {
            case 1: {
                size_t rowBytes = (size_t(icon_.width) + 7) / 8;
                unsigned char byte = icon_.bits[size_t(y) * rowBytes + size_t(x) / 8];
                return (byte >> (x % 8)) & 1 ? setBit_ : clearBit_;
            }
            case 8: {
                unsigned paletteSize = unsigned(icon_.bits[0]) + 1;
                unsigned index = icon_.bits[1 + 3 * paletteSize + position];
                if (index >= paletteSize) return std::nullopt;
                return Packed(icon_.bits + 1 + 3 * index);
            }
            default:
                return Packed(icon_.bits + 3 * position);
        }
    }

private:
    static uint32_t Packed(const unsigned char* rgb) { return vColor(rgb[0], rgb[1], rgb[2]).Pixel(); }

    const vIcon& icon_;
    uint32_t setBit_;
    uint32_t clearBit_;
};

}  // namespace

// Icons keep their own size at any zoom; only their position is scaled.
void vWinDC::PaintIcon(int x, int y, const vIcon& icon) {
    IconPixels pixels(icon, pen_.GetColor().Pixel(), backColor_.Pixel());
    if (!pixels.Drawable()) return;
    vSurfaceLease surface(*this);
    if (!surface) return;
    std::optional<uint32_t> hidden;
    if (icon.transparent) hidden = pixels.At(0, icon.height - 1);
    int64_t left = DeviceX(x), top = DeviceY(y);
    for (int row = 0; row < icon.height; ++row) {
        int64_t surfaceY = top + row;
        if (surfaceY < 0 || surfaceY >= surface->Height()) continue;
        for (int column = 0; column < icon.width; ++column) {
            int64_t surfaceX = left + column;
            if (surfaceX < 0 || surfaceX >= surface->Width()) continue;
            std::optional<uint32_t> pixel = pixels.At(column, row);
            if (pixel && pixel != hidden) surface->Set(int(surfaceX), int(surfaceY), *pixel);
        }
    }
}

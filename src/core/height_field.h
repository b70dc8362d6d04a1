#pragma once

#include <cstdint>
#include <memory>

#include "core/field_painter.h"
#include "core/palette.h"
#include "core/tarn_memory_dc.h"

// The kind flag: how a position's colour holds its value.
inline constexpr int kEightBitField = 0;   // blue byte of a palette colour, 0..255
inline constexpr int kSixteenBitField = 1; // low 16 bits: red low byte, green high byte

inline constexpr uint32_t kNoValuePixel = 0xFFFFFF;

// The height field: the working image (the document, also what is shown), the undo
// image (the last commit) and the selection mask (white, the chosen polygon black).
class HeightField {
public:
    // Upper bounds of one field, so a hostile header cannot ask for gigabytes:
    // 8192 x 8192 positions (three images of 256 MiB each), and no side longer than
    // a TGA file can record.
    static constexpr int64_t kMaxPositions = int64_t(8192) * 8192;
    static constexpr int kMaxSide = 65535;
    static constexpr int kInitialSize = 400;

    HeightField();
    // The painter points into the object, so it must stay where it was made.
    HeightField(const HeightField&) = delete;
    HeightField& operator=(const HeightField&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    int kind() const { return kind_; }
    void SetKind(int kind) { kind_ = kind; }
    int MaxValue() const { return kind_ == kSixteenBitField ? 0xFFFF : 0xFF; }

    TarnMemoryDC& working() { return *working_; }
    const TarnMemoryDC& working() const { return *working_; }
    TarnMemoryDC& undo() { return *undo_; }
    TarnMemoryDC& mask() { return *mask_; }
    const TarnMemoryDC& mask() const { return *mask_; }

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // -1 outside the field and for no value; otherwise the value by the kind.
    int FieldValue(int x, int y) const {
        if (!Contains(x, y)) return -1;
        return DecodeValue(working_->ReadPixel(x, y));
    }
    // Written without branches on the pixel, so whole-field passes can vectorise.
    int DecodeValue(uint32_t pixel) const {
        uint32_t shift = kind_ == kSixteenBitField ? 0 : 16;
        uint32_t mask = kind_ == kSixteenBitField ? 0xFFFF : 0xFF;
        int value = int((pixel >> shift) & mask);
        return pixel == kNoValuePixel ? -1 : value;
    }

    // -1 outside the field; otherwise 1 outside the chosen polygon and 0 inside, read by
    // the kind's rule (8-bit: lowest bit of the blue byte; 16-bit: white or not).
    int MaskTest(int x, int y) const {
        if (!Contains(x, y)) return -1;
        uint32_t pixel = mask_->ReadPixel(x, y);
        if (kind_ == kSixteenBitField) return pixel == kNoValuePixel ? 1 : 0;
        return int((pixel >> 16) & 1);
    }

    // The palette through which an 8-bit field stores and shows its values. The field
    // keeps its own copy, handed over by whoever owns the program's palette, so that an
    // operation, a load or a save sees one palette from its start to its end.
    const Palette& palette() const { return palette_; }
    void SetPalette(const Palette& palette) { palette_ = palette; }

    // The colour that stores value (0..MaxValue()) in a field of this kind.
    vColor ValueColor(int value) const {
        if (kind_ == kSixteenBitField) return vColor(value & 0xFF, (value >> 8) & 0xFF, 0);
        return palette_[value & 0xFF];
    }

    // Writes width() colours into row y of the working image.
    void WriteRow(int y, const vColor* row) { working_->PaintPixelStrip(0, y, width_, row); }

    void SnapshotField();  // undo image := working image
    void RestoreField();   // working image := undo image
    void ClearMask();      // no selection

    // New images of width x height, all white; the view's surface is cleared. Returns
    // false, changing nothing, when the size is zero, negative, beyond the bounds above
    // or more than memory allows.
    bool ReplaceField(int width, int height);
    static bool AcceptableSize(int64_t width, int64_t height);

    // For readers and the zoom, which write every row of the working and the undo image
    // themselves (see CommittedRows): ReplaceField without
    // clearing the working and undo images. EndLoad with the number of rows
    // read then clears the rows a short file left unwritten, and the undo image.
    bool BeginLoad(int width, int height);
    void EndLoad(int rowsRead);
    // For the shrink, which builds the smaller field inside the old images' memory: the
    // images take the smaller size keeping their memory and pixels as they lie, the mask
    // is cleared and the view told. False, changing nothing, for a size that is larger.
    bool ReshapeWithin(int width, int height);
    // Takes the size and images of a field that was loaded aside, leaving it this
    // field's old ones; the view is told as for a new field. So a load that fails half
    // way never touches the field being edited.
    void TakeImagesOf(HeightField& loaded);

    void SetPainter(FieldPainter* painter) { painter_ = painter ? painter : &quietPainter_; }
    FieldPainter& painter() { return *painter_; }

private:
    // The new size with the mask cleared and the view told; images are made anew only
    // when the size changes.
    bool TakeSize(int width, int height);

    int width_ = kInitialSize;
    int height_ = kInitialSize;
    int kind_ = kEightBitField;
    Palette palette_ = DefaultPalette();
    std::unique_ptr<TarnMemoryDC> working_;
    std::unique_ptr<TarnMemoryDC> undo_;
    std::unique_ptr<TarnMemoryDC> mask_;
    FieldPainter quietPainter_;
    FieldPainter* painter_ = &quietPainter_;
};

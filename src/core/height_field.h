#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "core/field_painter.h"
#include "core/palette.h"
#include "core/tarn_memory_dc.h"

// The kind flag: how a position's colour holds its value.
inline constexpr int kEightBitField = 0;   // blue byte of a palette colour, 0..255
inline constexpr int kSixteenBitField = 1; // low 16 bits: red low byte, green high byte

inline constexpr uint32_t kNoValuePixel = 0xFFFFFF;

// The height field: the working image (the document, also what is shown), the undo
// image (the last commit) and the selection mask (white, the chosen polygon black).
//
// Images are made when they are needed. The undo image exists only while it differs
// from the working image: a commit records that the two are equal, and the first write
// after it copies the working image first. The mask exists only with a selection;
// without one every position tests as outside (1), as a white mask would.
class HeightField {
public:
    // Upper bounds of one field, so a hostile header cannot ask for gigabytes:
    // 8192 x 8192 positions (an image of 256 MiB), and no side longer than a TGA file
    // can record.
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

    // Reading the field takes the const working image. The non-const one is for
    // writing: when the undo image was equal to it, the copy is made first.
    const TarnMemoryDC& working() const { return *working_; }
    TarnMemoryDC& working() {
        if (undoState_ == UndoState::kEqual) SeparateUndo();
        return *working_;
    }
    // An edit calls this before its first write: it makes the undo copy that a write
    // after a commit needs. False, the field and its commit untouched, when memory runs
    // out for the copy; the edit must then not write.
    bool ReadyToWrite();
    // The last commit, made as a copy of the working image when the two are equal.
    TarnMemoryDC& undo();
    // The selection mask, made white when there is none.
    TarnMemoryDC& mask();
    bool HasUndoImage() const { return undo_ != nullptr; }
    bool HasMask() const { return mask_ != nullptr; }
    // Row y of the mask, or of a white mask without a selection.
    const uint32_t* MaskRow(int y) const { return mask_ ? mask_->RowPixels(y) : whiteRow_.data(); }

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
        if (!mask_) return 1;
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
    void WriteRow(int y, const vColor* row) { working().PaintPixelStrip(0, y, width_, row); }

    // Names what the working image holds: every change after a commit (an edit, a new,
    // loaded or reshaped field) gives it a new number, and RestoreField the commit's
    // again. Two equal numbers mean the field is as it was.
    uint64_t revision() const { return revision_; }

    void SnapshotField();  // undo image := working image; costs nothing
    void RestoreField();   // working image := undo image; costs nothing when they are equal
    void ClearMask();      // no selection
    // For changes that end in SnapshotField (a conversion, a repaint, a zoom): the last
    // commit is let go, so their first write copies nothing. RestoreField before that
    // commit leaves the field as it is.
    void BeginCommittedChange();
    // For a caller that never returns to a commit, such as a batch run without an Undo
    // step: writes after a commit then make no undo copy, and RestoreField does nothing.
    void KeepNoUndo() { undoKept_ = false; }

    // A new field of width x height, all white and committed, without a selection; the
    // view's surface is cleared. Returns false, changing nothing, when the size is zero,
    // negative, beyond the bounds above or more than memory allows.
    bool ReplaceField(int width, int height);
    static bool AcceptableSize(int64_t width, int64_t height);

    // For readers and the expand, which write every row of a new field: BeginLoad makes
    // the image the rows are written into, through LoadRow, and the field stays as it is
    // (false when the size is refused or memory runs out). EndLoad with the number of
    // rows written makes that image the working image, the rest of it white, and
    // commits; a load cut short leaves a white undo image instead. AbandonLoad drops it.
    bool BeginLoad(int width, int height);
    uint32_t* LoadRow(int y) { return incoming_->MutableRowPixels(y); }
    void EndLoad(int rowsRead);
    void AbandonLoad() { incoming_.reset(); }
    // For the shrink, which builds the smaller field inside the working image's memory:
    // it takes the smaller size keeping its memory and pixels as they lie, the mask and
    // the last commit are let go (see BeginCommittedChange) and the view told. False,
    // changing nothing, for a size that is larger.
    bool ReshapeWithin(int width, int height);
    // Takes the size and images of a field that was loaded aside, leaving it this
    // field's old ones; the view is told as for a new field. So a load that fails half
    // way never touches the field being edited.
    void TakeImagesOf(HeightField& loaded);

    void SetPainter(FieldPainter* painter) { painter_ = painter ? painter : &quietPainter_; }
    FieldPainter& painter() { return *painter_; }

private:
    // Equal: no undo image, it would hold what the working image holds. Own: undo_ holds
    // the last commit. None: inside a change that ends in a commit, nothing is kept.
    enum class UndoState { kEqual, kOwn, kNone };

    void SeparateUndo();
    // The undo image as a copy of the working image; false when memory runs out.
    bool MakeUndoCopy();
    // Width and height with a white row for the mask test; the mask is let go.
    void SetSize(int width, int height);
    void Changed() { revision_ = ++lastRevision_; }

    int width_ = kInitialSize;
    int height_ = kInitialSize;
    int kind_ = kEightBitField;
    Palette palette_ = DefaultPalette();
    std::unique_ptr<TarnMemoryDC> working_;
    std::unique_ptr<TarnMemoryDC> undo_;
    std::unique_ptr<TarnMemoryDC> mask_;
    std::unique_ptr<TarnMemoryDC> incoming_;
    UndoState undoState_ = UndoState::kEqual;
    uint64_t revision_ = 0;
    uint64_t committedRevision_ = 0;
    uint64_t lastRevision_ = 0;
    bool undoKept_ = true;
    std::vector<uint32_t> whiteRow_;
    FieldPainter quietPainter_;
    FieldPainter* painter_ = &quietPainter_;
};

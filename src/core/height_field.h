#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "core/field_painter.h"
#include "core/palette.h"
#include "core/row_write_listener.h"
#include "core/stored_value.h"
#include "core/tarn_memory_dc.h"

// The kind flag: how a position's colour holds its value.
inline constexpr int kEightBitField = 0;   // blue byte of a palette colour, 0..255
inline constexpr int kSixteenBitField = 1; // low 16 bits: red low byte, green high byte

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
    // writing: when the undo image was equal to it, the copy is made first, and a
    // listener hears of every row, since the writer may write any.
    const TarnMemoryDC& working() const { return *working_; }
    TarnMemoryDC& working() {
        TarnMemoryDC& image = ImageToWrite();
        if (listener_) HearAllRows();
        return image;
    }
    // Row y of the working image for writing, the one row a listener hears of.
    uint32_t* WritableRow(int y) {
        TarnMemoryDC& image = ImageToWrite();
        if (listener_) HearRow(y);
        return image.MutableRowPixels(y);
    }
    // From now on the listener hears of each row once, before its first write; none to stop.
    void ListenToWrites(RowWriteListener* listener);
    // Whether the listener keeps the rows as they were when it began to listen, and row y
    // as it was then: the working image's row until it is first written.
    bool KeepsRowsBeforeWrites() const { return listener_ && listener_->KeepsRows(); }
    const uint32_t* RowBeforeWrites(int y) const {
        return heard_[size_t(y)] ? listener_->KeptRow(y) : working_->RowPixels(y);
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
    int DecodeValue(uint32_t pixel) const { return PixelValue(pixel, kind_ == kSixteenBitField); }

    // -1 outside the field; otherwise 1 outside the chosen polygon and 0 inside, read by
    // the kind's rule (8-bit: lowest bit of the blue byte; 16-bit: white or not).
    int MaskTest(int x, int y) const {
        if (!Contains(x, y)) return -1;
        if (!mask_) return 1;
        return MaskBit(mask_->ReadPixel(x, y), kind_ == kSixteenBitField);
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
    void WriteRow(int y, const vColor* row);

    // Names what the working image holds: every change after a commit (an edit, a new,
    // loaded or reshaped field) gives it a new number, and RestoreField the commit's
    // again. Two equal numbers mean the field is as it was.
    uint64_t revision() const { return revision_; }
    // The working image was put back as it was under that number (by a history of the
    // caller's own): it takes the number again, committed, so its next write is a change.
    void ReturnTo(uint64_t revision);

    void SnapshotField();  // undo image := working image; costs nothing
    void RestoreField();   // working image := undo image; costs nothing when they are equal
    void ClearMask();      // no selection
    // For changes that end in SnapshotField (a conversion, a repaint, a zoom): the last
    // commit is let go, so their first write copies nothing. RestoreField before that
    // commit leaves the field as it is.
    void BeginCommittedChange();
    // For a caller that never returns to a commit, such as a batch run without an Undo
    // step, or one that keeps the way back itself: writes after a commit then make no undo
    // copy, and RestoreField does nothing.
    void KeepNoUndo() { undoKept_ = false; }
    // For a caller that keeps the way back itself: a zoom hands it the image it replaces
    // (TakeReplacedImage) instead of dropping it or working inside it.
    void KeepReplacedImages() { keepReplaced_ = true; }
    bool KeepsReplacedImages() const { return keepReplaced_; }
    std::unique_ptr<TarnMemoryDC> TakeReplacedImage() { return std::move(replaced_); }

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
    // Kind is what the rows hold; the caller sets the kind flag, except in a held load.
    bool BeginLoad(int width, int height, int kind);
    uint32_t* LoadRow(int y) { return incoming_ ? incoming_->MutableRowPixels(y) : working_->MutableRowPixels(y); }
    // Row y was stored through LoadRow.
    void RowLoaded(int y);
    void EndLoad(int rowsRead);
    void AbandonLoad();

    // A load that replaces the field only when whole, and is shown as its rows arrive:
    // after HoldForNextLoad, BeginLoad holds the field aside and makes the new image, of
    // the new size and kind, the working image at once; each row stored is drawn and the
    // share stored told to the painter. EndLoad with every row lets the held field go;
    // EndLoad cut short, AbandonLoad, or DropLoadHold before either brings it back whole.
    void HoldForNextLoad() { holdNextLoad_ = true; }
    void DropLoadHold();
    // The rows that hold the field's values: all of them, but during a held load only
    // those stored so far. What shows the field reads no row below them.
    int RowsReady() const { return rowsStored_ < 0 ? height_ : rowsStored_; }

    // For the shrink, which builds the smaller field inside the working image's memory:
    // it takes the smaller size keeping its memory and pixels as they lie, the mask and
    // the last commit are let go (see BeginCommittedChange) and the view told. False,
    // changing nothing, for a size that is larger.
    bool ReshapeWithin(int width, int height);

    void SetPainter(FieldPainter* painter) { painter_ = painter ? painter : &quietPainter_; }
    FieldPainter& painter() { return *painter_; }

private:
    // Equal: no undo image, it would hold what the working image holds. Own: undo_ holds
    // the last commit. None: inside a change that ends in a commit, nothing is kept.
    enum class UndoState { kEqual, kOwn, kNone };

    // What a held load keeps aside, to be brought back should it fail.
    struct HeldField {
        int width = 0;
        int height = 0;
        int kind = kEightBitField;
        std::unique_ptr<TarnMemoryDC> working;
        std::unique_ptr<TarnMemoryDC> undo;
        std::unique_ptr<TarnMemoryDC> mask;
        UndoState undoState = UndoState::kEqual;
        std::vector<uint32_t> whiteRow;
    };

    void SeparateUndo();
    TarnMemoryDC& ImageToWrite() {
        if (undoState_ == UndoState::kEqual) SeparateUndo();
        return *working_;
    }
    void HearRow(int y) {
        if (heard_[size_t(y)]) return;
        heard_[size_t(y)] = 1;
        listener_->BeforeFirstWrite(y, working_->RowPixels(y));
    }
    void HearAllRows();
    void SwapHeld(HeldField& held);
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
    std::unique_ptr<TarnMemoryDC> replaced_;
    bool holdNextLoad_ = false;
    std::unique_ptr<HeldField> held_;
    int rowsStored_ = -1;  // during a held load, else -1
    UndoState undoState_ = UndoState::kEqual;
    uint64_t revision_ = 0;
    uint64_t committedRevision_ = 0;
    uint64_t lastRevision_ = 0;
    bool undoKept_ = true;
    bool keepReplaced_ = false;
    RowWriteListener* listener_ = nullptr;
    std::vector<uint8_t> heard_;  // per row, whether the listener heard of it
    std::vector<uint32_t> whiteRow_;
    FieldPainter quietPainter_;
    FieldPainter* painter_ = &quietPainter_;
};

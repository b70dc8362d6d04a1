#include "view/knoll_canvas_pane.h"

#include <algorithm>
#include <utility>

#include "framework/window/app.h"

KnollCanvasPane::KnollCanvasPane(KnollCanvasOwner* owner, FieldDocument& document)
    : owner_(owner), document_(document), rangeFollower_([this] { FollowRange(); }) {
    document_.field().SetPainter(this);
}

KnollCanvasPane::~KnollCanvasPane() { document_.field().SetPainter(nullptr); }

// ---- Changes to the whole field -------------------------------------------------------------

void KnollCanvasPane::ConvertToTga() {
    document_.ConvertTo(kEightBitField);
    RefreshView();
}

void KnollCanvasPane::ConvertToPpm() {
    document_.ConvertTo(kSixteenBitField);
    RefreshView();
}

ZoomOutcome KnollCanvasPane::Zoom(ZoomMode mode) {
    ZoomOutcome outcome = document_.Zoom(mode);
    if (outcome != ZoomOutcome::kDone) return outcome;
    RefreshView();
    UpdateScrollBars();
    return outcome;
}

// ---- Painter ----------------------------------------------------------------------------------

void KnollCanvasPane::DrawRow(int y) {
    RowChanged(y);
    if (!ShowsWorkingImage()) {
        const int reach = RowReach();
        if (y + reach >= vOffset_ && y - reach < vOffset_ + scale_.FieldSpan(viewHeight_)) SweepRow(y);
        return;
    }
    int paneY = y - vOffset_;
    if (paneY < 0 || paneY >= viewHeight_) return;
    FlushView();
    BlitFrom(ShownImage(), 0, paneY, hOffset_, y, viewWidth_, 1);
}

bool KnollCanvasPane::DrawsFromReducedCopy() const {
    return -scale_.level() >= KnollReducedField::kFirstStoredLevel;
}

// A view drawn from the reduced copy keeps it current as rows are written; any other
// leaves it to idle time. The range of heights follows once the work is done.
void KnollCanvasPane::RowChanged(int y) {
    if (follower_) follower_->FieldChanged();
    drawnMap_.valid = false;
    fieldRange_.MarkRow(y);
    if (choices_.heightColours) rangeFollower_.Begin(WindowApp());
    if (DrawsFromReducedCopy()) {
        reduced_.RowChanged(document_.field(), y);
    } else {
        reduced_.MarkRow(y);
        idleReduction_.Begin(WindowApp());
    }
}

vRect KnollCanvasPane::ShownArea() const {
    return {hOffset_, vOffset_, scale_.FieldSpan(viewWidth_), scale_.FieldSpan(viewHeight_)};
}

void KnollCanvasPane::DrawPoint(int x, int y) {
    if (follower_) follower_->FieldChanged();
    const vRect shown = ShownArea();
    drawnMap_.valid = false;
    if (x < shown.x || y < shown.y || x - shown.x >= shown.w || y - shown.y >= shown.h) return;
    // The tile operations draw every position alone: copied one by one, the points cost
    // more than the operation. They join the deferred copy of the view instead, and
    // whether a display frame is due is asked only once per view height of points.
    if (!viewPending_) Invalidate();
    viewPending_ = true;
    if (++pointsSinceFrameCheck_ >= viewHeight_) {
        pointsSinceFrameCheck_ = 0;
        if (DisplayFrameDue()) CopyView();
    }
}

// A scaled row joins the band of view rows drawn at the next display frame, with the rows
// whose relief it changes; the whole view is copied again when the work is done.
void KnollCanvasPane::SweepRow(int y) {
    const int reach = RowReach();
    const int from = scale_.ToView(y - reach, vOffset_) - scale_.Magnification() / 2;
    const int end = scale_.ToView(y + reach, vOffset_) - scale_.Magnification() / 2 + scale_.Magnification();
    swept_.first = std::min(swept_.first, from);
    swept_.end = std::max(swept_.end, end);
    if (!viewPending_) Invalidate();
    viewPending_ = true;
    if (!DisplayFrameDue()) return;
    DrawScaled(swept_);
    if (vApp* app = WindowApp(); app && app->Platform()) lastCopyMs_ = app->Platform()->NowMs();
}

// The field has a new size: nothing of the old one stays on the pane, and the view is
// kept inside the new field.
void KnollCanvasPane::ClearSurface() {
    if (follower_) follower_->FieldReplaced();
    viewPending_ = false;
    drawnMap_.valid = false;
    fieldRange_.MarkAll();
    rangeTaken_ = false;
    reduced_.MarkAll();
    idleReduction_.Begin(WindowApp());
    if (GetDC()) GetDC()->Erase();
    FitOffsetsToField();
    RecomputeThumbs();
}

const KnollReducedField& KnollCanvasPane::CurrentReducedCopy() {
    reduced_.Update(document_.field(), KnollReducedField::kLastStoredLevel);
    return reduced_;
}

// ---- The deferred copy of the view ------------------------------------------------------------

// The blit takes a mutable source but only reads it, while the field's mutable working
// image is for writing and would first make the undo copy that a write needs.
vMemoryDC* KnollCanvasPane::ShownImage() {
    return const_cast<TarnMemoryDC*>(&std::as_const(document_.field()).working());
}

void KnollCanvasPane::RefreshView() {
    viewPending_ = true;
    if (DisplayFrameDue()) {
        CopyView();
    } else {
        Invalidate();
    }
}

void KnollCanvasPane::FlushView() {
    if (viewPending_) CopyView();
}

void KnollCanvasPane::CopyView() {
    viewPending_ = false;
    FitOffsetsToField();
    if (ShowsWorkingImage()) {
        const int ready = std::clamp(document_.field().RowsReady() - vOffset_, 0, viewHeight_);
        BlitFrom(ShownImage(), 0, 0, hOffset_, vOffset_, viewWidth_, ready);
    } else if (!ShiftDrawnMap()) {
        DrawScaled(ViewRows{});
    }
    if (vApp* app = WindowApp(); app && app->Platform()) lastCopyMs_ = app->Platform()->NowMs();
}

void KnollCanvasPane::DrawScaled(ViewRows rows) {
    swept_ = kNoRows;
    drawnMap_.valid = false;
    Raster& surface = Surface();
    if (surface.IsEmpty()) return;
    DrawMapRows(surface, vPoint{hOffset_, vOffset_}, rows);
    if (rows.first <= 0 && rows.end >= surface.Height()) RecordDrawnMap();
    SurfaceChanged();
}

// Without a display rate (the headless backend) copies wait for idle time, as
// presentation does.
bool KnollCanvasPane::DisplayFrameDue() const {
    vApp* app = WindowApp();
    vPlatform* platform = app ? app->Platform() : nullptr;
    if (!platform || !app->Frame().Exists()) return true;
    int interval = platform->FrameInterval();
    return interval > 0 && platform->NowMs() - lastCopyMs_ >= uint64_t(interval);
}

// A pending repaint copies the whole view itself, so a deferred copy waits for it rather
// than being made and then erased.
void KnollCanvasPane::Paint() {
    vCanvasPane::Paint();
    FlushView();
}

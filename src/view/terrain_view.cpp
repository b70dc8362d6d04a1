#include "view/terrain_view.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "framework/window/frame.h"
#include "render/terrain_picture.h"
#include "render/terrain_scale.h"

namespace {

constexpr int kLeftButton = 1;
constexpr int kRightButton = 3;
// Degrees the camera turns for a pixel of drag, and for a key.
constexpr double kTurnPerPixel = 0.4;
constexpr double kTurnPerKey = 5;
// The part of the distance a key moves the camera over the ground.
constexpr double kPanPerKey = 0.05;
// The distance kept after a notch of the wheel, or a key, towards the point.
constexpr double kCloserPerStep = 0.85;

}  // namespace

KnollTerrainView::KnollTerrainView(FieldDocument& document, KnollCanvasPane& map) : document_(document), map_(map) {
    map_.SetFollower(this);
}

KnollTerrainView::~KnollTerrainView() { map_.SetFollower(nullptr); }

void KnollTerrainView::SetCamera(const TerrainCamera& camera) {
    if (!framed_) FrameField();
    shot_.camera = camera;
    Invalidate();
}

void KnollTerrainView::ResetCamera() {
    FrameField();
    Invalidate();
}

void KnollTerrainView::FrameField() {
    shot_ = FrameTerrain(document_.field(), workers_, document_.TrueVerticalScale());
    framedKind_ = document_.field().kind();
    framed_ = true;
}

void KnollTerrainView::FieldChanged() {
    if (!NeedsPaint()) changedAt_ = Clock::now();
    fieldChanging_ = true;
    Invalidate();
}

void KnollTerrainView::FieldReplaced() {
    framed_ = false;
    Invalidate();
}

void KnollTerrainView::Paint() {
    Raster& picture = Surface();
    if (picture.IsEmpty()) return;
    // A conversion, or an Undo of one, multiplies or divides every value by 256: the
    // vertical scale that suited the old values would make a needle or a slab.
    if (!framed_ || document_.field().kind() != framedKind_) FrameField();
    const Clock::time_point start = Clock::now();
    const bool fieldChanging = fieldChanging_;
    fieldChanging_ = false;
    const int coarse = fieldChanging ? kFieldPreview : kCameraPreview;
    if (sharpen_ || picture.Width() < coarse || picture.Height() < coarse) {
        sharpen_ = false;
        Draw(picture, &map_.CurrentReducedCopy());
        drawnAt_ = Clock::now();
        return;
    }
    // The reduced copy is brought up to date once the field rests.
    DrawPreview(coarse, fieldChanging ? nullptr : &map_.CurrentReducedCopy());
    sharpening_.StartTimer(kRestMs);
    drawnAt_ = Clock::now();
    if (fieldChanging) fieldPreviewDrawing_ = drawnAt_ - start;
}

void KnollTerrainView::Draw(Raster& picture, const KnollReducedField* reduced) {
    const HeightField& field = document_.field();
    RenderTerrain(field, reduced, {shot_, map_.CurrentColours()}, picture, workers_);
}

// Each pixel of the smaller picture fills a square of the view's.
void KnollTerrainView::DrawPreview(int coarse, const KnollReducedField* reduced) {
    Raster& picture = Surface();
    const int width = picture.Width(), height = picture.Height();
    if (!preview_.Reshape(width / coarse, height / coarse)) preview_.Resize(width / coarse, height / coarse);
    Draw(preview_, reduced);
    // Each preview row is widened once; the rows below it that show it are copies.
    for (int y = 0; y < height; ++y) {
        uint32_t* to = picture.Row(y);
        if (y % coarse != 0 && y / coarse < preview_.Height()) {
            std::copy_n(picture.Row(y - 1), width, to);
            continue;
        }
        const uint32_t* from = preview_.Row(std::min(y / coarse, preview_.Height() - 1));
        const int whole = preview_.Width() * coarse;
        for (int x = 0; x < whole; x += coarse) std::fill_n(to + x, coarse, from[x / coarse]);
        std::fill(to + whole, to + width, from[preview_.Width() - 1]);
    }
}

void KnollTerrainView::Sharpening::OnTimerTick() {
    StopTimer();
    view_.sharpen_ = true;
    view_.Invalidate();
}

// Work on the field waits three times as long as the picture it brings takes, from when
// the picture before was drawn or, later, from when the field began to change. That
// picture is the preview drawn while the field changes, many times quicker than the sharp
// one the view rested with.
bool KnollTerrainView::PaintsOnlyWhenIdle() const {
    return Clock::now() - std::max(drawnAt_, changedAt_) < 3 * fieldPreviewDrawing_;
}

// ---- The hands ----------------------------------------------------------------------------------

bool KnollTerrainView::HandleInput(const vPlatformEvent& event) {
    switch (event.kind) {
        case vEventKind::ButtonDown: Press(event); return true;
        case vEventKind::ButtonUp:
            if (dragging_ != Drag::None && Frame()) Frame()->ReleasePointer(this);
            dragging_ = Drag::None;
            return true;
        case vEventKind::PointerMove: Move(event); return true;
        case vEventKind::Wheel:
            if (event.wheelY != 0) SetCamera(Dolly(shot_.camera, std::pow(kCloserPerStep, event.wheelY)));
            return true;
        case vEventKind::KeyDown: return Key(event);
        default: return false;
    }
}

// A press takes the keys, so that they move the camera until the map is clicked.
void KnollTerrainView::Press(const vPlatformEvent& event) {
    if (event.button == kLeftButton) {
        dragging_ = event.modifiers & vModShift ? Drag::Pan : Drag::Orbit;
    } else if (event.button == kRightButton) {
        dragging_ = Drag::Pan;
    } else {
        return;
    }
    lastX_ = event.x;
    lastY_ = event.y;
    if (vFrame* frame = Frame()) {
        frame->CapturePointer(this);
        frame->SetFocus(this);
    }
}

// Dragging right turns the terrain to the right, dragging down tips its far side down;
// a pan drags the ground along under the pointer.
void KnollTerrainView::Move(const vPlatformEvent& event) {
    if (dragging_ == Drag::None) return;
    const int dx = event.x - lastX_, dy = event.y - lastY_;
    lastX_ = event.x;
    lastY_ = event.y;
    if (dx == 0 && dy == 0) return;
    if (dragging_ == Drag::Orbit) {
        SetCamera(Orbit(shot_.camera, -dx * kTurnPerPixel, dy * kTurnPerPixel));
        return;
    }
    const double across = 2 * std::tan(shot_.camera.angle * std::numbers::pi / 360) / std::max(Bounds().w, 1);
    SetCamera(Pan(shot_.camera, -dx * across, dy * across));
}

bool KnollTerrainView::Key(const vPlatformEvent& event) {
    if (!IsVisible()) return false;
    const bool shift = event.modifiers & vModShift;
    const TerrainCamera& camera = shot_.camera;
    switch (event.key) {
        case vKeyLeft: SetCamera(shift ? Pan(camera, -kPanPerKey, 0) : Orbit(camera, -kTurnPerKey, 0)); return true;
        case vKeyRight: SetCamera(shift ? Pan(camera, kPanPerKey, 0) : Orbit(camera, kTurnPerKey, 0)); return true;
        case vKeyUp: SetCamera(shift ? Pan(camera, 0, kPanPerKey) : Orbit(camera, 0, kTurnPerKey)); return true;
        case vKeyDown: SetCamera(shift ? Pan(camera, 0, -kPanPerKey) : Orbit(camera, 0, -kTurnPerKey)); return true;
        case vKeyPageUp: SetCamera(Dolly(camera, kCloserPerStep)); return true;
        case vKeyPageDown: SetCamera(Dolly(camera, 1 / kCloserPerStep)); return true;
        case vKeyHome: ResetCamera(); return true;
        default: return false;
    }
}

#pragma once

#include <chrono>

#include "core/worker_pool.h"
#include "document/field_document.h"
#include "framework/window/timer.h"
#include "framework/window/view.h"
#include "render/terrain_camera.h"
#include "view/field_follower.h"
#include "view/knoll_canvas_pane.h"

// The field in perspective beside the map (View > "3D View"), drawn by the engine's
// renderer, as knollwork-cli --render draws it, into the view's own surface.
//
// The camera starts where --render's does for the field and moves with the hands: a
// drag turns it around the point it looks at, a drag with Shift or the right button
// moves both over the ground, the wheel comes closer; the arrow keys, with Shift,
// Page Up and Page Down do the same once the view was clicked, and Home goes back to
// the start. It follows the field as the canvas does: while an operation sweeps, it is
// drawn again at each display frame that its drawing leaves time for.
//
// While the camera moves, the picture is drawn at half the view's size and shown doubled,
// which takes a third of the time; while the field changes, at a quarter and from single
// positions instead of the reduced copy, so that the view keeps up with the operations.
// Once both have rested a moment, it is drawn again at full size, pixel for pixel what
// --render draws.
class KnollTerrainView : public vView, public KnollFieldFollower {
public:
    // The document and the canvas must outlive the view.
    KnollTerrainView(FieldDocument& document, KnollCanvasPane& map);
    ~KnollTerrainView() override;

    const TerrainShot& Shot() const { return shot_; }
    void SetCamera(const TerrainCamera& camera);
    // Back to the camera and vertical scale a new field starts with.
    void ResetCamera();

    // ---- KnollFieldFollower --------------------------------------------------------------
    void FieldChanged() override;
    void FieldReplaced() override;

    // ---- vView ---------------------------------------------------------------------------
    void Paint() override;
    bool HandleInput(const vPlatformEvent& event) override;
    void OnCaptureLost() override { dragging_ = Drag::None; }
    // While work goes on the picture is drawn again only when doing so takes no more
    // than a quarter of the time: a large field's picture must not hold a sweep back.
    // When the work is done, it is drawn at once.
    bool PaintsOnlyWhenIdle() const override;

    // Milliseconds of rest before the picture is drawn at full size.
    static constexpr int kRestMs = 150;
    // The preview's pixels are squares of this side, while the camera moves or the field
    // changes.
    static constexpr int kCameraPreview = 2;
    static constexpr int kFieldPreview = 4;

private:
    enum class Drag { None, Orbit, Pan };

    // Asks for the picture at full size when it ticks.
    class Sharpening : public vTimer {
    public:
        explicit Sharpening(KnollTerrainView& view) : view_(view) {}
        void OnTimerTick() override;

    private:
        KnollTerrainView& view_;
    };

    void FrameField();
    void Draw(Raster& picture, const KnollReducedField* reduced);
    void DrawPreview(int coarse, const KnollReducedField* reduced);
    void Press(const vPlatformEvent& event);
    void Move(const vPlatformEvent& event);
    bool Key(const vPlatformEvent& event);

    FieldDocument& document_;
    KnollCanvasPane& map_;
    WorkerPool workers_;
    TerrainShot shot_;
    bool framed_ = false;
    int framedKind_ = kEightBitField;
    // The next paint draws at full size; the rest draw the preview.
    bool sharpen_ = false;
    bool fieldChanging_ = false;
    Raster preview_;
    Sharpening sharpening_{*this};
    Drag dragging_ = Drag::None;
    int lastX_ = 0;
    int lastY_ = 0;
    using Clock = std::chrono::steady_clock;
    Clock::time_point drawnAt_{};
    Clock::time_point changedAt_{};
    // How long the last preview drawn while the field changed took.
    Clock::duration fieldPreviewDrawing_{};
};

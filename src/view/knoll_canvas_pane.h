#pragma once

#include <cstdint>

#include "core/field_painter.h"
#include "core/height_field.h"
#include "document/field_document.h"
#include "framework/canvas/canvas_pane.h"
#include "ops/selection.h"
#include "ops/zoom.h"
#include "view/canvas_owner.h"
#include "view/field_follower.h"
#include "view/idle_call.h"
#include "view/idle_reduction.h"
#include "map/field_range.h"
#include "map/map_colours.h"
#include "map/reduced_field.h"
#include "map/scaled_view.h"
#include "map/view_scale.h"

// The legend's edges, as the "Show Pal" submenu orders them.
enum class LegendEdge { Left, Right, Up, Down };
// ShowPaletteLegend's results.
inline constexpr int kLegendDrawn = 0;
inline constexpr int kLegendTooSmall = 1;

// The canvas of the main window: it shows the document's height field through a window
// onto it, scrolls, draws the selection polygon and turns it into the mask, reports the height
// under the pointer, and turns left-button presses and releases into arming and running
// operations. It is also the engine's painter, so operations sweep down the view.
//
// Copies of the view onto the pane are taken at most once per display frame while work
// goes on, and at the latest when the program is idle again, so an operation that
// refreshes after every row costs little more than the operation itself.
class KnollCanvasPane : public vCanvasPane, public FieldPainter {
public:
    // The document must outlive the canvas.
    KnollCanvasPane(KnollCanvasOwner* owner, FieldDocument& document);
    ~KnollCanvasPane() override;

    // ---- Changes to the whole field, shown as they end ----------------------------------
    // The Convert commands: the field rewritten in the other kind, the kind flag set,
    // committed and shown.
    void ConvertToTga();
    void ConvertToPpm();
    // Expand 2X or Srink 2X, the selection scaled along; the caller
    // commits before and after. A refused zoom leaves everything as it was.
    ZoomOutcome Zoom(ZoomMode mode);

    // ---- Showing the field ------------------------------------------------------------------
    // Copies the visible part of the working image onto the pane (FieldPainter).
    void RefreshView() override;
    // Draws the palette legend on an edge; kLegendTooSmall when the view cannot hold it.
    // The legend stays until the next press on the canvas.
    int ShowPaletteLegend(LegendEdge edge);
    // The bars after a load or a zoom: shown where the field exceeds the view.
    void UpdateScrollBars();

    // ---- The map's display choices (View > Height Colours, Relief) -------------------------
    // Drawn again at once; Height Colours spreads the field's range as it is now, and
    // follows it after each piece of work that changes it.
    void SetMapChoices(const MapChoices& choices);
    const MapChoices& MapChoicesShown() const { return choices_; }
    // The colour rule the map is drawn with now, its range included, for other pictures
    // of the field that take the map's colours.
    MapColours ShownColours() const { return MapColours(document_.field(), choices_, shownRange_); }
    // The same, the range taken first when the map has not been drawn since it lapsed.
    MapColours CurrentColours();

    // ---- Selection ----------------------------------------------------------------------------
    // On: outlining a new polygon. Off: no selection, the mask white. Both commit.
    void SetSelectMode(int on);

    // ---- Scale (canvas_scale.cpp) ------------------------------------------------------------
    // The field position at the centre keeps its place; at the pointer for the wheel.
    void ZoomIn();
    void ZoomOut();
    void FitField();
    void ActualSize();
    void SetScaleAround(int level, int x, int y);
    const KnollViewScale& Scale() const { return scale_; }
    const KnollReducedField& ReducedCopy() const { return reduced_; }
    // The reduced copy with every stored level made current, for a view that reads any.
    const KnollReducedField& CurrentReducedCopy();
    // Another view to tell when the field changes, or null; it must outlive the canvas
    // or be taken away first.
    void SetFollower(KnollFieldFollower* follower) { follower_ = follower; }
    // Ctrl with the wheel: a step away from the user magnifies, around the pointer.
    void OnZoomWheel(int x, int y, int notches) override;

    // ---- Canvas events ------------------------------------------------------------------------
    void OnResize(int width, int height) override;
    void OnHPage(int shown, int top) override;
    void OnVPage(int shown, int top) override;
    void OnHStep(int step) override;
    void OnVStep(int step) override;
    void OnMouseDown(int x, int y, int button) override;
    void OnMouseUp(int x, int y, int button) override;
    void OnMouseDrag(int x, int y, int button) override;
    void OnMouseHover(int x, int y) override;
    // The whole view again, with the selection outline; the arguments are ignored.
    void OnRedraw(int x, int y, int width, int height) override;
    vRect RedrawCover() override;

    // ---- FieldPainter -----------------------------------------------------------------------
    void DrawRow(int y) override;
    void DrawPoint(int x, int y) override;
    void RowChanged(int y) override;
    vRect ShownArea() const override;
    void ClearSurface() override;

    // ---- Long work (canvas_long_work.cpp) ----------------------------------------------------
    // The owner's armed operation on the area, with the share done shown and Escape
    // stopping it.
    void RunArmedOperation(int area);
    // Tells the window how far a load or the running operation got.
    void Progress(int64_t done, int64_t total) override;
    bool StopRequested() override;
    bool HandleInput(const vPlatformEvent& event) override;
    vCursorShape Cursor() const override;

    void Paint() override;

private:
    enum Axes { kHorizontal = 1, kVertical = 2 };

    void ApplyScale(const KnollViewScale& scale, int x, int y);

    // What the surface shows when it holds the whole map and nothing else, drawn from
    // drawnAt_.
    struct DrawnMap {
        bool valid = false;
        KnollViewScale scale;
        MapChoices choices;
        ValueRange range;
        Palette palette{};
        int width = 0;
        int height = 0;
        bool operator==(const DrawnMap&) const = default;
    };

    // Scrolling (canvas_scrolling.cpp).
    void ScrollBy(int axes, int step);
    void PageTo(bool horizontal, int shown, int top);
    void FitOffsetsToField();
    vPoint ViewWithoutBars();
    void RecomputeThumbs();
    void SetBar(bool horizontal);

    // The deferred copy of the view.
    vMemoryDC* ShownImage();
    void FlushView();
    void CopyView();
    void DrawScaled(ViewRows rows);
    void SweepRow(int y);
    bool DrawsFromReducedCopy() const;
    // At 1:1 on the plain map, the pane shows the working image pixel for pixel.
    bool ShowsWorkingImage() const { return scale_.IsActualSize() && choices_.IsPlain(); }
    bool SpreadsHeights() const;
    int RowReach() const;
    void TakeRange();
    void FollowRange();
    // The map drawn from `offset` into rows of a raster (canvas_map.cpp).
    void DrawMapRows(Raster& view, vPoint offset, ViewRows rows);
    void DrawMapColumns(int first, int end);
    DrawnMap MapNow();
    void RecordDrawnMap();
    bool ShiftDrawnMap();
    bool DisplayFrameDue() const;

    // Selection (canvas_selection.cpp).
    void PressWhileOutlining(int x, int y);
    void ReleaseWhileOutlining(int x, int y);
    void ReleaseWhileChosen(int x, int y);
    void ClosePolygon();
    void DrawOutline();
    vPoint OnPane(const vPoint& fieldPoint) const;
    vPoint InField(int x, int y) const;
    void ShowReadOut(int x, int y);

    // Legend (canvas_legend.cpp).
    void DrawVerticalLegend(LegendEdge edge);
    void DrawHorizontalLegend(LegendEdge edge);
    void RedrawLegend();
    void HideLegend();

    KnollCanvasOwner* owner_;
    FieldDocument& document_;
    KnollViewScale scale_;
    KnollReducedField reduced_;
    KnollIdleReduction idleReduction_{reduced_, document_.field()};
    MapChoices choices_;
    // The range Height Colours spreads, and the field's range as it changes.
    FieldRange fieldRange_;
    ValueRange shownRange_;
    bool rangeTaken_ = false;
    KnollIdleCall rangeFollower_;
    DrawnMap drawnMap_;
    vPoint drawnAt_;
    // View rows that scaled rows swept over since the view was last drawn.
    static constexpr ViewRows kNoRows{INT_MAX, INT_MIN};
    ViewRows swept_ = kNoRows;
    int viewWidth_ = HeightField::kInitialSize;
    int viewHeight_ = HeightField::kInitialSize;
    int vOffset_ = 0;
    int vThumb_ = 100;
    int hOffset_ = 0;
    int hThumb_ = 100;
    // Pane coordinates of the newest vertex and of the rubber band's free end.
    vPoint lastVertex_;
    vPoint bandEnd_;
    bool legendShown_ = false;
    LegendEdge legendEdge_ = LegendEdge::Left;
    bool viewPending_ = false;
    bool working_ = false;
    bool stopAsked_ = false;
    int shownPercent_ = -1;
    uint64_t lastCopyMs_ = 0;
    int pointsSinceFrameCheck_ = 0;
    KnollFieldFollower* follower_ = nullptr;
};

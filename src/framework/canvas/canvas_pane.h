#pragma once

#include <memory>

#include "framework/canvas/scroll_bar.h"
#include "framework/draw/dc.h"
#include "framework/window/pane.h"

class vApp;

// The drawing area of a command window. It turns the window's size changes, repaint
// requests, mouse, focus and scroll-bar actions into the On... operations that
// applications override, and draws through its own drawing context.
//
// Scroll values are percentages: shown is how much of the content is visible, top
// where the visible part begins, both 0..100.
class vCanvasPane : public vPane {
public:
    vCanvasPane();
    ~vCanvasPane() override;

    void Attach(vWindow* window) override;
    // Shows the window's canvas again, or hides it.
    void ShowPane(int on) override;

    virtual void OnHPage(int shown, int top) { SetHScroll(shown, top); }
    virtual void OnVPage(int shown, int top) { SetVScroll(shown, top); }
    virtual void OnHStep(int step);
    virtual void OnVStep(int step);
    // Ignored unless both values lie in 0..100.
    virtual void SetHScroll(int shown, int top);
    virtual void SetVScroll(int shown, int top);
    // Both return the displayed flag.
    virtual int GetVScroll(int& shown, int& top);
    virtual int GetHScroll(int& shown, int& top);
    virtual void ShowHScroll(int on);
    virtual void ShowVScroll(int on);

    virtual void OnFontChanged(const vFont& /*font*/) {}
    // Buttons: 1 left, 2 middle, 3 right. Coordinates from the pane's top-left corner.
    virtual void OnMouseDown(int /*x*/, int /*y*/, int /*button*/) {}
    virtual void OnMouseUp(int /*x*/, int /*y*/, int /*button*/) {}
    virtual void OnMouseDrag(int /*x*/, int /*y*/, int /*button*/) {}
    virtual void OnMouseHover(int /*x*/, int /*y*/) {}
    // The wheel turned with Ctrl held over (x, y); notches > 0 away from the user.
    virtual void OnZoomWheel(int /*x*/, int /*y*/, int /*notches*/) {}
    virtual void OnFocusIn() {}
    virtual void OnFocusOut() {}
    // (0, 0, 0, 0) means the whole pane.
    virtual void OnRedraw(int /*x*/, int /*y*/, int /*width*/, int /*height*/) {}
    // The part of the pane that OnRedraw paints over whole, which the erase before it
    // leaves alone; nothing by default.
    virtual vRect RedrawCover() { return {}; }
    virtual void OnResize(int /*width*/, int /*height*/) {}

    virtual int PaneWidth() { return width_; }
    virtual int PaneHeight() { return height_; }

    // ---- Drawing, forwarded to the pane's drawing context --------------------------------
    virtual void EraseArea(int x, int y, int width, int height);
    virtual void BlitFrom(vMemoryDC* source, int x, int y, int sourceX, int sourceY,
                          int width, int height);
    virtual void WriteStyledText(int x, int y, const char* text, int attributes);
    virtual void WriteText(int x, int y, const char* text);
    virtual void PaintEllipse(int x, int y, int width, int height);
    virtual void PaintIcon(int x, int y, const vIcon& icon);
    virtual void PaintLine(int x1, int y1, int x2, int y2);
    virtual void PaintSegments(const vLine* segments, int count);
    virtual void PaintPolyline(const vPoint* points, int count);
    virtual void PaintPixelStrip(int x, int y, int count, const vColor* colors);
    virtual void PaintDot(int x, int y);
    virtual void PaintDots(const vPoint* points, int count);
    virtual void PaintPolygon(int count, const vPoint* points, int fillMode);
    virtual void PaintBox(int x, int y, int width, int height);
    virtual void PaintBoxes(const vRect* rects, int count);
    virtual void PaintRoundBox(int x, int y, int width, int height, int radius);
    virtual void XorLine(int x1, int y1, int x2, int y2);
    virtual void XorEllipse(int x, int y, int width, int height);
    virtual void XorBox(int x, int y, int width, int height);
    virtual vBrush CurrentBrush();
    virtual void UseBrush(const vBrush& brush);
    virtual vFont CurrentFont();
    virtual void UseFont(const vFont& font);
    virtual int TextExtent(const char* text);
    virtual int FontHeight(int& ascent, int& descent);
    virtual void SetZoom(int multiplier, int divisor);
    virtual void GetZoom(int& multiplier, int& divisor);
    virtual void SetBackColor(const vColor& color);
    virtual void UsePen(const vPen& pen);

    // Focus gained: sets the has-focus flag and calls OnFocusIn unless it was set.
    void FocusGained() override;
    // Focus lost: clears the flag and calls OnFocusOut unless it was clear.
    void FocusLost() override;
    // Makes a vCanvasPaneDC for this pane, unless a context is installed.
    virtual void CreateDC();

    // ---- Framework hooks ----------------------------------------------------------------
    // The pane's drawing context; an owner may install its own before attaching, and
    // the pane deletes it.
    vDC* GetDC() const { return dc_.get(); }
    void InstallDC(vDC* dc) { dc_.reset(dc); }
    bool HasFocus() const { return hasFocus_; }
    // Places the drawing area and the shown scroll bars in the window's client rect;
    // a changed drawing size is a size change.
    void PlaceIn(const vRect& client) override;
    // Repaint (erase and OnRedraw) this area before the next composition; a zero
    // width or height asks for the whole pane.
    void RequestRepaint(int x, int y, int width, int height);
    // One scroll-bar action, by the rules of the pane.
    void ScrollAction(bool horizontal, vScrollAction action, int position);
    const vScrollBar& HorizontalBar() const { return hBar_; }
    const vScrollBar& VerticalBar() const { return vBar_; }

    void Paint() override;
    bool HandleInput(const vPlatformEvent& event) override;
    void OnFocusChange(bool hasFocus) override;
    bool PaintsOnlyWhenIdle() const override { return true; }

private:
    struct BarState {
        int shown = 100;
        int top = 0;
        bool displayed = false;
    };
    void SetScroll(BarState& state, vScrollBar& bar, int shown, int top);
    void ShowScroll(BarState& state, vScrollBar& bar, int on);
    void SizeChanged(int width, int height);
    void EraseAround(const vRect& area, const vRect& cover);
    void FitFrameToPane(vApp& app, vWindow& window);
    void MouseButton(const vPlatformEvent& event, bool down);
    void MouseMoved(const vPlatformEvent& event);
    void Wheel(const vPlatformEvent& event);

    std::unique_ptr<vDC> dc_;
    int width_ = 0;
    int height_ = 0;
    BarState hState_;
    BarState vState_;
    vScrollBar hBar_;
    vScrollBar vBar_;
    bool hasFocus_ = false;
    bool repaintPending_ = false;
    vRect repaintArea_;
};

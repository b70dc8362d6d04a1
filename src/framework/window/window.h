#pragma once

#include <vector>

#include "framework/window/base_window.h"
#include "framework/window/window_view.h"

class vPane;

// One child window inside the frame's client area. In single-window mode it is
// maximized over the whole area between the bars and draws no border; in multi-window
// mode it has a caption and a border of its own.
class vWindow : public vBaseWindow {
public:
    // A width or height of 0 takes the application's default.
    vWindow(const char* name = "", int width = 0, int height = 0);
    ~vWindow() override;

    void Build() override;

    virtual void OnKey(int key, int shift);
    virtual void OnMenuItem(int id);
    virtual void OnCommand(int id, int value, int type);
    virtual void OnIdleWork() {}
    virtual void AddPane(vPane* pane);
    virtual int QueryValue(int id);
    virtual int QueryText(int id, char* buffer, int capacity);
    virtual void BringToFront();
    virtual void PutValue(int id, int value, int kind);
    virtual void PutText(int id, const char* text);
    virtual void PutValueEverywhere(int id, int value, int kind);
    virtual void PutTextEverywhere(int id, const char* text);
    void SetCaption(const char* text) override;
    // Outer position relative to the frame's client area, and outer size.
    virtual void QueryPlacement(int& left, int& top, int& width, int& height);
    virtual void MoveTo(int left, int top);
    // Forgets the platform window: unregisters the window from the frame.
    virtual void Teardown();

    // The application linked when the window was made; it forgets the window when it
    // ends, so a window that outlives it finds none.
    vApp* App() const override { return app_; }
    void ForgetApp() { app_ = nullptr; }

    // ---- Framework hooks -----------------------------------------------------------------
    bool IsBuilt() const { return built_; }
    int RequestedWidth() const { return requestedWidth_; }
    int RequestedHeight() const { return requestedHeight_; }
    void SetRequestedSize(int width, int height);
    const std::vector<vPane*>& Panes() const { return panes_; }
    void RemovePane(vPane* pane);

    vPane* MenuPane() const { return menuPane_; }
    void SetMenuPane(vPane* pane) { menuPane_ = pane; }
    vPane* CanvasPane() const { return canvasPane_; }
    void SetCanvasPane(vPane* pane) { canvasPane_ = pane; }

    // The window's outer area and the part of it the canvas fills (frame raster coordinates).
    vWindowView& View() { return view_; }
    vRect ClientRect() const { return view_.ClientRect(); }
    // Places the canvas again after the window's client area changed.
    void LayoutClient();
    // Shares the client area out: by default the canvas fills it. A window that shows
    // something beside its canvas places both.
    virtual void PlaceClient(const vRect& client);

    // A key code and shift state after translation: a menu key chooses its item,
    // anything else goes to OnKey.
    void DispatchKey(int key, int shift);

    // Activation and focus, as the frame reports them.
    void Activated(vWindow* previous);
    void ForgetPrevious() { previousActive_ = nullptr; }
    void FocusGained();
    void FocusLost();
    bool HasFocus() const { return hasFocus_; }

    // The canvas's left-button rules.
    bool IsLeftDown() const { return leftDown_; }
    void SetLeftDown(bool down) { leftDown_ = down; }
    bool JustActivated() const { return justActivated_; }
    void ClearJustActivated() { justActivated_ = false; }
    vWindow* PreviousActive() const { return previousActive_; }

protected:
    // Creates the window's view in the frame's window area and activates it.
    void CreateView();

    vApp* app_;
    int requestedWidth_;
    int requestedHeight_;
    std::vector<vPane*> panes_;
    vPane* menuPane_ = nullptr;
    vPane* canvasPane_ = nullptr;
    vWindowView view_;
    bool built_ = false;
    bool tornDown_ = false;
    bool hasFocus_ = false;
    bool leftDown_ = false;
    bool justActivated_ = false;
    vWindow* previousActive_ = nullptr;
};

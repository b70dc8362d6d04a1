#pragma once

#include <string>

#include "framework/controls/cmd_parent.h"
#include "framework/controls/tool_tip.h"
#include "framework/dialogs/dialog_view.h"
#include "framework/window/base_window.h"

// A dialog: a floating window inside the frame holding controls built from a
// CommandObject table. Present shows it (a modal one runs until Dismiss); commands of
// its controls reach OnDialogCommand. It can be presented and dismissed any number of
// times; its controls and their states live as long as the object.
class vDialog : public vBaseWindow, public vCmdParent {
public:
    // Where a dialog opens, in dialog units from the frame's client area.
    static constexpr int kOpenLeftUnits = 10;
    static constexpr int kOpenTopUnits = 25;

    vDialog(vBaseWindow* window, int modal = 0, const char* title = "");
    ~vDialog() override;

    virtual void AddControls(const CommandObject* table);
    virtual void AdoptControl(const CommandObject& record, vCmd* control);
    // Every control reverts to its shown state, then the dialog closes.
    virtual void RevertAndClose();
    virtual void Dismiss();
    void SetCaption(const char* text) override;
    // Default: vCancelId reverts and closes; vDoneId and vOkId close.
    virtual void OnDialogCommand(int id, int value, int type);
    virtual void OnDialogReady() {}
    // Shows the dialog; message replaces the titles of AttrMessage controls.
    virtual void Present(const char* message = "");
    void RouteCommand(int id, int value, int type) override;

    // Outer position relative to the frame's client area, and outer size (pixels).
    void QueryPlacement(int& left, int& top, int& width, int& height);
    void MoveTo(int left, int top);
    // Where a dialog larger than the frame's client area goes in that direction.
    enum class Larger { kAtEdge, kStays };
    // Centred over the frame's client area in each direction in which it is smaller.
    void CentreOverFrame(Larger larger = Larger::kAtEdge);

    bool IsShown() const { return shown_; }
    bool IsModal() const { return modal_; }
    vBaseWindow* Owner() const { return owner_; }
    // The owner's application; a dialog without owner belongs to the program's.
    vApp* App() const override { return AppOf(owner_); }
    vApp* ParentApp() const override { return App(); }
    vDialogView& View() { return view_; }

    void ControlsChanged() override { view_.Invalidate(); }
    void HoldTicks(bool on) override { view_.Host().Hold(on); }

protected:
    // The steps of Present before a modal run: messages, remembered values, start-up.
    // Off screen, the controls start without a window (a script answers the dialog).
    void ShowWith(const char* message, bool onScreen);
    // Creates the floating window and starts the controls; false without a window.
    bool Open(bool onScreen);
    // Runs the frame's nested loop until Dismiss; false when it was abandoned.
    bool RunModalLoop();
    void Close();

private:
    vBaseWindow* owner_;
    bool modal_;
    bool shown_ = false;
    int left_ = -1;  // pixels from the frame's client area; -1 until first placed
    int top_ = -1;
    vToolTip tip_;
    vDialogView view_;
};

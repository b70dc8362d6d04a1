#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/controls/cmd.h"
#include "framework/controls/command_object.h"
#include "framework/controls/dialog_description.h"
#include "framework/controls/layout.h"
#include "framework/look/dialog_units.h"

class vApp;
class vDC;
class vTextRenderer;

// The container of controls made from a CommandObject table: a dialog, a command bar
// or a status bar. It builds and lays out the controls, answers value and text
// queries, routes their commands, paints them and gives them the user's input.
class vCmdParent {
public:
    explicit vCmdParent(int kind);
    vCmdParent(const vCmdParent&) = delete;
    vCmdParent& operator=(const vCmdParent&) = delete;
    virtual ~vCmdParent();

    // A command from one of the controls: a dialog passes it to OnDialogCommand, a
    // command bar to its window's OnCommand.
    virtual void RouteCommand(int id, int value, int type) = 0;
    // Copies at most capacity - 1 characters of a text entry's text and a terminating
    // zero; returns the length. An unknown id gives an empty text and 0.
    virtual int QueryText(int id, char* buffer, int capacity);
    virtual int QueryValue(int id);
    virtual void PutValue(int id, int value, int kind);
    virtual void PutText(int id, const char* text);
    // Hides (on = 0) or shows every control in frame frameId, and the contents of
    // frames among them.
    virtual void ShowFrameContents(int frameId, int on);
    // Gives control id a new width in dialog units; the controls placed to its right
    // move along with its right edge (the fields of a status bar).
    void SetControlWidth(int id, int width);
    // Creates the control object for a record, by its type.
    virtual vCmd* MakeControl(const CommandObject& record);

    // ---- Building ---------------------------------------------------------------------------
    // Makes and adopts a control for each record up to the one of type ctEnd.
    void AddControlTable(const CommandObject* table);
    // Builds a made control into the layout and the description and keeps it. Returns
    // false when the description cannot hold it (the build has then failed).
    bool AdoptMadeControl(vCmd* control);
    // Called by a control's BuildControl: lays it out and describes it.
    bool PlaceControl(vCmd& control, const vControlSize& size);

    int ParentKind() const { return kind_; }
    // Measured from the container's text renderer on first use.
    const vDialogUnits& Units() const;
    void SetUnits(const vDialogUnits& units);
    const vDialogLayout& Layout() const { return layout_; }
    const vDialogDescription& Description() const { return description_; }
    bool BuildFailed() const { return buildFailed_; }
    // The client area in pixels.
    int ClientPixelWidth() const { return Units().X(layout_.ClientWidth()); }
    int ClientPixelHeight() const { return Units().Y(layout_.ClientHeight()); }

    // ---- Controls ---------------------------------------------------------------------------
    // The newest control with that id, or null.
    vCmd* FindControl(int id) const;
    // In creation order (the list itself is kept newest first by walking it backwards).
    const std::vector<std::unique_ptr<vCmd>>& Controls() const { return controls_; }
    vCmd* DefaultControl() const { return defaultControl_; }
    vCmd* FirstTextEntry() const { return firstTextEntry_; }

    // ---- Running ------------------------------------------------------------------------------
    // The start-up of every control, newest first, and the choice of the first focus.
    void StartControls();
    void PaintControls(vDC& dc);
    // Input in client pixels; each returns whether it was used.
    bool ControlPointerDown(int x, int y, int clicks);
    void ControlPointerMove(int x, int y);
    void ControlPointerUp(int x, int y);
    // The container lost the pointer while a control was pressed.
    void ControlPointerCancel();
    bool ControlKeyDown(int key, int modifiers);
    bool ControlTextInput(const std::string& text);
    void ControlPointerHeld();
    bool ControlWheel(int x, int y, int notches);
    bool IsPointerPressed() const { return pressed_ != nullptr; }
    vCmd* ControlAt(int x, int y) const;

    vCmd* FocusControl() const { return focus_; }
    void SetFocusControl(vCmd* control);
    void MoveFocus(bool backwards);
    // The container gained or lost the keyboard as a whole.
    void ContainerFocusChanged(bool gained);
    bool ContainerHasFocus() const { return containerFocus_; }
    // Acts as a click on the control with vCancelId (Escape, the close box).
    bool ClickCancel();
    bool ClickDefault();
    // Escape that no focused control took: a click on the control with vCancelId.
    virtual void EscapePressed() { ClickCancel(); }

    // ---- Services controls ask for ------------------------------------------------------
    // Redraw the container before the next composition.
    virtual void ControlsChanged() {}
    // A control has handled the user's action and sent its command.
    virtual void ControlNotified(vCmd& /*control*/) {}
    // The application of the dialog or window the container belongs to; null when it
    // has none (the clipboard is then the container's own).
    virtual vApp* ParentApp() const { return nullptr; }
    // What measures and draws the controls' text: the platform's of ParentApp().
    virtual vTextRenderer* TextRenderer() const;
    virtual std::string ClipboardText() const;
    virtual void SetClipboardText(const std::string& text);
    // Starts or stops the repeat ticks for a control the pointer holds down.
    virtual void HoldTicks(bool /*on*/) {}

protected:
    // The description could not be built: reports it and ends the program.
    virtual void ReportBuildFailure(const char* message);

private:
    bool IsFocusable(const vCmd* control) const;
    // Forgets the pressed control and its repeats; returns it.
    vCmd* EndPress();
    bool ClickMnemonic(int key);
    void UpdateFrameItems();

    int kind_;
    std::vector<std::unique_ptr<vCmd>> controls_;
    vDialogLayout layout_;
    vDialogDescription description_;
    mutable vDialogUnits units_;
    mutable bool unitsMeasured_ = false;
    vCmd* defaultControl_ = nullptr;
    vCmd* firstTextEntry_ = nullptr;
    vCmd* focus_ = nullptr;
    vCmd* pressed_ = nullptr;
    std::string ownClipboard_;  // the clipboard while there is no application
    bool containerFocus_ = false;
    bool buildFailed_ = false;
};

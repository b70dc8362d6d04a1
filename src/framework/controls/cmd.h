#pragma once

#include <string>
#include <string_view>

#include "framework/controls/command_object.h"
#include "framework/controls/control_size.h"
#include "framework/controls/layout.h"
#include "framework/draw/geometry.h"

class vCmdParent;
class vDC;

// Notifications a control gives itself when the user acts on it; OnNotify turns them
// into the command of the control's type.
enum vNotifyCode {
    vNotifyClicked = 1,
    vNotifyTextChanged,
    vNotifyFocusLost,
    vNotifyStepUp,
    vNotifyStepDown,
    vNotifySelectionChanged,
    vNotifyActivated,
};

// One control made from a CommandObject record. The record must outlive the control:
// tables are static, and containers that make records keep them.
class vCmd {
public:
    vCmd(vCmdParent* parent, const CommandObject& record);
    vCmd(const vCmd&) = delete;
    vCmd& operator=(const vCmd&) = delete;
    virtual ~vCmd() = default;

    // Sizes the control, places it by the layout rules and adds it to the description.
    virtual void BuildControl();
    // The current value, -1 when id is not this control's, 0 for controls without one.
    virtual int CurrentValue(int id) const;
    virtual void Revert() {}
    virtual void Remember() { remembered_ = record_.value; }
    virtual void Apply(int value, int kind);
    virtual void SetLabel(const char* text);
    virtual void OnNotify(int code, int extra);
    // The size rules; owner-drawn controls paint themselves in Paint.
    virtual vControlSize Measure() const;
    virtual void Paint(vDC& dc);
    // This control when it has that id.
    virtual vCmd* PlatformHandle(int id) { return id == id_ ? this : nullptr; }

    // ---- Start-up, each time the container is shown -------------------------------------
    // Shows the title and takes the record's state where the control does.
    virtual void StartUp();
    // Takes the message given to Present as title (AttrMessage controls).
    void TakeMessage(std::string_view message) { text_ = message; }

    // ---- Interaction (pixels relative to the container's client area) -------------------
    virtual bool TakesFocus() const { return false; }
    // Takes input at all: enabled, shown, and not a decoration.
    virtual bool TakesInput() const { return enabled_ && !hidden_; }
    virtual void OnPointerDown(int /*x*/, int /*y*/, int /*clicks*/) {}
    virtual void OnPointerDrag(int /*x*/, int /*y*/) {}
    virtual void OnPointerUp(int /*x*/, int /*y*/) {}
    virtual void OnPointerHeld() {}
    // The press ended without a release (the container lost the pointer): let go
    // without acting.
    virtual void OnPointerCancel() {}
    virtual bool OnKeyDown(int /*key*/, int /*shift*/) { return false; }
    virtual bool OnTextInput(std::string_view /*text*/) { return false; }
    // The wheel turned notches away from the user (negative: towards).
    virtual bool OnWheel(int /*notches*/) { return false; }
    virtual void OnFocusChange(bool /*gained*/) {}
    // Acts as a click (Enter on the default button, Escape on the cancel button,
    // a mnemonic, Space on the focused control).
    virtual void Click() {}
    // Overlays (an open combo box list) are drawn last and take the pointer first.
    virtual bool HasOverlay() const { return false; }
    virtual bool OverlayContains(int /*x*/, int /*y*/) const { return false; }
    virtual void PaintOverlay(vDC& /*dc*/) {}

    // ---- State ---------------------------------------------------------------------------
    int Id() const { return id_; }
    int Type() const { return record_.type; }
    int Attributes() const { return record_.attributes; }
    int FrameId() const { return record_.frame; }
    const CommandObject& Record() const { return record_; }
    const std::string& Text() const { return text_; }
    const char* Tip() const { return record_.tip; }
    int Value() const { return value_; }
    int Remembered() const { return remembered_; }
    bool IsEnabled() const { return enabled_; }
    bool IsHidden() const { return hidden_; }
    bool HasFocus() const;
    const vControlPlace& Place() const { return place_; }
    vControlPlace& Place() { return place_; }
    // The control's box in pixels, relative to the container's client area.
    vRect PixelRect() const;
    bool Contains(int x, int y) const;
    // The letter after "&" in the title, lower case, or 0.
    char Mnemonic() const;

    void SetEnabled(bool enabled);
    void SetHidden(bool hidden);

protected:
    void Changed();
    void Send(int value);
    // The text a label-like control starts with: the title, or empty.
    static std::string TitleOf(const CommandObject& record);

    vCmdParent* parent_;
    const CommandObject& record_;
    int id_;
    std::string text_;
    int value_;
    int remembered_;
    bool enabled_;
    bool hidden_ = false;
    vControlPlace place_;
};

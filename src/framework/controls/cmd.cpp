#include "framework/controls/cmd.h"

#include "framework/look/mnemonic.h"

#include <cctype>

#include "framework/controls/cmd_parent.h"
#include "framework/look/paint.h"
#include "framework/look/system_colors.h"

vCmd::vCmd(vCmdParent* parent, const CommandObject& record)
    : parent_(parent),
      record_(record),
      id_(record.id),
      text_(TitleOf(record)),
      value_(record.value),
      remembered_(record.value),
      enabled_(record.sensitive & 1) {}

std::string vCmd::TitleOf(const CommandObject& record) {
    return record.title ? std::string(record.title) : std::string();
}

void vCmd::BuildControl() { parent_->PlaceControl(*this, Measure()); }

vControlSize vCmd::Measure() const { return MeasureControl(record_, text_, parent_->ParentKind()); }

int vCmd::CurrentValue(int id) const { return id == id_ ? 0 : -1; }

void vCmd::Apply(int value, int kind) {
    switch (kind) {
    case StateEnabled: SetEnabled(value != 0); break;
    case StateHidden: SetHidden(value != 0); break;
    default: break;
    }
}

void vCmd::SetLabel(const char* text) {
    text_ = text ? text : "";
    Changed();
}

void vCmd::OnNotify(int code, int /*extra*/) {
    if (code == vNotifyClicked) Send(value_);
}

void vCmd::StartUp() {
    hidden_ = (record_.attributes & AttrHidden) != 0;
}

void vCmd::Paint(vDC& dc) {
    vRect r = PixelRect();
    vPaint::Text(dc, r.x, r.y, text_, enabled_ ? vColorWindowText : vColorGrayText);
}

bool vCmd::HasFocus() const { return parent_->FocusControl() == this; }

vRect vCmd::PixelRect() const {
    const vDialogUnits& units = parent_->Units();
    int left = units.X(place_.x), top = units.Y(place_.y);
    return {left, top, units.X(place_.x + place_.width) - left, units.Y(place_.y + place_.height) - top};
}

bool vCmd::Contains(int x, int y) const {
    vRect r = PixelRect();
    return x >= r.x && y >= r.y && x < r.x + r.w && y < r.y + r.h;
}

char vCmd::Mnemonic() const { return vParseMnemonic(text_).Letter(); }

void vCmd::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    if (!enabled && HasFocus()) parent_->SetFocusControl(nullptr);
    Changed();
}

void vCmd::SetHidden(bool hidden) {
    if (hidden_ == hidden) return;
    hidden_ = hidden;
    if (hidden && HasFocus()) parent_->SetFocusControl(nullptr);
    Changed();
}

void vCmd::Changed() { parent_->ControlsChanged(); }

void vCmd::Send(int value) {
    parent_->RouteCommand(id_, value, record_.type);
    parent_->ControlNotified(*this);
}

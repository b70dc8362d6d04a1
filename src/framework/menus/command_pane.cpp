#include "framework/menus/command_pane.h"

#include "framework/controls/tool_tip.h"
#include "framework/look/paint.h"
#include "framework/look/system_colors.h"
#include "framework/window/app.h"
#include "framework/window/window.h"

vCommandPane::vCommandPane(const CommandObject* commandObjects)
    : vPaneTextQuery(vPaneCommandBar), vCmdParent(vParentCommandBar), table_(commandObjects), host_(*this, *this) {
    host_.SetToolTip(&tip_);
}

vCommandPane::vCommandPane(const StatusItem* statusItems)
    : vPaneTextQuery(vPaneStatusBar), vCmdParent(vParentStatusBar), host_(*this, *this) {
    host_.SetToolTip(&tip_);
    int count = 0;
    while (statusItems && statusItems[count].label) ++count;
    // The records must not move once controls refer to them.
    statusRecords_.reserve(count + 1);
    for (int i = 0; i < count; ++i) {
        const StatusItem& item = statusItems[i];
        statusRecords_.push_back({.type = ctBoxedLabel, .id = item.id, .title = item.label,
                                  .attributes = item.attributes, .sensitive = item.sensitive & 1,
                                  .size = item.width});
    }
    statusRecords_.push_back({});
    table_ = statusRecords_.data();
}

vCommandPane::~vCommandPane() {
    host_.HideTip();
    if (vApp* app = WindowApp()) app->Layout().RemoveBar(this);
}

void vCommandPane::Attach(vWindow* window) {
    vPane::Attach(window);
    AddControlTable(table_);
    StartControls();
    SetBarHeight(ClientPixelHeight());
    if (vApp* app = WindowApp()) {
        app->Layout().AddBar(this);
        app->Layout().ShowActiveBars();
        app->Layout().Arrange();
    }
    Invalidate();
}

bool vCommandPane::QueryValue(int id, int& value) {
    if (!FindControl(id)) return false;
    value = vCmdParent::QueryValue(id);
    return true;
}

bool vCommandPane::QueryPaneText(int id, char* buffer, int capacity) {
    if (!FindControl(id)) return false;
    vCmdParent::QueryText(id, buffer, capacity);
    return true;
}

void vCommandPane::PutValue(int id, int value, int kind) { vCmdParent::PutValue(id, value, kind); }

void vCommandPane::PutText(int id, const char* text) { vCmdParent::PutText(id, text); }

void vCommandPane::RouteCommand(int id, int value, int type) {
    if (window_) window_->OnCommand(id, value, type);
}

void vCommandPane::ControlNotified(vCmd& control) {
    int type = control.Type();
    if (type == ctTextIn || type == ctList || type == ctComboBox) return;
    vApp* app = WindowApp();
    if (app && app->Frame().Focus() == this) app->Frame().SetFocus(nullptr);
}

void vCommandPane::SetPaneEnabled(bool enabled) {
    if (paneEnabled_ == enabled) return;
    paneEnabled_ = enabled;
    for (const auto& control : Controls()) control->SetEnabled(enabled && (control->Record().sensitive & 1));
    Invalidate();
}

void vCommandPane::Paint() {
    vViewDC dc(*this);
    int w = Bounds().w, h = Bounds().h;
    vPaint::Fill(dc, {0, 0, w, h}, vColorButtonFace);
    if (PaneKind() == vPaneCommandBar) {
        vPaint::HLine(dc, 0, 0, w, vColorButtonHighlight);
        vPaint::HLine(dc, 0, h - 1, w, vColorButtonShadow);
    } else {
        vPaint::HLine(dc, 0, 0, w, vColorButtonShadow);
        vPaint::HLine(dc, 0, 1, w, vColorButtonHighlight);
        vPaint::ThinSunkenEdge(dc, {10, 3, w - 20, h - 6});
    }
    PaintControls(dc);
}

bool vCommandPane::HandleInput(const vPlatformEvent& event) {
    if (!paneEnabled_) return true;
    switch (event.kind) {
    case vEventKind::KeyDown:
    case vEventKind::TextInput:
        return host_.Key(event);
    case vEventKind::ButtonDown: {
        bool used = host_.Pointer(event);
        // A text entry of the bar keeps the keyboard until the user leaves it.
        vCmd* focus = FocusControl();
        vApp* app = WindowApp();
        if (used && app && focus && focus->Type() == ctTextIn) app->Frame().SetFocus(this);
        return true;
    }
    default:
        host_.Pointer(event);
        return true;
    }
}

void vCommandPane::OnFocusChange(bool hasFocus) { ContainerFocusChanged(hasFocus); }

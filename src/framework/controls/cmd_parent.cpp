#include "framework/controls/cmd_parent.h"

#include <algorithm>
#include <cstring>

#include "framework/controls/control_factory.h"
#include "framework/controls/text_in_cmd.h"
#include "framework/window/app.h"

vCmdParent::vCmdParent(int kind) : kind_(kind), layout_(kind) {}

// Measured on first use, by when the container knows its application, and kept, so a
// layout never changes its units; a container without a text renderer keeps the defaults.
const vDialogUnits& vCmdParent::Units() const {
    if (!unitsMeasured_) {
        units_ = vMeasureDialogUnits(TextRenderer());
        unitsMeasured_ = true;
    }
    return units_;
}

void vCmdParent::SetUnits(const vDialogUnits& units) {
    units_ = units;
    unitsMeasured_ = true;
}

vTextRenderer* vCmdParent::TextRenderer() const {
    vApp* app = ParentApp();
    return app ? app->Frame().TextRenderer() : nullptr;
}

vCmdParent::~vCmdParent() = default;

vCmd* vCmdParent::MakeControl(const CommandObject& record) { return vMakeControlFor(this, record); }

void vCmdParent::AddControlTable(const CommandObject* table) {
    for (const CommandObject* record = table; record && record->type != ctEnd; ++record) {
        if (!AdoptMadeControl(MakeControl(*record))) return;
    }
}

bool vCmdParent::AdoptMadeControl(vCmd* control) {
    if (!control || buildFailed_) {
        delete control;
        return false;
    }
    controls_.emplace_back(control);
    control->BuildControl();
    if (buildFailed_) return false;
    if (control->Type() == ctTextIn && !firstTextEntry_) firstTextEntry_ = control;
    if (control->Attributes() & AttrDefault) defaultControl_ = control;
    return true;
}

bool vCmdParent::PlaceControl(vCmd& control, const vControlSize& size) {
    layout_.Place(control.Place(), control.Record(), size);
    if (description_.Add(control.Place())) {
        UpdateFrameItems();
        if (!buildFailed_) return true;
    }
    buildFailed_ = true;
    ReportBuildFailure("Can't build dialog template.");
    return false;
}

// Frames grow as their contents are placed; their items follow.
void vCmdParent::UpdateFrameItems() {
    for (const auto& control : controls_) {
        if (control->Place().IsFrame() && !description_.Update(control->Place())) buildFailed_ = true;
    }
}

void vCmdParent::ReportBuildFailure(const char* message) {
    if (vApp* app = ParentApp()) {
        app->ShowWarning(message);
        app->EndEventLoop(99);
    }
}

vCmd* vCmdParent::FindControl(int id) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        if ((*it)->Id() == id) return it->get();
    }
    return nullptr;
}

int vCmdParent::QueryText(int id, char* buffer, int capacity) {
    if (!buffer || capacity <= 0) return 0;
    buffer[0] = 0;
    auto* entry = dynamic_cast<vTextInCmd*>(FindControl(id));
    if (!entry) return 0;
    const std::string& text = entry->EntryText();
    int length = std::min(static_cast<int>(text.size()), capacity - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = 0;
    return length;
}

int vCmdParent::QueryValue(int id) {
    vCmd* control = FindControl(id);
    return control ? control->CurrentValue(id) : 0;
}

void vCmdParent::PutValue(int id, int value, int kind) {
    if (vCmd* control = FindControl(id)) control->Apply(value, kind);
}

void vCmdParent::PutText(int id, const char* text) {
    if (vCmd* control = FindControl(id)) control->SetLabel(text);
}

void vCmdParent::ShowFrameContents(int frameId, int on) {
    for (const auto& control : controls_) {
        if (control->FrameId() != frameId || control->Id() == frameId) continue;
        control->SetHidden(on == 0);
        if (control->Place().IsFrame()) ShowFrameContents(control->Id(), on);
    }
}

void vCmdParent::SetControlWidth(int id, int width) {
    vCmd* resized = FindControl(id);
    if (!resized || resized->Place().width == width) return;
    vControlPlace& place = resized->Place();
    int right = place.x + place.width;
    int shift = width - place.width;
    place.width = width;
    description_.Update(place);
    for (const auto& control : controls_) {
        vControlPlace& other = control->Place();
        if (&other == &place || other.x < right) continue;
        other.x += shift;
        description_.Update(other);
    }
    ControlsChanged();
}

void vCmdParent::StartControls() {
    focus_ = nullptr;
    pressed_ = nullptr;
    vCmd* firstFocus = nullptr;
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        vCmd* control = it->get();
        control->StartUp();
        // Visited newest first, so the earliest declared candidate keeps the focus.
        bool candidate = (control->Attributes() & AttrDefault) || control->Type() == ctTextIn;
        if (candidate && IsFocusable(control)) firstFocus = control;
    }
    if (!firstFocus) {
        auto first = std::find_if(controls_.begin(), controls_.end(),
                                  [this](const auto& c) { return IsFocusable(c.get()); });
        if (first != controls_.end()) firstFocus = first->get();
    }
    focus_ = firstFocus;
    if (focus_ && containerFocus_) focus_->OnFocusChange(true);
    ControlsChanged();
}

void vCmdParent::PaintControls(vDC& dc) {
    dc.UseFont(vDialogFont());
    for (const auto& control : controls_) {
        if (!control->IsHidden()) control->Paint(dc);
    }
    for (const auto& control : controls_) {
        if (!control->IsHidden() && control->HasOverlay()) control->PaintOverlay(dc);
    }
}

std::string vCmdParent::ClipboardText() const {
    vApp* app = ParentApp();
    return app && app->Platform() ? app->ClipboardText() : ownClipboard_;
}

void vCmdParent::SetClipboardText(const std::string& text) {
    vApp* app = ParentApp();
    if (app && app->Platform()) app->SetClipboardText(text);
    else ownClipboard_ = text;
}

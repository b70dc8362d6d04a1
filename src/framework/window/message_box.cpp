#include "framework/window/message_box.h"

#include <algorithm>

#include "framework/draw/memory_dc.h"
#include "framework/look/dialog_units.h"
#include "framework/look/system_colors.h"
#include "framework/window/app.h"

namespace {

constexpr int kSignSize = 32;
constexpr int kMargin = 12;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '\n') lines.emplace_back();
        else if (c != '\r') lines.back() += c;
    }
    return lines;
}

void UseColors(vDC& dc, const vColor& pen, const vColor& brush, int penStyle = vSolid) {
    dc.UsePen(vPen(pen, 1, penStyle));
    dc.UseBrush(vBrush(brush));
}

}  // namespace

vWarningBox::vWarningBox(const std::string& text) : lines_(SplitLines(text)) {}

vRect vWarningBox::OkButton() const {
    return vRect{(Bounds().w - kButtonWidth) / 2, Bounds().h - kMargin - kButtonHeight, kButtonWidth,
                 kButtonHeight};
}

void vWarningBox::Run(vApp& app) {
    vMemoryDC measure(1, 1);
    measure.UseTextRenderer(app.Frame().TextRenderer());
    measure.UseFont(vDialogFont());
    int ascent = 0, descent = 0;
    lineHeight_ = std::max(measure.FontHeight(ascent, descent), 1);
    int textWidth = 0;
    for (const std::string& line : lines_) textWidth = std::max(textWidth, measure.TextExtent(line.c_str()));
    int textHeight = std::max(int(lines_.size()) * lineHeight_, kSignSize);
    int width = std::max(kMargin * 3 + kSignSize + textWidth, kButtonWidth + 2 * kMargin + 100);
    int height = vCaptionBox::OuterHeight(kMargin + textHeight + kMargin + kButtonHeight + kMargin) - vCaptionBox::kBorder;
    vFrame& frame = app.Frame();
    SetBounds(std::max((frame.Width() - width) / 2, 0), std::max((frame.Height() - height) / 2, 0),
              width, height);
    frame.AddFloating(this);
    frame.RememberFocus(this);
    frame.SetFocus(this);
    app.Loop().RunModal(this, [this] { return closed_; });
    frame.RemoveFloating(this);
    vView* focus = frame.RecallFocus(this);
    // A menu strip holds the keyboard only while its menu is open, and the box closed it:
    // the box's own removal gives the keyboard back to the window instead.
    if (focus && focus != this && focus != frame.MenuStrip()) frame.SetFocus(focus);
}

void vWarningBox::Paint() {
    vViewDC dc(*this);
    caption_.Paint(dc, Bounds().w, Bounds().h, kCaption, true);
    int top = vCaptionBox::ClientTop();
    PaintSign(dc, kMargin, top + kMargin);
    dc.UseFont(vDialogFont());
    dc.UsePen(vPen(0, 0, 0, 1, vTransparent));
    int textX = kMargin * 2 + kSignSize;
    for (size_t i = 0; i < lines_.size(); ++i) {
        dc.WriteText(textX, top + kMargin + int(i + 1) * lineHeight_, lines_[i].c_str());
    }
    PaintButton(dc);
}

// A yellow triangle holding an exclamation mark.
void vWarningBox::PaintSign(vDC& dc, int x, int y) {
    vPoint triangle[4] = {{x + kSignSize / 2, y}, {x + kSignSize - 1, y + kSignSize - 2},
                          {x, y + kSignSize - 2}, {x + kSignSize / 2, y}};
    UseColors(dc, vColor(0, 0, 0), vColor(255, 220, 0));
    dc.PaintPolygon(4, triangle, vAlternate);
    UseColors(dc, vColor(0, 0, 0), vColor(0, 0, 0));
    dc.PaintBox(x + kSignSize / 2 - 1, y + 9, 2, 11);
    dc.PaintBox(x + kSignSize / 2 - 1, y + 23, 2, 2);
}

void vWarningBox::PaintButton(vDC& dc) {
    vRect b = OkButton();
    UseColors(dc, vColor(0, 0, 0), vColorButtonFace);
    dc.PaintBox(b.x, b.y, b.w - 1, b.h - 1);
    const vColor& light = pressed_ ? vColorButtonShadow : vColorButtonHighlight;
    const vColor& dark = pressed_ ? vColorButtonHighlight : vColorButtonShadow;
    dc.UsePen(vPen(light));
    dc.PaintLine(b.x + 1, b.y + b.h - 3, b.x + 1, b.y + 1);
    dc.PaintLine(b.x + 1, b.y + 1, b.x + b.w - 2, b.y + 1);
    dc.UsePen(vPen(dark));
    dc.PaintLine(b.x + b.w - 3, b.y + 1, b.x + b.w - 3, b.y + b.h - 2);
    dc.PaintLine(b.x + 1, b.y + b.h - 3, b.x + b.w - 2, b.y + b.h - 3);
    dc.UsePen(vPen(0, 0, 0, 1, vTransparent));
    int shift = pressed_ ? 1 : 0;
    int textWidth = dc.TextExtent("OK");
    dc.WriteText(b.x + (b.w - textWidth) / 2 + shift, b.y + b.h / 2 + lineHeight_ / 2 - 2 + shift, "OK");
}

// The caption drags the box and its close box acts as OK.
bool vWarningBox::CaptionInput(const vPlatformEvent& event) {
    vCaptionBox::Step step = caption_.Pointer(event, Bounds().w);
    if (!step.used) return false;
    vFrame* frame = Frame();
    if (step.capture && frame) frame->CapturePointer(this);
    if ((step.dx != 0 || step.dy != 0) && frame) {
        vPoint move = vReachableStep(Bounds(), step.dx, step.dy, frame->ClientArea());
        MoveBy(move.x, move.y);
    }
    if (step.release && frame) frame->ReleasePointer(this);
    if (step.capture || step.release) Invalidate();
    if (step.close) closed_ = true;
    return true;
}

bool vWarningBox::HandleInput(const vPlatformEvent& event) {
    if (CaptionInput(event)) return true;
    vRect b = OkButton();
    bool onButton = event.x >= b.x && event.y >= b.y && event.x < b.x + b.w && event.y < b.y + b.h;
    switch (event.kind) {
        case vEventKind::ButtonDown:
            if (event.button == 1 && onButton) {
                pressed_ = true;
                Invalidate();
            }
            break;
        case vEventKind::ButtonUp:
            if (pressed_ && onButton) closed_ = true;
            pressed_ = false;
            Invalidate();
            break;
        case vEventKind::KeyDown:
            if (event.key == vKeyReturn || event.key == vKeyEscape || event.key == ' ') closed_ = true;
            break;
        default: break;
    }
    return true;
}

#include "framework/controls/boxed_label_cmd.h"

#include <cstring>

#include "framework/look/paint.h"
#include "framework/look/system_colors.h"

vBoxedLabelCmd::vBoxedLabelCmd(vCmdParent* parent, const CommandObject& record) : vCmd(parent, record) {
    text_ = Copied(record.title);
}

std::string vBoxedLabelCmd::Copied(const char* text) {
    if (!text) return std::string();
    if (std::strlen(text) > kMaxChars) return "????????";
    return text;
}

void vBoxedLabelCmd::SetLabel(const char* text) {
    text_ = Copied(text);
    Changed();
}

void vBoxedLabelCmd::Paint(vDC& dc) {
    vRect r = PixelRect();
    vPaint::Fill(dc, r, vColorButtonFace);
    if (!(record_.attributes & AttrLarge)) vPaint::ThinSunkenEdge(dc, r);
    vPaint::TextInBox(dc, r, text_, enabled_ ? vColorWindowText : vColorGrayText);
}

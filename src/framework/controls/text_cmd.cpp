#include "framework/controls/text_cmd.h"

#include "framework/controls/cmd_parent.h"
#include "framework/look/paint.h"
#include "framework/look/system_colors.h"

vTextCmd::vTextCmd(vCmdParent* parent, const CommandObject& record) : vCmd(parent, record) {
    text_ = StartText();
}

std::string vTextCmd::StartText() const {
    const char* items = static_cast<const char*>(record_.items);
    if (items && *items) return items;
    return TitleOf(record_);
}

// A message given to Present has already replaced the title; keep it.
void vTextCmd::StartUp() {
    vCmd::StartUp();
    if (!(record_.attributes & AttrMessage)) text_ = StartText();
}

void vTextCmd::Paint(vDC& dc) {
    vRect r = PixelRect();
    if (!(record_.attributes & AttrNoBorder)) vPaint::ThinSunkenEdge(dc, r);
    const vDialogUnits& units = parent_->Units();
    int line = 0;
    size_t start = 0;
    while (start <= text_.size()) {
        size_t end = text_.find('\n', start);
        if (end == std::string::npos) end = text_.size();
        std::string shown = vPaint::Clipped(dc, std::string_view(text_).substr(start, end - start), r.w - units.X(3));
        vPaint::Text(dc, r.x + units.X(2), r.y + units.Y(1 + 11 * line), shown,
                     enabled_ ? vColorWindowText : vColorGrayText);
        ++line;
        start = end + 1;
    }
}

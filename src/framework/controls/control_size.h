#pragma once

#include <string_view>

#include "framework/controls/command_object.h"

// Which kind of container a control is built into; the layout differs between them.
enum vParentKind { vParentDialog = 0, vParentCommandBar = 1, vParentStatusBar = 2 };

// A control's size in dialog units. The layout advances by layoutHeight; the control
// itself is drawn drawnHeight high, drawnOffset units below its place.
struct vControlSize {
    int width = 0;
    int layoutHeight = 0;
    int drawnHeight = 0;
    int drawnOffset = 0;
};

// text is what the control shows when built: the title, or the replacement a text
// control takes from its items.
vControlSize MeasureControl(const CommandObject& record, std::string_view text, int parentKind);

// True for the type codes that have a control class of their own.
bool IsKnownControlType(int type);

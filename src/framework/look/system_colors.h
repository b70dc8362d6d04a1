#pragma once

#include "framework/draw/color.h"

// The colours the framework draws its own parts in.
inline constexpr vColor vColorButtonFace{212, 208, 200};
inline constexpr vColor vColorButtonShadow{128, 128, 128};
inline constexpr vColor vColorButtonHighlight{255, 255, 255};
inline constexpr vColor vColorDarkShadow{64, 64, 64};
inline constexpr vColor vColorAppWorkspace{128, 128, 128};
inline constexpr vColor vColorWindowBack{255, 255, 255};
inline constexpr vColor vColorWindowText{0, 0, 0};
inline constexpr vColor vColorGrayText{128, 128, 128};
inline constexpr vColor vColorSelection{0, 120, 215};
inline constexpr vColor vColorSelectionText{255, 255, 255};
inline constexpr vColor vColorActiveCaption{10, 36, 106};
inline constexpr vColor vColorInactiveCaption{128, 128, 128};
inline constexpr vColor vColorCaptionText{255, 255, 255};
// Shades the system colours do not name: the inner highlight of sunken edges and the
// background of tool tips.
inline constexpr vColor vColorLightEdge{228, 226, 222};
inline constexpr vColor vColorTipBack{255, 255, 225};

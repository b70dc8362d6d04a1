#pragma once

#include <memory>

#include "framework/menus/menu_pane.h"

// The frame's own menu bar, shown while no window menu is installed: one "&File" menu
// with "&New", "&Open", a separator and "E&xit". The program hands it to the frame
// (vFrame::SetOwnMenu) before start-up.
std::unique_ptr<vMenuPane> vMakeFrameFileMenu();

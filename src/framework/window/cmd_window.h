#pragma once

#include "framework/window/window.h"

// A window counted in the command-window list; applications derive their main
// window from it and add their panes in the constructor.
class vCmdWindow : public vWindow {
public:
    vCmdWindow(const char* name = "", int width = 0, int height = 0);
    ~vCmdWindow() override;

    // Leaves the command-window list, then does the vWindow steps; when no command
    // window remains, hides every pane and tells the application.
    void Teardown() override;
};

#pragma once

#include "framework/window/app.h"

class KnollCmdWindow;

// The application object: one exists, in single-window mode. It owns nothing but the
// pointer to its main window.
class KnollApp : public vApp {
public:
    KnollApp();

    void OnAppCommand(vWindow* window, int id, int value, int type) override;
    // Writes the settings file, then drops the window.
    int DropWindow(vWindow* window) override;
    void Quit() override;
    void OnAppKey(vWindow* window, int key, int shift) override;
    // Creates the main window when none is given.
    vWindow* OpenAppWindow(vWindow* window, const char* name, int width, int height,
                           vAppWinInfo* info) override;

    KnollCmdWindow* MainWindow() const { return mainWindow_; }

private:
    KnollCmdWindow* mainWindow_ = nullptr;
};

// The start hook: opens the main window, maximizes the frame, reads the settings, loads
// the remembered palette and field. "--seed S" fixes the seed of every roughen.
// Returns 0, or 2 for a start argument it cannot use.
int AppMain(int argc, char** argv);

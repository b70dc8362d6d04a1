#pragma once

#include "app/settings_file.h"
#include "framework/window/app.h"

class KnollCmdWindow;

// The application object: one exists, in single-window mode. It owns the settings and
// the pointer to its main window.
class KnollApp : public vApp {
public:
    KnollApp();

    // Writes the settings file, then drops the window. Exit, closing the frame and
    // closing the main window all end here, so the file is written once per run.
    int DropWindow(vWindow* window) override;
    // Creates the main window when none is given.
    vWindow* OpenAppWindow(vWindow* window, const char* name, int width, int height,
                           vAppWinInfo* info) override;

    KnollCmdWindow* MainWindow() const { return mainWindow_; }
    // The paths remembered between runs.
    KnollSettings& Settings() { return settings_; }

private:
    KnollCmdWindow* mainWindow_ = nullptr;
    KnollSettings settings_;
};

// The start hook: opens the main window, maximizes the frame, reads the settings, loads
// the remembered palette and the field named on the command line or else the remembered
// one. "--seed S" fixes the seed of every roughen. Returns 0, or 2 for a start argument
// it cannot use.
int AppMain(int argc, char** argv);

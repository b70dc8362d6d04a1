#pragma once

#include <string>
#include <utility>

#include "app/settings_file.h"
#include "framework/window/app.h"

class KnollCmdWindow;

// The application object: one exists, in single-window mode. It owns the settings and
// the pointer to its main window.
class KnollApp : public vApp {
public:
    KnollApp();

    // Asks about unsaved changes first (not when a signal or a logout ends the
    // program); a Cancel keeps it running.
    void Quit() override;
    // Writes the settings file, then drops the window. Exit, closing the frame and
    // closing the main window all end here, so the file is written once per run.
    int DropWindow(vWindow* window) override;
    void OnFileDropped(const vDropInfo& drop) override;
    // Creates the main window when none is given.
    vWindow* OpenAppWindow(vWindow* window, const char* name, int width, int height,
                           vAppWinInfo* info) override;

    KnollCmdWindow* MainWindow() const { return mainWindow_; }
    // The paths remembered between runs.
    KnollSettings& Settings() { return settings_; }
    // Where the installed help, palette and Intro field are, for files missing where
    // the editor works.
    const std::string& DataFolder() const { return dataFolder_; }
    void SetDataFolder(std::string folder) { dataFolder_ = std::move(folder); }

private:
    // False when the user keeps the program running to save first.
    bool MayEnd();

    KnollCmdWindow* mainWindow_ = nullptr;
    KnollSettings settings_;
    std::string dataFolder_;
};

// The start hook: opens the main window, maximizes the frame, reads the settings, loads
// the remembered palette and the field named on the command line or else the remembered
// one; at the first start in a folder without it, the installed Intro field. "--seed S"
// fixes the seed of every roughen. Returns 0, or 2 for a start argument it cannot use.
int AppMain(int argc, char** argv);

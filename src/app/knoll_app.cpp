#include "app/knoll_app.h"

#include <string>

#include "app/data_files.h"
#include "app/knoll_cmd_window.h"
#include "app/settings_file.h"
#include "app/start_arguments.h"

namespace {

constexpr const char* kAppName = "Knollwork";

}  // namespace

KnollApp::KnollApp() : vApp(kAppName, 1, 0, 0), dataFolder_(InstalledDataFolder()) {}

// Nobody may be there to answer a signal or a logout.
bool KnollApp::MayEnd() { return !mainWindow_ || Loop().IsAbandoning() || mainWindow_->SaveChangesFirst(); }

void KnollApp::Quit() {
    if (!IsQuitting() && !MayEnd()) return;
    vApp::Quit();
}

// Quit has asked already; a window closed on its own asks here.
int KnollApp::DropWindow(vWindow* window) {
    if (window && window == mainWindow_) {
        if (!IsQuitting() && !MayEnd()) return 0;
        mainWindow_->WriteSettings();
    }
    return vApp::DropWindow(window);
}

void KnollApp::OnFileDropped(const vDropInfo& drop) {
    if (mainWindow_) mainWindow_->OpenDropped(drop.path);
}

vWindow* KnollApp::OpenAppWindow(vWindow* window, const char* name, int width, int height,
                                 vAppWinInfo* info) {
    if (!name || !*name) name = kAppName;
    if (!window) window = new KnollCmdWindow(name, width, height);
    mainWindow_ = dynamic_cast<KnollCmdWindow*>(window);
    if (!info) info = new vAppWinInfo(name, nullptr);
    return vApp::OpenAppWindow(window, name, width, height, info);
}

int AppMain(int argc, char** argv) {
    KnollStartArguments arguments;
    if (!TakeStartArguments(argc, argv, arguments)) return kStartUsageError;
    auto* app = static_cast<KnollApp*>(vApp::Instance());
    app->OpenAppWindow(nullptr, "Last Map", 500, 400, nullptr);
    app->ShowFrame(vFrameShow::Maximized);
    KnollCmdWindow* window = app->MainWindow();
    if (arguments.seed) window->Document().SetFixedSeed(*arguments.seed);
    bool firstStart = window->ReadSettings();
    window->LoadStartPalette();
    if (!arguments.file.empty()) {
        window->FirstLoad(arguments.file);
    } else {
        // A first start in a folder without the Intro field opens the installed one.
        const std::string& remembered = app->Settings().lastMapPath;
        window->FirstLoad(firstStart ? window->DataFile(remembered) : remembered);
    }
    return 0;
}

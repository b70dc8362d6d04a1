#include "app/knoll_app.h"

#include <string>

#include "app/knoll_cmd_window.h"
#include "app/settings_file.h"
#include "app/start_arguments.h"

namespace {

constexpr const char* kAppName = "Knollwork";

}  // namespace

KnollApp::KnollApp() : vApp(kAppName, 1, 0, 0) {}

int KnollApp::DropWindow(vWindow* window) {
    if (window && window == mainWindow_) mainWindow_->WriteSettings();
    return vApp::DropWindow(window);
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
    window->ReadSettings();
    window->LoadStartPalette();
    window->FirstLoad(arguments.file.empty() ? app->Settings().lastMapPath : arguments.file);
    return 0;
}

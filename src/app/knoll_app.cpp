#include "app/knoll_app.h"

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "app/knoll_cmd_window.h"

namespace {

constexpr const char* kAppName = "Knollwork";
constexpr const char* kSeedOption = "--seed";

// Takes "--seed S" from the arguments into seed; false for a seed that is not a whole
// number from 0 to 4294967295.
bool TakeSeedOption(int argc, char** argv, std::optional<uint32_t>& fixedSeed) {
    for (int i = 1; i < argc && argv[i]; ++i) {
        if (std::strcmp(argv[i], kSeedOption) != 0) continue;
        const char* text = i + 1 < argc && argv[i + 1] ? argv[i + 1] : "";
        char* end = nullptr;
        unsigned long long seed = std::strtoull(text, &end, 10);
        if (!*text || *end || *text == '-' || seed > 0xFFFFFFFFull) {
            std::fprintf(stderr, "%s: '%s' is not a seed from 0 to 4294967295\n", kAppName, text);
            return false;
        }
        fixedSeed = uint32_t(seed);
    }
    return true;
}

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
    std::optional<uint32_t> fixedSeed;
    if (!TakeSeedOption(argc, argv, fixedSeed)) return 2;
    auto* app = static_cast<KnollApp*>(vApp::Instance());
    app->OpenAppWindow(nullptr, "Last Map", 500, 400, nullptr);
    app->ShowFrame(vFrameShow::Maximized);
    KnollCmdWindow* window = app->MainWindow();
    if (fixedSeed) window->Document().SetFixedSeed(*fixedSeed);
    window->ReadSettings();
    window->LoadStartPalette();
    window->FirstLoad();
    return 0;
}

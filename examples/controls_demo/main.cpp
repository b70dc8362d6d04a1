#include <cstring>
#include <string>

#include "demo_window.h"
#include "framework/platform/platform.h"
#include "framework/program/sdl_main.h"
#include "framework/window/app.h"
#include "framework/window/timer.h"

// Shows the framework's controls, menus, bars, dialogs, the notice box and the file
// chooser. "--show menu|dialog|notice|open|save" opens that part right after start.
namespace {

class DemoApp : public vApp {
public:
    DemoApp() : vApp("Knollwork Controls", 1, 0, 0) {}

    vWindow* OpenAppWindow(vWindow* window, const char* name, int width, int height,
                           vAppWinInfo* info) override {
        return vApp::OpenAppWindow(window ? window : new DemoWindow(), name, width, height, info);
    }
};

// Opens one part once the event loop runs, so modal parts run their own loop as
// they would from a click.
class SceneStarter : public vTimer {
public:
    void Start(DemoWindow* window, std::string scene) {
        window_ = window;
        scene_ = std::move(scene);
        StartTimer(300);
    }
    void OnTimerTick() override {
        StopTimer();
        if (scene_ == "menu") OpenMenu();
        else if (scene_ == "dialog") window_->ShowShowcase();
        else if (scene_ == "notice") window_->ShowNotice();
        else if (scene_ == "open" || scene_ == "save") window_->ChooseFile(scene_ == "save");
    }

private:
    // The "Dialogs" menu with its "Options" submenu open, as the keyboard opens it.
    void OpenMenu() {
        vMenuPane& menu = window_->Menu();
        menu.OpenMenuAtFirstItem(1);
        vPlatformEvent key;
        key.kind = vEventKind::KeyDown;
        for (int code : {vKeyDown, vKeyDown, vKeyRight, vKeyDown, vKeyDown}) {
            key.key = code;
            menu.HandleInput(key);
        }
    }

    DemoWindow* window_ = nullptr;
    std::string scene_;
};

DemoApp theDemo;
SceneStarter theScene;

int AppMain(int argc, char** argv) {
    vWindow* window = vApp::Instance()->OpenAppWindow(nullptr, "Controls Demo", 900, 600, nullptr);
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--show") == 0) theScene.Start(static_cast<DemoWindow*>(window), argv[i + 1]);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) { return vSdlMain(argc, argv, AppMain); }

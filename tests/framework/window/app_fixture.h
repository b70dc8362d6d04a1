#pragma once

#include "framework/menus/frame_file_menu.h"
#include "framework/platform/headless/headless_platform.h"
#include "framework/window/app.h"

// A started application on the headless backend: the frame exists with its own menu,
// as a program's does, and no window yet.
// App is vApp or a test's subclass constructible from (name, singleWindow).
template <class App = vApp>
class HeadlessSession {
public:
    explicit HeadlessSession(int singleWindow = 1, vAppMainHook hook = nullptr,
                             int screenWidth = 1024, int screenHeight = 768)
        : platform(screenWidth, screenHeight), app("Test", singleWindow) {
        const char* argv[] = {"test"};
        app.Frame().SetOwnMenu(vMakeFrameFileMenu());
        startResult = app.Start(platform, 1, argv, hook);
    }
    ~HeadlessSession() { app.Finish(); }

    void Pump() { app.PumpUntilIdle(); }

    vHeadlessPlatform platform;
    App app;
    int startResult = 0;
};

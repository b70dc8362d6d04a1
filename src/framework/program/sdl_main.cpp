#include "framework/program/sdl_main.h"

#include <cstdio>
#include <memory>
#include <string>

#include "framework/menus/frame_file_menu.h"
#include "framework/platform/sdl/sdl_platform.h"

int vSdlMain(int argc, char** argv, vAppMainHook hook) {
    vApp* app = vApp::Instance();
    const char* name = app ? app->Name() : (argc > 0 ? argv[0] : "program");
    std::string error;
    std::unique_ptr<vSdlPlatform> platform = vSdlPlatform::Create(error);
    if (!platform) {
        std::fprintf(stderr, "%s: %s\n", name, error.c_str());
        return 1;
    }
    if (app) app->Frame().SetOwnMenu(vMakeFrameFileMenu());
    return vRunProgram(*platform, argc, argv, hook);
}

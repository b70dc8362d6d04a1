#include "app/knoll_app.h"
#include "framework/platform/sdl/sdl_platform.h"

namespace {

KnollApp theApp;

}  // namespace

int main(int argc, char** argv) { return vSdlMain(argc, argv, AppMain); }

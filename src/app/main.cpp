#include "app/knoll_app.h"
#include "framework/program/sdl_main.h"

namespace {

KnollApp theApp;

}  // namespace

int main(int argc, char** argv) { return vSdlMain(argc, argv, AppMain); }

#include "app/knoll_app.h"
#include "app/start_arguments.h"
#include "framework/program/sdl_main.h"

namespace {

KnollApp theApp;

}  // namespace

int main(int argc, char** argv) {
    // "--version" and "--help" answer without a display.
    if (int status = 0; AnswerWithoutWindow(argc, argv, status)) return status;
    return vSdlMain(argc, argv, AppMain);
}

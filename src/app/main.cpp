#include "app/knoll_app.h"
#include "app/start_arguments.h"
#include "framework/program/sdl_main.h"
#include "framework/window/argument_list.h"

namespace {

KnollApp theApp;

}  // namespace

int main(int argc, char** argv) {
    // "--version" and "--help" answer without a display, reading the words AppMain gets.
    vArgumentList words = vArgumentList::FromArguments(argc > 0 ? argv[0] : "", argc, argv);
    if (int status = 0; AnswerWithoutWindow(words.Count(), words.Argv(), status)) return status;
    return vSdlMain(argc, argv, AppMain);
}

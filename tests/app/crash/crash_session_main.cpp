// The crash test's editor: started in the folder it is run in, it works through the
// script with a pause after each action, so that a kill lands between steps and during
// them alike. Run by crash_recovery_test, which kills it.
#include <unistd.h>

#include <chrono>
#include <thread>

#include "app/knoll_app.h"
#include "crash_script.h"
#include "framework/platform/headless/headless_platform.h"

int main(int argc, char** argv) {
    if (argc != 2 || chdir(argv[1]) != 0) return 2;
    vHeadlessPlatform platform(1024, 768);
    KnollApp app;
    app.SetDataFolder("");
    const char* arguments[] = {"knollwork", "--seed", "11"};
    if (app.Start(platform, 3, arguments, AppMain) != 0) return 1;
    app.PumpUntilIdle();
    RunCrashScript(*app.MainWindow(), [&] {
        app.PumpUntilIdle();
        std::this_thread::sleep_for(std::chrono::milliseconds(8));
    });
    app.Finish();
    return 0;
}

// Opening a dialog, a menu and the file chooser, and typing into a text entry, on the
// headless backend: each measured from the request to the presented frame. One display
// frame is 16.7 ms.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "framework/controls/command_object.h"
#include "framework/dialogs/dialog.h"
#include "framework/dialogs/file_chooser_dialog.h"
#include "framework/dialogs/folder_listing.h"
#include "framework/menus/menu_pane.h"
#include "framework/platform/headless/headless_platform.h"
#include "framework/window/app.h"
#include "framework/window/cmd_window.h"

namespace fs = std::filesystem;

namespace {

struct Session {
    Session() : app("Bench", 1) {
        const char* argv[] = {"bench"};
        app.Start(platform, 1, argv, nullptr);
    }
    ~Session() { app.Finish(); }
    void Pump() { app.PumpUntilIdle(); }

    vHeadlessPlatform platform;
    vApp app;
};

constexpr int kRange[] = {3, 21, 2};
constexpr const char* kNames[] = {"one", "two", "three", "four", "five", "six", nullptr};

// A dialog of the size the editor's own dialogs have, and then some.
constexpr CommandObject kTable[] = {
    {.type = ctToggleButton, .id = 1, .value = 1, .title = "  Cut  "},
    {.type = ctToggleButton, .id = 2, .title = " Clip ", .rightOf = 1},
    {.type = ctToggleButton, .id = 3, .title = " INC ", .below = 1},
    {.type = ctToggleButton, .id = 4, .title = " DEC ", .rightOf = 3, .below = 1},
    {.type = ctLabel, .id = 5, .title = " VALUE", .below = 3},
    {.type = ctTextIn, .id = 6, .title = "128", .rightOf = 5, .below = 3, .size = 8},
    {.type = ctSpinner, .id = 7, .value = 3, .items = kRange, .below = 6},
    {.type = ctList, .id = 8, .items = kNames, .rightOf = 7, .below = 6},
    {.type = ctCheckBox, .id = 9, .title = "Wrap", .below = 8},
    {.type = ctButton, .id = vCancelId, .title = " Exit ", .attributes = AttrDefault, .rightOf = 9, .below = 8},
    {},
};

void BM_OpenAndCloseDialog(benchmark::State& state) {
    Session session;
    vDialog dialog(nullptr, 0, "Wacks");
    dialog.AddControls(kTable);
    for (auto _ : state) {
        dialog.Present();
        session.Pump();
        dialog.Dismiss();
        session.Pump();
    }
}
BENCHMARK(BM_OpenAndCloseDialog)->Unit(benchmark::kMillisecond);

constexpr MenuItem kSub[] = {{"Left", 106, vMenuSensitive}, {"Right", 107, vMenuSensitive}, {}};
constexpr MenuItem kFile[] = {
    {"&Open...", 32101, vMenuSensitive, "Ctrl+O"}, {"&Save", 32103, vMenuSensitive},
    {"-", vMenuSeparatorId},                       {"Show Pal", 105, vMenuSensitive, nullptr, 0, kSub},
    {"E&xit", 32108, vMenuSensitive},              {},
};
constexpr MenuItem kBar[] = {{"&File", 0, 0, nullptr, 0, kFile}, {}};

void BM_OpenAndCloseMenu(benchmark::State& state) {
    Session session;
    auto* window = new vCmdWindow("Bench", 800, 600);
    vMenuPane menu(kBar);
    session.app.OpenAppWindow(window, "Bench", 800, 600, nullptr);
    window->AddPane(&menu);
    session.Pump();
    for (auto _ : state) {
        menu.OpenMenu(0);
        session.Pump();
        menu.CloseMenus();
        session.Pump();
    }
}
BENCHMARK(BM_OpenAndCloseMenu)->Unit(benchmark::kMillisecond);

// A folder of 5,000 files, made once for the run.
const std::string& BigFolder() {
    static const std::string folder = [] {
        std::string path = (fs::temp_directory_path() / ("knoll_bench_" + std::to_string(::getpid()))).string();
        fs::create_directories(path);
        for (int i = 0; i < 5000; ++i) std::ofstream(path + "/map" + std::to_string(i) + ".tga") << "x";
        return path;
    }();
    return folder;
}

void BM_ReadFolderOf5000(benchmark::State& state) {
    const std::string& folder = BigFolder();
    for (auto _ : state) benchmark::DoNotOptimize(vFolderListing::Read(folder, "*.tga"));
}
BENCHMARK(BM_ReadFolderOf5000)->Unit(benchmark::kMillisecond);

// Open, read the folder, show the list and present; the headless loop then finds no
// input and the chooser closes.
void BM_OpenChooserOn5000(benchmark::State& state) {
    Session session;
    vFileChooserDialog::Request request;
    request.title = "Open";
    request.initialFolder = BigFolder();
    for (auto _ : state) {
        vFileChooserDialog chooser(nullptr, request);
        chooser.Choose();
    }
}
BENCHMARK(BM_OpenChooserOn5000)->Unit(benchmark::kMillisecond);

// Shows the table's dialog and lets it settle before anything is timed.
void PresentTable(Session& session, vDialog& dialog) {
    dialog.AddControls(kTable);
    dialog.Present();
    session.Pump();
}

// One typed character: the change, its command and one presented frame.
void BM_TypeIntoTextEntry(benchmark::State& state) {
    Session session;
    vDialog dialog(nullptr, 0, "Wacks");
    PresentTable(session, dialog);
    int typed = 0, presents = 0;
    for (auto _ : state) {
        // The entry holds 129 characters; it is emptied now and then outside the count.
        if (++typed % 100 == 0) {
            state.PauseTiming();
            dialog.PutText(6, "");
            session.Pump();
            state.ResumeTiming();
        }
        int before = session.platform.PresentCount();
        session.platform.QueueText("7");
        session.Pump();
        presents += session.platform.PresentCount() - before;
    }
    state.counters["presents_per_key"] = static_cast<double>(presents) / std::max(typed, 1);
}
BENCHMARK(BM_TypeIntoTextEntry)->Unit(benchmark::kMicrosecond);

// A burst of 50 keys arriving within one display frame presents once.
void BM_TypeBurstIntoTextEntry(benchmark::State& state) {
    Session session;
    vDialog dialog(nullptr, 0, "Wacks");
    PresentTable(session, dialog);
    int bursts = 0, presents = session.platform.PresentCount();
    for (auto _ : state) {
        dialog.PutText(6, "");
        for (int i = 0; i < 50; ++i) session.platform.QueueText("7");
        session.Pump();
        ++bursts;
    }
    state.counters["presents_per_burst"] =
        static_cast<double>(session.platform.PresentCount() - presents) / std::max(bursts, 1);
}
BENCHMARK(BM_TypeBurstIntoTextEntry)->Unit(benchmark::kMillisecond);

}  // namespace

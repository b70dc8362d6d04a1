#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/cmd_window_tables.h"
#include "app/knoll_app.h"
#include "app/knoll_cmd_window.h"
#include "core/palette.h"
#include "framework/platform/headless/headless_platform.h"

// Help > Contents to the presented frame, for a topic of 10,000 lines against the demo's
// own short one: the viewer reads, wraps and shows only what is in view.
namespace {

class HelpWorkspace {
public:
    explicit HelpWorkspace(int lines) : home_(std::filesystem::current_path()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "knoll-help-bench-XXXXXX").string();
        folder_ = mkdtemp(pattern.data());
        std::ofstream help(folder_ + "/Knollwork.hlp");
        if (lines == 0) {
            help << std::ifstream(std::string(KNOLL_SOURCE_DIR) + "/demo/Knollwork.hlp").rdbuf();
        } else {
            help << "@topic 20 Long\n";
            for (int i = 0; i < lines; ++i) help << "line " << i << " of a long topic, with words enough to read\n";
        }
        std::filesystem::current_path(folder_);
    }
    ~HelpWorkspace() {
        std::filesystem::current_path(home_);
        std::filesystem::remove_all(folder_);
    }

private:
    std::filesystem::path home_;
    std::string folder_;
};

void OpenHelp(benchmark::State& state, int lines) {
    HelpWorkspace workspace(lines);
    vHeadlessPlatform platform(1920, 1080);
    KnollApp app;
    const char* argv[] = {"knollwork"};
    app.Start(platform, 1, argv, AppMain);
    app.PumpUntilIdle();
    KnollCmdWindow& window = *app.MainWindow();
    for (auto _ : state) {
        window.OnCommand(cmdHelpContents, 0, vMenuCommandType);
        app.PumpUntilIdle();
        state.PauseTiming();
        if (!window.HelpWindow() || !window.HelpWindow()->IsShown()) state.SkipWithError("no help window");
        else window.HelpWindow()->Dismiss();
        app.PumpUntilIdle();
        state.ResumeTiming();
    }
    app.Finish();
}

void BM_OpenHelpOf10000Lines(benchmark::State& state) { OpenHelp(state, 10000); }
BENCHMARK(BM_OpenHelpOf10000Lines)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OpenDemoHelp(benchmark::State& state) { OpenHelp(state, 0); }
BENCHMARK(BM_OpenDemoHelp)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

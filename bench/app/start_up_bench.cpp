#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/knoll_app.h"
#include "app/knoll_cmd_window.h"
#include "cli/command_line.h"
#include "cli/step.h"
#include "core/height_field.h"
#include "core/palette.h"
#include "core/ppm.h"
#include "framework/platform/headless/headless_platform.h"

// Start-up of the editor with a remembered 4096 x 4096 16-bit field, to its first frame,
// against the batch tool opening the same file. Both run in-process, in one folder that
// holds the field, the palette and the settings naming them.
namespace {

constexpr int kSide = 4096;

class Workspace {
public:
    Workspace() : home_(std::filesystem::current_path()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "knoll-bench-XXXXXX").string();
        folder_ = mkdtemp(pattern.data());
        WriteField();
        std::filesystem::copy_file(std::string(KNOLL_SOURCE_DIR) + "/demo/Std.pal", folder_ + "/Std.pal");
        std::ofstream(folder_ + "/Knollwork.ini") << folder_ << "\n" << FieldPath() << "\n" << folder_ << "\n"
                                                  << folder_ << "/Std.pal\n";
        std::filesystem::current_path(folder_);
    }
    ~Workspace() {
        std::filesystem::current_path(home_);
        std::filesystem::remove_all(folder_);
    }
    std::string FieldPath() const { return folder_ + "/big.ppm"; }

private:
    void WriteField() {
        HeightField field;
        field.ReplaceField(kSide, kSide);
        field.SetKind(kSixteenBitField);
        for (int y = 0; y < kSide; ++y) {
            uint32_t* row = field.working().MutableRowPixels(y);
            for (int x = 0; x < kSide; ++x) row[x] = field.ValueColor((x * 16 + y * 7) & 0xFFFF).Pixel();
        }
        std::string path = FieldPath();
        std::vector<char> name(path.begin(), path.end());
        name.resize(path.size() + 8, '\0');
        SavePpm(field, name.data(), name.size());
    }

    std::filesystem::path home_;
    std::string folder_;
};

Workspace& TheWorkspace() {
    static Workspace workspace;
    return workspace;
}

void BM_EditorStartUpToFirstFrame(benchmark::State& state) {
    std::string folder = std::filesystem::path(TheWorkspace().FieldPath()).parent_path();
    const char* argv[] = {"knollwork"};
    for (auto _ : state) {
        std::filesystem::current_path(folder);
        vHeadlessPlatform platform(1920, 1080);
        KnollApp app;
        app.Start(platform, 1, argv, AppMain);
        app.PumpUntilIdle();
        if (app.MainWindow()->Document().field().width() != kSide || platform.PresentCount() == 0) {
            state.SkipWithError("the remembered field was not shown");
        }
        app.Finish();
    }
}
BENCHMARK(BM_EditorStartUpToFirstFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BatchToolOpen(benchmark::State& state) {
    StepRegistry registry;
    BuildRegistry(registry);
    std::vector<std::string> arguments = {"--open", TheWorkspace().FieldPath()};
    for (auto _ : state) benchmark::DoNotOptimize(RunCommandLine(arguments, registry));
}
BENCHMARK(BM_BatchToolOpen)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

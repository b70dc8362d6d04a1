#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/ppm.h"
#include "core/tga.h"

// Loading and saving a 4096 x 4096 field in each format, against plainly reading and
// writing a file of the same number of bytes with one large stdio call.

namespace {

constexpr int kSide = 4096;

std::string BenchPath(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

HeightField& BenchField(int kind) {
    static HeightField field;
    if (field.width() != kSide) field.ReplaceField(kSide, kSide);
    field.SetKind(kind);
    std::vector<vColor> row(kSide);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) row[x] = field.ValueColor((x * 7 + y * 3) % (kind ? 65536 : 241));
        field.WriteRow(y, row.data());
    }
    return field;
}

std::string SavedFile(int kind) {
    std::string path = BenchPath(kind ? "knoll-bench.ppm" : "knoll-bench.tga");
    std::vector<char> buffer(path.begin(), path.end());
    buffer.resize(path.size() + 8, '\0');
    HeightField& field = BenchField(kind);
    if (kind) SavePpm(field, buffer.data(), buffer.size());
    else SaveTga(field, buffer.data(), buffer.size());
    return path;
}

int64_t FileBytes(int kind) { return int64_t(std::filesystem::file_size(SavedFile(kind))); }

void Load(benchmark::State& state) {
    int kind = int(state.range(0));
    std::string path = SavedFile(kind);
    HeightField field;
    for (auto _ : state) {
        int result = kind ? LoadPpm(field, path.c_str()) : LoadTga(field, path.c_str());
        if (result != kLoadDone) state.SkipWithError("load failed");
    }
    state.SetBytesProcessed(state.iterations() * FileBytes(kind));
}
BENCHMARK(Load)->ArgName("ppm")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// As the batch tool loads: into a field that starts at its small initial size, so the
// three images are made anew each time, their memory fresh from the kernel.
void LoadIntoNewField(benchmark::State& state) {
    int kind = int(state.range(0));
    std::string path = SavedFile(kind);
    for (auto _ : state) {
        HeightField field;
        int result = kind ? LoadPpm(field, path.c_str()) : LoadTga(field, path.c_str());
        if (result != kLoadDone) state.SkipWithError("load failed");
    }
    state.SetBytesProcessed(state.iterations() * FileBytes(kind));
}
BENCHMARK(LoadIntoNewField)->ArgName("ppm")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void PlainRead(benchmark::State& state) {
    int kind = int(state.range(0));
    std::string path = SavedFile(kind);
    std::vector<char> bytes(size_t(FileBytes(kind)));
    for (auto _ : state) {
        FILE* file = std::fopen(path.c_str(), "rb");
        size_t got = std::fread(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
        benchmark::DoNotOptimize(got);
    }
    state.SetBytesProcessed(state.iterations() * int64_t(bytes.size()));
}
BENCHMARK(PlainRead)->ArgName("ppm")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A stricter baseline for loading: the plain read plus one 32-bit store per position,
// which any reader into a packed image must do. The field's undo copy and cleared
// selection mask come on top of this.
void PlainReadAndExpand(benchmark::State& state) {
    int kind = int(state.range(0));
    std::string path = SavedFile(kind);
    std::vector<uint8_t> bytes(size_t(FileBytes(kind)));
    std::vector<uint32_t> pixels(size_t(kSide) * kSide);
    uint32_t table[256];
    for (int i = 0; i < 256; ++i) table[i] = DefaultPalette()[i].Pixel();
    for (auto _ : state) {
        FILE* file = std::fopen(path.c_str(), "rb");
        size_t got = std::fread(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
        const uint8_t* data = bytes.data() + (bytes.size() - (kind ? pixels.size() * 3 + 1 : pixels.size()));
        for (size_t i = 0; i < pixels.size(); ++i) {
            pixels[i] = kind ? data[3 * i + 1] | data[3 * i] << 8 : table[data[i]];
        }
        benchmark::DoNotOptimize(got);
        benchmark::DoNotOptimize(pixels.data());
    }
    state.SetBytesProcessed(state.iterations() * int64_t(bytes.size()));
}
BENCHMARK(PlainReadAndExpand)->ArgName("ppm")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void Save(benchmark::State& state) {
    int kind = int(state.range(0));
    HeightField& field = BenchField(kind);
    std::string path = BenchPath("knoll-bench-out");
    std::vector<char> buffer(path.size() + 8);
    for (auto _ : state) {
        std::copy(path.begin(), path.end(), buffer.begin());
        buffer[path.size()] = '\0';
        int result = kind ? SavePpm(field, buffer.data(), buffer.size())
                          : SaveTga(field, buffer.data(), buffer.size());
        if (result != kSaveDone) state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(state.iterations() * int64_t(std::filesystem::file_size(buffer.data())));
}
BENCHMARK(Save)->ArgName("ppm")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void PlainWrite(benchmark::State& state) {
    int kind = int(state.range(0));
    std::vector<char> bytes(size_t(FileBytes(kind)), 'x');
    std::string path = BenchPath("knoll-bench-plain");
    for (auto _ : state) {
        FILE* file = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    state.SetBytesProcessed(state.iterations() * int64_t(bytes.size()));
}
BENCHMARK(PlainWrite)->ArgName("ppm")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

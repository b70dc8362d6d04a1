#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "framework/draw/memory_dc.h"

namespace {

constexpr int kSide = 4096;

std::vector<vColor> SampleRow() {
    std::vector<vColor> row;
    for (uint32_t x = 0; x < kSide; ++x) row.push_back(vColor::FromPixel((x * 2654435761u) & 0xFFFFFF));
    return row;
}

// One row written the way the operations write rows.
void PaintPixelStripRow(benchmark::State& state) {
    vMemoryDC image(kSide, 64);
    std::vector<vColor> row = SampleRow();
    int y = 0;
    for (auto _ : state) {
        image.PaintPixelStrip(0, y, kSide, row.data());
        y = (y + 1) % 64;
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kSide * 4);
}
BENCHMARK(PaintPixelStripRow);

// The floor: copying a row of ready packed values.
void MemcpyRow(benchmark::State& state) {
    std::vector<uint32_t> from(kSide, 0x123456), to(size_t(kSide) * 64);
    int y = 0;
    for (auto _ : state) {
        std::memcpy(to.data() + size_t(y) * kSide, from.data(), kSide * sizeof(uint32_t));
        y = (y + 1) % 64;
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kSide * 4);
}
BENCHMARK(MemcpyRow);

void BlitWholeImage(benchmark::State& state) {
    vMemoryDC source(kSide, kSide), target(kSide, kSide);
    source.Erase();
    target.Erase();
    for (auto _ : state) {
        target.BlitFrom(&source, 0, 0, 0, 0, 0, 0);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kSide * kSide * 4);
}
BENCHMARK(BlitWholeImage)->Unit(benchmark::kMillisecond);

void MemcpyWholeImage(benchmark::State& state) {
    std::vector<uint32_t> from(size_t(kSide) * kSide, 0xFFFFFF), to(size_t(kSide) * kSide);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * sizeof(uint32_t));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kSide * kSide * 4);
}
BENCHMARK(MemcpyWholeImage)->Unit(benchmark::kMillisecond);

// The selection mask of a large field: a many-cornered polygon over the whole image.
void FillSelectionMask(benchmark::State& state) {
    vMemoryDC mask(kSide, kSide);
    mask.Erase();
    std::vector<vPoint> corners;
    int step = kSide / 20;
    for (int i = 0; i < 20; ++i) corners.push_back({i * step, (i % 2) * 600});
    for (int i = 19; i >= 0; --i) corners.push_back({i * step, kSide - 1 - (i % 2) * 600});
    corners.push_back(corners.front());
    for (auto _ : state) {
        mask.PaintPolygon(int(corners.size()), corners.data(), vAlternate);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(FillSelectionMask)->Unit(benchmark::kMillisecond);

}  // namespace

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "bench/field_maker.h"

namespace {

constexpr int kSide = 4096;

HeightField& RampField() {
    static HeightField field;
    static bool made = false;
    if (!made) {
        FillField(field, kSide, kSixteenBitField, [](int x, int y) { return (x + y) & 0xFFFF; });
        made = true;
    }
    return field;
}

// Every position read through FieldValue, as the operations read them.
void FieldValuePass(benchmark::State& state) {
    const HeightField& field = RampField();
    for (auto _ : state) {
        int64_t sum = 0;
        for (int y = 0; y < field.height(); ++y)
            for (int x = 0; x < field.width(); ++x) sum += field.FieldValue(x, y);
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(state.iterations() * int64_t(kSide) * kSide * 4);
}
BENCHMARK(FieldValuePass)->Unit(benchmark::kMillisecond);

// The baseline: one memcpy of the working image's pixels.
void MemcpyPixels(benchmark::State& state) {
    HeightField& field = RampField();
    std::vector<uint32_t> copy(size_t(kSide) * kSide);
    for (auto _ : state) {
        std::memcpy(copy.data(), field.working().RowPixels(0), copy.size() * 4);
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(kSide) * kSide * 4);
}
BENCHMARK(MemcpyPixels)->Unit(benchmark::kMillisecond);

}  // namespace

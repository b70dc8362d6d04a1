#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "bench/field_maker.h"
#include "interchange/hillshade.h"

namespace {

constexpr int kSide = 4096;

// A 16-bit field of rolling hills, so the slopes vary from position to position.
HeightField& HillField() {
    static HeightField field;
    static bool made = false;
    if (!made) {
        FillField(field, kSide, kSixteenBitField,
                  [](int x, int y) { return ((x * x + 3 * y * y + x * y) >> 6) & 0xFFFF; });
        made = true;
    }
    return field;
}

void ShadeRelief4096(benchmark::State& state) {
    const HeightField& field = HillField();
    std::vector<uint8_t> row(kSide);
    for (auto _ : state) {
        ReliefShader shader(field, ShadeLight());
        for (int y = 0; y < kSide; ++y) {
            shader.ShadeNextRow(row.data());
            benchmark::DoNotOptimize(row.data());
        }
    }
}
BENCHMARK(ShadeRelief4096)->Unit(benchmark::kMillisecond);

// The baseline: one memcpy of the field's working image.
void MemcpyField4096(benchmark::State& state) {
    HeightField& field = HillField();
    std::vector<uint32_t> copy(size_t(kSide) * kSide);
    for (auto _ : state) {
        std::memcpy(copy.data(), field.working().RowPixels(0), copy.size() * 4);
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(MemcpyField4096)->Unit(benchmark::kMillisecond);

}  // namespace

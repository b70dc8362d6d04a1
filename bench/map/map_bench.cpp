#include <benchmark/benchmark.h>

#include "bench/field_maker.h"
#include "map/field_range.h"
#include "map/scaled_view.h"

// One 1920 x 1080 view of the map of a 4096 x 4096 16-bit field drawn whole, plain and
// with Height Colours and Relief, at 1:1, 1:2, 1:4 and fitted (a fraction near 1:2.3).

namespace {

void BM_DrawMap(benchmark::State& state) {
    static HeightField field;
    if (field.width() != 4096) FillRandom(field, 4096, kSixteenBitField);
    KnollViewScale scale;
    if (state.range(0) > 0) {
        scale.SetLevel(-int(state.range(0)));
    } else if (state.range(0) < 0) {
        scale = KnollViewScale::Fit(4096, 4096, 1920, 1780);
    }
    KnollReducedField reduced;
    reduced.Update(field);
    MapChoices choices;
    choices.heightColours = choices.relief = state.range(1) != 0;
    const MapColours colours(field, choices, RangeOf(field));
    Raster view(1920, 1080);
    for (auto _ : state) {
        DrawScaledView(field, reduced, scale, vPoint{64, 64}, view, ViewRows{}, colours);
        benchmark::DoNotOptimize(view.Row(0));
    }
}
BENCHMARK(BM_DrawMap)
    ->ArgsProduct({{0, 1, 2, -1}, {0, 1}})
    ->ArgNames({"reduced", "map"})
    ->Unit(benchmark::kMillisecond);

}  // namespace

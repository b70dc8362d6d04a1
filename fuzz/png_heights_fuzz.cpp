#include "fuzz_file.h"
#include "interchange/png_heights.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!FuzzSizeAccepted(FuzzNumber(data, size, 16, 4, true), FuzzNumber(data, size, 20, 4, true))) return 0;
    HeightSamples samples;
    InterchangeError error = ReadPngHeights(FuzzInputPath(data, size), samples);
    if (error.empty() && samples.values.size() != size_t(samples.width) * size_t(samples.height)) __builtin_trap();
    return 0;
}

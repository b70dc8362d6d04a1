#include "fuzz_file.h"
#include "interchange/raw_heights.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    HeightSamples samples;
    InterchangeError error = ReadRawHeights(FuzzInputPath(data, size), 0, 0, samples);
    if (error.empty() && samples.values.size() != size_t(samples.width) * size_t(samples.height)) __builtin_trap();
    return 0;
}

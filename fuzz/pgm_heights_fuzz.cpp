#include "fuzz_file.h"
#include "interchange/pgm_heights.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!FuzzNetpbmSizeAccepted(data, size)) return 0;
    HeightSamples samples;
    InterchangeError error = ReadPgmHeights(FuzzInputPath(data, size), samples);
    if (error.empty() && samples.values.size() != size_t(samples.width) * size_t(samples.height)) __builtin_trap();
    return 0;
}

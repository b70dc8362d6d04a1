#include <strings.h>

#include "fuzz_file.h"
#include "interchange/gdal_heights.h"

// ASCII grids, the raster GDAL reads from the fewest bytes: every value one holds, a
// not-a-number, an infinity or a huge one among them, is stored or refused, never
// anything in between. Other inputs would fuzz GDAL's own drivers, not this program.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 5 || strncasecmp(reinterpret_cast<const char*>(data), "ncols", 5) != 0) return 0;
    HeightSamples samples;
    ElevationRead read = ReadElevation(FuzzInputPath(data, size), {}, samples);
    if (read.error.empty() && read.opened && samples.values.size() != size_t(samples.width) * size_t(samples.height)) {
        __builtin_trap();
    }
    return 0;
}

#include "core/ppm.h"
#include "fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static HeightField field;
    if (!FuzzNetpbmSizeAccepted(data, size)) return 0;
    int result = LoadPpm(field, FuzzInputPath(data, size));
    if (result < kLoadDone || result > kLoadNoMemory) __builtin_trap();
    return 0;
}

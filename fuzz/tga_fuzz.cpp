#include "core/tga.h"
#include "fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static HeightField field;
    if (!FuzzSizeAccepted(FuzzNumber(data, size, 12, 2, false), FuzzNumber(data, size, 14, 2, false))) return 0;
    int result = LoadTga(field, FuzzInputPath(data, size));
    if (result < kLoadDone || result > kLoadNoMemory) __builtin_trap();
    return 0;
}

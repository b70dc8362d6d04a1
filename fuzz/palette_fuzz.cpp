#include "core/palette_file.h"
#include "fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Palette palette = DefaultPalette();
    std::string directory;
    int result = LoadPaletteFile(FuzzInputPath(data, size), palette, directory);
    if (result != kPaletteLoaded && result != kPaletteBodyError) __builtin_trap();
    return 0;
}

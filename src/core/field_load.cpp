#include "core/field_load.h"

#include "core/file_name.h"
#include "core/ppm.h"
#include "core/tga.h"

int LoadFieldFile(HeightField& field, int fileKind, const char* path, FileSize* fileSize) {
    HeightField loaded;
    loaded.SetPalette(field.palette());
    int result = fileKind == kFileKindPpm ? LoadPpm(loaded, path, fileSize) : LoadTga(loaded, path, fileSize);
    if (result != kLoadDone) return result;
    field.TakeImagesOf(loaded);
    field.SetKind(fileKind == kFileKindPpm ? kSixteenBitField : kEightBitField);
    field.painter().RefreshView();
    return kLoadDone;
}

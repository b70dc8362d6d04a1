#include "core/field_load.h"

#include "core/file_name.h"
#include "core/ppm.h"
#include "core/tga.h"

int LoadFieldFile(HeightField& field, int fileKind, const char* path, FileSize* fileSize) {
    field.HoldForNextLoad();
    int result = fileKind == kFileKindPpm ? LoadPpm(field, path, fileSize) : LoadTga(field, path, fileSize);
    field.DropLoadHold();
    if (result != kLoadDone) return result;
    field.SetKind(fileKind == kFileKindPpm ? kSixteenBitField : kEightBitField);
    field.painter().RefreshView();
    return kLoadDone;
}

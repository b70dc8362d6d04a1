#pragma once

#include "core/field_file.h"
#include "core/height_field.h"

// Reads a TGA (kFileKindTga) or PPM (kFileKindPpm) file into the field as a held load,
// shown as its rows arrive, with the kind the format holds; the view is refreshed.
// Returns the reader's kLoad code. On any failure field is as it was: images, size,
// kind, mask and undo image.
int LoadFieldFile(HeightField& field, int fileKind, const char* path, FileSize* fileSize);

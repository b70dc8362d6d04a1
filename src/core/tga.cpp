#include "core/tga.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "core/file_name.h"
#include "core/input_file.h"
#include "core/loaded_rows.h"
#include "files/replacing_file.h"
#include "core/row_reader.h"

namespace {

struct TgaHeader {
    uint8_t idLength;
    uint8_t colorMapType;
    uint8_t imageType;
    uint8_t firstMapEntry[2];
    uint8_t mapLength[2];
    uint8_t mapEntryBits;
    uint8_t xOrigin[2];
    uint8_t yOrigin[2];
    uint8_t width[2];
    uint8_t height[2];
    uint8_t bitsPerPixel;
    uint8_t descriptor;
};
static_assert(sizeof(TgaHeader) == 18);

// Bytes 0 to 11 of the one variant we read and write: no image ID, a colour map of
// 256 entries of 24 bits, uncompressed colour-mapped pixels, origin 0.
constexpr uint8_t kVariantPrefix[12] = {0, 1, 1, 0, 0, 0, 1, 24, 0, 0, 0, 0};
constexpr size_t kColorMapBytes = 256 * 3;
constexpr uint8_t kTopRowFirst = 0x20;
// A position without a value is written as index 255, white's blue byte.
static_assert(PixelSample<false>(kNoValuePixel) == 255);

int LittleEndian16(const uint8_t bytes[2]) { return bytes[0] | bytes[1] << 8; }

bool IsOurVariant(const TgaHeader& header) {
    return std::memcmp(&header, kVariantPrefix, sizeof kVariantPrefix) == 0 &&
           header.bitsPerPixel == 8;
}

// GCC's vectorised form of a table lookup is an emulated gather, slower than plain loads.
#if defined(__GNUC__) && !defined(__clang__)
__attribute__((optimize("no-tree-vectorize")))
#endif
void LookUpColors(const uint32_t* colors, const uint8_t* indexes, int width, uint32_t* pixels) {
    for (int x = 0; x < width; ++x) pixels[x] = colors[indexes[x]];
}

// Each index takes the palette's colour.
int ReadPixelRows(HeightField& field, InputFile& file, int width, int height) {
    uint32_t colors[256];
    for (int i = 0; i < 256; ++i) colors[i] = field.palette()[i].Pixel();
    std::vector<uint32_t> row(static_cast<size_t>(width));
    LoadedRows rows(field, width, height);
    return ReadRows(file, height, size_t(width), [&](int y, const uint8_t* indexes) {
        LookUpColors(colors, indexes, width, row.data());
        rows.Store(y, row.data());
    });
}

TgaHeader HeaderFor(const FieldRows& rows) {
    TgaHeader header;
    std::memcpy(&header, kVariantPrefix, sizeof kVariantPrefix);
    header.width[0] = rows.width & 0xFF;
    header.width[1] = rows.width >> 8;
    header.height[0] = rows.height & 0xFF;
    header.height[1] = rows.height >> 8;
    header.bitsPerPixel = 8;
    header.descriptor = kTopRowFirst;
    return header;
}

void WriteColorMap(const Palette& palette, ReplacingFile& file) {
    for (const vColor& entry : palette) {
        uint8_t bgr[3] = {entry.B(), entry.G(), entry.R()};
        file.Write(bgr, sizeof bgr);
    }
}

// Byte stores may alias anything, so the loop bounds are kept in locals.
void WritePixelRows(FieldRows& rows, ReplacingFile& file) {
    const int width = rows.width;
    const int height = rows.height;
    for (int y = 0; y < height && file.ok(); ++y) {
        const uint32_t* pixels = rows.Row(y);
        uint8_t* indexes = file.Reserve(size_t(width));
        for (int x = 0; x < width; ++x) {
            indexes[x] = uint8_t(PixelSample<false>(pixels[x]));
        }
    }
}

}  // namespace

int LoadTga(HeightField& field, const char* path, FileSize* fileSize) {
    InputFile file(path);
    if (!file.IsOpen()) return kLoadCannotOpen;
    TgaHeader header;
    if (file.Read(&header, sizeof header) < sizeof header || !IsOurVariant(header)) {
        return kLoadNotAccepted;
    }
    const int width = LittleEndian16(header.width);
    const int height = LittleEndian16(header.height);
    if (!HeightField::AcceptableSize(width, height)) return kLoadNotAccepted;
    if (!field.BeginLoad(width, height, kEightBitField)) {
        if (fileSize) *fileSize = {width, height};
        return kLoadNoMemory;
    }
    // The colour map is skipped: positions take the colours of the field's palette. A map
    // cut short shows up as missing pixel data.
    uint8_t colorMap[kColorMapBytes];
    file.Read(colorMap, sizeof colorMap);
    // The image descriptor is not examined: the first row in the file is the top row,
    // so a bottom-up file shows upside down.
    int rows = ReadPixelRows(field, file, width, height);
    field.EndLoad(rows);
    if (rows < height) return kLoadDataEnded;
    field.painter().RefreshView();
    return kLoadDone;
}

int SaveTga(HeightField& field, char* path, size_t capacity, WriteSink& sink) {
    WorkingRows rows(field);
    return SaveTgaRows(rows, path, capacity, sink);
}

int SaveTgaRows(FieldRows& rows, char* path, size_t capacity, WriteSink& sink) {
    if (!RewriteExtension(path, capacity, ".tga")) return kSaveFailed;
    ReplacingFile file(path, sink);
    TgaHeader header = HeaderFor(rows);
    file.Write(&header, sizeof header);
    WriteColorMap(rows.field.palette(), file);
    WritePixelRows(rows, file);
    return rows.Complete() && file.Commit() ? kSaveDone : kSaveFailed;
}

#include "core/tga.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "core/file_name.h"
#include "core/input_file.h"
#include "core/replacing_file.h"

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
constexpr uint8_t kNoValueIndex = 255;

int LittleEndian16(const uint8_t bytes[2]) { return bytes[0] | bytes[1] << 8; }

bool IsOurVariant(const TgaHeader& header) {
    return std::memcmp(&header, kVariantPrefix, sizeof kVariantPrefix) == 0 &&
           header.bitsPerPixel == 8;
}

int ReadPixelRows(HeightField& field, InputFile& file) {
    const int width = field.width();
    const Palette& palette = ThePalette();
    std::vector<uint8_t> fileRow(width);
    std::vector<vColor> row(width);
    for (int y = 0; y < field.height(); ++y) {
        if (file.Read(fileRow.data(), width) < size_t(width)) return kLoadDataEnded;
        for (int x = 0; x < width; ++x) row[x] = palette[fileRow[x]];
        field.WriteRow(y, row.data());
    }
    return kLoadDone;
}

TgaHeader HeaderFor(const HeightField& field) {
    TgaHeader header;
    std::memcpy(&header, kVariantPrefix, sizeof kVariantPrefix);
    header.width[0] = field.width() & 0xFF;
    header.width[1] = field.width() >> 8;
    header.height[0] = field.height() & 0xFF;
    header.height[1] = field.height() >> 8;
    header.bitsPerPixel = 8;
    header.descriptor = kTopRowFirst;
    return header;
}

void WriteColorMap(ReplacingFile& file) {
    for (const vColor& entry : ThePalette()) {
        uint8_t bgr[3] = {entry.b(), entry.g(), entry.r()};
        file.Write(bgr, sizeof bgr);
    }
}

void WritePixelRows(HeightField& field, ReplacingFile& file) {
    std::vector<uint8_t> fileRow(field.width());
    for (int y = 0; y < field.height() && file.ok(); ++y) {
        const uint32_t* pixels = field.working().RowPixels(y);
        for (int x = 0; x < field.width(); ++x) {
            fileRow[x] = pixels[x] == kNoValuePixel ? kNoValueIndex : (pixels[x] >> 16) & 0xFF;
        }
        file.Write(fileRow.data(), fileRow.size());
    }
}

}  // namespace

int LoadTga(HeightField& field, const char* path) {
    InputFile file(path);
    if (!file.IsOpen()) return kLoadCannotOpen;
    TgaHeader header;
    if (file.Read(&header, sizeof header) < sizeof header || !IsOurVariant(header)) {
        return kLoadNotAccepted;
    }
    if (!field.ReplaceField(LittleEndian16(header.width), LittleEndian16(header.height))) {
        return kLoadNotAccepted;
    }
    // The colour map is skipped: positions take the current palette's colours. A map
    // cut short shows up as missing pixel data.
    uint8_t colorMap[kColorMapBytes];
    file.Read(colorMap, sizeof colorMap);
    // The image descriptor is not examined: the first row in the file is the top row,
    // so a bottom-up file shows upside down.
    int result = ReadPixelRows(field, file);
    if (result != kLoadDone) return result;
    field.painter().RefreshView();
    field.SnapshotField();
    return kLoadDone;
}

int SaveTga(HeightField& field, char* path, size_t capacity) {
    if (!RewriteExtension(path, capacity, ".tga")) return kSaveFailed;
    ReplacingFile file(path);
    TgaHeader header = HeaderFor(field);
    file.Write(&header, sizeof header);
    WriteColorMap(file);
    WritePixelRows(field, file);
    return file.Commit() ? kSaveDone : kSaveFailed;
}

#include "ops/conversion.h"

#include "ops/pixel_codec.h"
#include "ops/row_traversal.h"

void ConvertToPpm(HeightField& field) {
    TransformRows(field, kAreaWhole, RowShow::kDrawRow, [](uint32_t pixel) {
        uint32_t i = pixel == kNoValuePixel ? 0xFF : (pixel >> 16) & 0xFF;
        return i << 8;  // green i, red 0: the value i x 256
    });
}

void ConvertToTga(HeightField& field) {
    const PixelCodec codec(kEightBitField, field.palette());
    TransformRows(field, kAreaWhole, RowShow::kDrawRow, [&codec](uint32_t pixel) {
        int z = pixel == kNoValuePixel ? -1 : int(pixel & 0xFFFF);
        return codec.PaletteEntry(z / 256);
    });
}

void RunConvertToPpm(HeightField& field) {
    field.BeginCommittedChange();
    ConvertToPpm(field);
    field.SetKind(kSixteenBitField);
    field.SnapshotField();
}

void RunConvertToTga(HeightField& field) {
    field.BeginCommittedChange();
    ConvertToTga(field);
    field.SetKind(kEightBitField);
    field.SnapshotField();
}

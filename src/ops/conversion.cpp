#include "ops/conversion.h"

#include "ops/pixel_codec.h"
#include "ops/row_traversal.h"

void ConvertToPpm(HeightField& field) {
    TransformRows(field, kAreaWhole, RowShow::kDrawRow, [](uint32_t pixel) {
        // green i, red 0: the value i x 256; no value becomes 255 x 256
        return PixelSample<false>(pixel) << 8;
    });
}

void ConvertToTga(HeightField& field) {
    const PixelCodec codec(kEightBitField, field.palette());
    TransformRows(field, kAreaWhole, RowShow::kDrawRow, [&codec](uint32_t pixel) {
        return codec.PaletteEntry(PixelValue<true>(pixel) / 256);
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

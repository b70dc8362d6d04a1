#pragma once

#include "core/height_field.h"

// Rewrites an 8-bit field as 16-bit values: i becomes i x 256, no value counts as 255.
// The kind flag is left to the caller, which sets it and commits.
void ConvertToPpm(HeightField& field);

// Rewrites a 16-bit field as 8-bit values: the palette entry of the high byte; no value
// counts as -1 and so takes entry 0.
void ConvertToTga(HeightField& field);

// The Convert commands around the conversions: convert, set the kind, commit.
void RunConvertToPpm(HeightField& field);
void RunConvertToTga(HeightField& field);

#pragma once

#include <cstdint>

#include "core/field_rows.h"
#include "core/height_field.h"

// The Wacks operations. Each changes the targets of the area code (0 whole field,
// 1 inside the chosen polygon, 2 outside it) by its own rule on the old value z
// (-1 for no value); every other position keeps what it holds.

// z < value becomes 0 (so a target without a value becomes 0).
void CutLow(HeightField& field, int area, int32_t value);
// z > value becomes value; no value stays.
void ClipHigh(HeightField& field, int area, int32_t value);
// Every target becomes value.
void FillValue(HeightField& field, int area, int32_t value);
// z + amount, clamped to 0 .. the kind's maximum; no value enters as -1.
void AddValue(HeightField& field, int area, int32_t amount);
// Maximum - z.
void InvertValues(HeightField& field, int area);

// The same rules as edits of rows handed on to a write, read by those rows' field
// (InvertValuesEdit takes no value).
RowEdit CutLowEdit(const FieldRows& rows, int area, int32_t value);
RowEdit ClipHighEdit(const FieldRows& rows, int area, int32_t value);
RowEdit FillValueEdit(const FieldRows& rows, int area, int32_t value);
RowEdit AddValueEdit(const FieldRows& rows, int area, int32_t amount);
RowEdit InvertValuesEdit(const FieldRows& rows, int area, int32_t);

#pragma once

#include <cstdint>

#include "core/field_rows.h"
#include "core/height_field.h"

// Roughen modes: only raise, raise or lower, only lower.
enum class RoughMode { Up, Middle, Down };

// Random noise of up to value on every position. The program's generator is seeded with
// seed (the clock's whole seconds in the editor) before the run.
void Roughen(HeightField& field, RoughMode mode, int32_t value, uint32_t seed);

// Random noise on the targets of area 1 or 2, by a coarser rule than Roughen's.
void RoughenArea(HeightField& field, int area, RoughMode mode, int32_t value, uint32_t seed);

// The same noise as edits of rows handed on to a write.
RowEdit RoughenEdit(const FieldRows& rows, RoughMode mode, int32_t value, uint32_t seed);
RowEdit RoughenAreaEdit(const FieldRows& rows, int area, RoughMode mode, int32_t value, uint32_t seed);

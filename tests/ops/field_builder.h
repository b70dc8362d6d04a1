#pragma once

#include <climits>
#include <vector>

#include "core/height_field.h"

// Small fields written inline: one vector per row, -1 for a position without a value.
using Heights = std::vector<std::vector<int>>;

// Rebuilds field at the size of rows, of the given kind, each value stored the way the
// operations store it (8-bit: its palette entry). Committed, no selection.
void SetField(HeightField& field, int kind, const Heights& rows);

// Stores raw colours instead of values, e.g. palette entries whose blue byte is not
// their index.
void SetPixels(HeightField& field, int kind, const std::vector<std::vector<uint32_t>>& rows);

Heights ReadValues(const HeightField& field);
std::vector<std::vector<uint32_t>> ReadPixels(const HeightField& field);

// Marks the positions of `inside` black in the mask (the chosen polygon).
void SetMask(HeightField& field, const std::vector<std::vector<int>>& inside);

// Counts what an operation asks the screen to show.
class CountingPainter : public FieldPainter {
public:
    void DrawRow(int y) override { rows.push_back(y); }
    void DrawPoint(int x, int y) override { points.push_back({x, y}); }
    void RefreshView() override { ++refreshes; }
    void ClearSurface() override { ++clears; }
    vRect ShownArea() const override { return {0, 0, INT_MAX, INT_MAX}; }

    std::vector<int> rows;
    std::vector<std::pair<int, int>> points;
    int refreshes = 0;
    int clears = 0;
};

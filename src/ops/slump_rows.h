#pragma once

// One pass of slump, a row at a time, on rows copied out of the erosion grid. A copied
// row has one more position at each end, and positions without ground (walls, outside
// the area, past the field's edge) hold kSlumpWall there, so that the arithmetic that
// makes ground slide moves nothing into or out of them. Every position's move in a pass
// comes from the heights before it, so rows may be worked in any order and on any thread.

// Higher than any ground; the excess of ground over it is never positive.
inline constexpr float kSlumpWall = 1e30f;

// The steepest difference kept beside and corner to corner.
struct SlumpLimits {
    float side;
    float corner;
};

// A grid row into its copy, walls as kSlumpWall, and the ends of the copy made walls.
void CopySlumpRow(const float* grid, float* copy, int width);
// Each position of a row has all its neighbours walls: above the first row, below the last.
void FillSlumpWall(float* copy, int width);

// Columns [from, to) of the rows below are worked; the rows around must hold heights and
// shares one column further each side.

// For each position of the middle row, what slides out of it in this pass (`sliding`)
// and the share of its excess over each lower neighbour that goes there (`share`).
void SlumpOutflow(const float* up, const float* row, const float* down, SlumpLimits limits, int from, int to,
                  float* sliding, float* share);

// The row's heights after the pass, into the same columns of `next`; the shares of the
// rows around say what flows in. True when any height changed.
bool SlumpInflow(const float* up, const float* row, const float* down, const float* shareUp, const float* share,
                 const float* shareDown, const float* sliding, SlumpLimits limits, int from, int to, float* next);

// A copied row's heights back into the grid row where there is ground.
void StoreSlumpRow(const float* copy, float* grid, int width);

#include "ops/slump_rows.h"

#include "core/vector_clones.h"
#include "ops/erosion_grid.h"

namespace {

// Half the steepest excess slides in a pass, which brings two neighbours alone exactly
// to the angle of repose.
constexpr float kSlidingShare = 0.5f;
// An excess too small to change a stored value by its sliding is left in place, so that
// the passes come to rest.
constexpr float kSettled = 1.0f / 64;

// Written as a comparison rather than std::max so that the vector and plain forms
// agree on every value, a negative zero included.
inline float Positive(float excess) { return excess > 0.0f ? excess : 0.0f; }

}  // namespace

KNOLL_CLONES("avx2", "default")
void CopySlumpRow(const float* grid, float* copy, int width) {
    copy[0] = kSlumpWall;
    for (int x = 0; x < width; ++x) copy[x + 1] = ErosionGrid::IsGround(grid[x]) ? grid[x] : kSlumpWall;
    copy[width + 1] = kSlumpWall;
}

void FillSlumpWall(float* copy, int width) {
    for (int x = 0; x < width + 2; ++x) copy[x] = kSlumpWall;
}

// The same arithmetic in the same order on every lane, so the vector forms the compiler
// makes give the bytes of the plain one.
KNOLL_CLONES("avx512f", "avx2", "default")
void SlumpOutflow(const float* __restrict up, const float* __restrict row, const float* __restrict down,
                  SlumpLimits limits, int from, int to, float* __restrict sliding, float* __restrict share) {
    for (int x = from + 1; x <= to; ++x) {
        const float side = row[x] - limits.side, corner = row[x] - limits.corner;
        const float over[8] = {Positive(corner - up[x - 1]),   Positive(side - up[x]),   Positive(corner - up[x + 1]),
                               Positive(side - row[x - 1]),    Positive(side - row[x + 1]),
                               Positive(corner - down[x - 1]), Positive(side - down[x]), Positive(corner - down[x + 1])};
        float total = 0.0f, steepest = 0.0f;
        for (float excess : over) {
            total += excess;
            steepest = steepest > excess ? steepest : excess;
        }
        const bool slides = steepest > kSettled && row[x] < kSlumpWall;
        const float out = steepest * kSlidingShare;
        // total is at least steepest, so it is kept from 0 only where nothing slides.
        const float each = out / (total > kSettled ? total : kSettled);
        sliding[x] = slides ? out : 0.0f;
        share[x] = slides ? each : 0.0f;
    }
}

KNOLL_CLONES("avx512f", "avx2", "default")
bool SlumpInflow(const float* __restrict up, const float* __restrict row, const float* __restrict down,
                 const float* __restrict shareUp, const float* __restrict share, const float* __restrict shareDown,
                 const float* __restrict sliding, SlumpLimits limits, int from, int to, float* __restrict next) {
    int changed = 0;
    for (int x = from + 1; x <= to; ++x) {
        const float side = row[x] + limits.side, corner = row[x] + limits.corner;
        // A wall's share is 0, so its height times it adds nothing.
        const float in = Positive(up[x - 1] - corner) * shareUp[x - 1] + Positive(up[x] - side) * shareUp[x] +
                         Positive(up[x + 1] - corner) * shareUp[x + 1] + Positive(row[x - 1] - side) * share[x - 1] +
                         Positive(row[x + 1] - side) * share[x + 1] + Positive(down[x - 1] - corner) * shareDown[x - 1] +
                         Positive(down[x] - side) * shareDown[x] + Positive(down[x + 1] - corner) * shareDown[x + 1];
        // A wall neither gives nor takes, so it stays kSlumpWall exactly.
        const float after = row[x] - sliding[x] + in;
        changed |= int(after != row[x]);
        next[x] = after;
    }
    return changed != 0;
}

KNOLL_CLONES("avx2", "default")
void StoreSlumpRow(const float* __restrict copy, float* __restrict grid, int width) {
    for (int x = 0; x < width; ++x) grid[x] = copy[x + 1] < kSlumpWall ? copy[x + 1] : grid[x];
}

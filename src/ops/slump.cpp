#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#ifdef __SSE2__
#include <xmmintrin.h>
#endif

#include "ops/erosion.h"
#include "ops/erosion_run.h"

namespace {

// The ground is read as a terrain whose full range of values stands a quarter as high
// as the field's longer side is wide, and material rests at up to 40 degrees.
constexpr double kReliefShare = 0.25;
constexpr double kReposeDegrees = 40.0;
// Half the steepest excess slides in a pass, which brings two neighbours alone exactly
// to the angle of repose.
constexpr float kSlidingShare = 0.5f;
// An excess too small to change a stored value by its sliding is left in place, so that
// the passes come to rest.
constexpr float kSettled = 1.0f / 64;
// Rows this far apart neither touch the same positions nor mark the same rows to be
// looked at again, so one of every five rows can slide at the same time.
constexpr int kRowColours = 5;

// The columns of a row that must be looked at in the next pass.
struct Span {
    int begin = 0;
    int end = 0;

    bool empty() const { return begin >= end; }
    void Add(int from, int to) {
        if (empty()) {
            begin = from;
            end = to;
        } else {
            begin = std::min(begin, from);
            end = std::max(end, to);
        }
    }
};

// The eight neighbours of a position in rows above, beside and below, left to right,
// and how far each lies.
constexpr int kNeighbours = 8;
constexpr int kAbove[kNeighbours] = {-1, -1, -1, 0, 0, 1, 1, 1};
constexpr int kAside[kNeighbours] = {-1, 0, 1, -1, 1, -1, 0, 1};
constexpr bool kDiagonal[kNeighbours] = {true, false, true, false, false, true, false, true};

// How far a position stands above a neighbour beyond the angle of repose; 0 when it does
// not, or when either is not ground.
inline float Over(float height, float neighbour, float limit) {
    const float over = height - neighbour - limit;
    return neighbour >= 0.0f && over > 0.0f ? over : 0.0f;
}

class SlumpPasses {
public:
    SlumpPasses(ErosionGrid& grid, float repose)
        : grid_(grid), pending_(size_t(grid.height()), Span{0, grid.width()}) {
        for (int i = 0; i < kNeighbours; ++i) limits_[i] = kDiagonal[i] ? repose * std::numbers::sqrt2_v<float> : repose;
    }

    // False when nothing is left to slide: the passes still to come would change nothing.
    bool Pass(WorkerPool& workers) {
        bool any = false;
        for (int colour = 0; colour < kRowColours; ++colour) {
            std::vector<int> rows;
            for (int y = colour; y < grid_.height(); y += kRowColours) {
                if (!pending_[size_t(y)].empty()) rows.push_back(y);
            }
            any = any || !rows.empty();
            workers.Run(int(rows.size()), [&](int i) { SlideRow(rows[size_t(i)]); });
        }
        return any;
    }

private:
    static constexpr int kChunk = 16;

    // Looks at the row's pending columns from the left, each as it stands after those
    // before it slid, so the outcome is that of looking at every one in turn.
    void SlideRow(int y) {
        const Span span = pending_[size_t(y)];
        pending_[size_t(y)] = {};
        const bool interiorRow = y > 0 && y + 1 < grid_.height();
        int end = span.end;
        for (int x = span.begin; x < end;) {
            if (!interiorRow || x == 0 || x + 1 == grid_.width()) {
                if (SlideAtEdge(x, y)) Moved(x, x, y, end);
                ++x;
                continue;
            }
            const int chunkEnd = std::min({x + kChunk, end, grid_.width() - 1});
            if (!AnyOver(x, chunkEnd, y)) {
                x = chunkEnd;
                continue;
            }
            int first = -1, last = -1;
            for (; x < chunkEnd; ++x) {
                if (!SlideInside(x, y)) continue;
                if (first < 0) first = x;
                last = x;
            }
            if (first >= 0) Moved(first, last, y, end);
        }
    }

    // Positions first to last of row y slid: everything within two of them may have a
    // new excess, in the rows around in the coming passes and in this row behind them in
    // the next; the scan of this row goes on past them.
    void Moved(int first, int last, int y, int& end) {
        const int from = std::max(0, first - 2), to = std::min(grid_.width(), last + 3);
        for (int row = std::max(0, y - 2); row <= std::min(grid_.height() - 1, y + 2); ++row) {
            if (row != y) pending_[size_t(row)].Add(from, to);
        }
        pending_[size_t(y)].Add(from, last + 1);
        end = std::max(end, to);
    }

    // Whether any of columns [from, to) of an inner row stands too high.
    bool AnyOver(int from, int to, int y) const {
        const float* up = grid_.Row(y - 1);
        const float* row = grid_.Row(y);
        const float* down = grid_.Row(y + 1);
        const float* neighbours[kNeighbours] = {up - 1, up, up + 1, row - 1, row + 1, down - 1, down, down + 1};
        int x = from;
#ifdef __SSE2__
        // Four positions at a time: a neighbour that is not ground gives no excess.
        const __m128 settled = _mm_set1_ps(kSettled), zero = _mm_setzero_ps();
        for (; x + 4 <= to; x += 4) {
            const __m128 height = _mm_loadu_ps(row + x);
            __m128 over = zero;
            for (int i = 0; i < kNeighbours; ++i) {
                const __m128 neighbour = _mm_loadu_ps(neighbours[i] + x);
                const __m128 excess = _mm_sub_ps(_mm_sub_ps(height, neighbour), _mm_set1_ps(limits_[i]));
                over = _mm_max_ps(over, _mm_and_ps(excess, _mm_cmpge_ps(neighbour, zero)));
            }
            const __m128 too = _mm_and_ps(_mm_cmpgt_ps(over, settled), _mm_cmpge_ps(height, zero));
            if (_mm_movemask_ps(too) != 0) return true;
        }
#endif
        for (; x < to; ++x) {
            if (!ErosionGrid::IsGround(row[x])) continue;
            for (int i = 0; i < kNeighbours; ++i) {
                if (Over(row[x], neighbours[i][x], limits_[i]) > kSettled) return true;
            }
        }
        return false;
    }

    // Slides material from a position with all eight neighbours in the field; false when
    // nothing slid.
    bool SlideInside(int x, int y) {
        float* rows[3] = {grid_.Row(y - 1) + x, grid_.Row(y) + x, grid_.Row(y + 1) + x};
        float* neighbours[kNeighbours];
        for (int i = 0; i < kNeighbours; ++i) neighbours[i] = rows[kAbove[i] + 1] + kAside[i];
        return Slide(rows[1], neighbours, limits_);
    }

    // The same for a position on the field's edge, with the neighbours it has.
    bool SlideAtEdge(int x, int y) {
        float* neighbours[kNeighbours];
        float limits[kNeighbours];
        int count = 0;
        for (int i = 0; i < kNeighbours; ++i) {
            const int nx = x + kAside[i], ny = y + kAbove[i];
            if (!grid_.Contains(nx, ny)) continue;
            neighbours[count] = &grid_.At(nx, ny);
            limits[count++] = limits_[i];
        }
        return Slide<0>(&grid_.At(x, y), neighbours, limits, count);
    }

    // Slides half the steepest excess of the position to the neighbours it exceeds,
    // each by its share of the excesses; false when none is above kSettled.
    template <int kCount = kNeighbours>
    static bool Slide(float* position, float* const* neighbours, const float* limits, int count = kCount) {
        const float height = *position;
        if (!ErosionGrid::IsGround(height)) return false;
        float over[kNeighbours];
        float steepest = 0.0f, total = 0.0f;
        for (int i = 0; i < count; ++i) {
            over[i] = Over(height, *neighbours[i], limits[i]);
            total += over[i];
            steepest = std::max(steepest, over[i]);
        }
        if (steepest <= kSettled) return false;
        const float sliding = steepest * kSlidingShare;
        const float share = sliding / total;
        *position = height - sliding;
        for (int i = 0; i < count; ++i) *neighbours[i] += over[i] * share;
        return true;
    }

    ErosionGrid& grid_;
    float limits_[kNeighbours];
    std::vector<Span> pending_;
};

}  // namespace

double ReposeDifference(const HeightField& field) {
    const double side = std::max(field.width(), field.height());
    return std::tan(kReposeDegrees * std::numbers::pi / 180.0) * field.MaxValue() / (kReliefShare * side);
}

ErosionOutcome Slump(HeightField& field, int area, int passes, WorkerPool& workers) {
    ErosionRun run(field, area, 1.0f, workers);
    if (!run.made()) return {ErosionOutcome::kNoMemory};
    SlumpPasses slump(run.grid(), float(ReposeDifference(field)));
    for (int pass = 0; pass < passes; ++pass) {
        if (!slump.Pass(workers)) break;
        if (!run.Continue(pass + 1, passes)) return {ErosionOutcome::kStopped};
    }
    run.Finish();
    return {};
}

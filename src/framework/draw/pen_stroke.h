#pragma once

#include <cstdint>
#include <vector>

#include "framework/draw/coverage.h"
#include "framework/draw/geometry.h"
#include "framework/draw/pen.h"

// The pixels a pen covers along a path, in device coordinates. A one-pixel pen covers
// the path itself, a patterned pen (always one pixel wide) the pixels its pattern
// shows, and a wider solid pen a round nib stamped on every path pixel.
class vPenStroke {
public:
    vPenStroke(int surfaceWidth, int surfaceHeight, const vPen& pen);

    // From `from` towards `to`; a one-pixel pen leaves the end point out, a wide nib
    // caps both ends. A pattern runs on across successive lines of one stroke.
    void Line(vPoint from, vPoint to);
    // Covers the same pixels whichever end is given first, so that a line inverted
    // from either end is undone by the other.
    void SymmetricLine(vPoint a, vPoint b);
    void Polyline(const std::vector<vPoint>& points);
    void ClosedPath(const std::vector<vPoint>& corners);

    // Path pixels handed over directly. `index` counts along the path for the pattern.
    void Visit(int64_t x, int64_t y, int64_t index);
    // A horizontal run of path pixels; only for pens without a pattern.
    void VisitRun(int64_t y, int64_t x0, int64_t x1);

    bool Patterned() const { return !pattern_.empty(); }
    // How far the nib reaches beyond the path pixel it is stamped on.
    int Reach() const { return reach_; }
    int SurfaceWidth() const { return coverage_.Width(); }
    int SurfaceHeight() const { return coverage_.Height(); }

    Coverage& Covered();

private:
    struct NibRow {
        int dy;
        int left;
        int right;
    };
    struct Run {
        bool open = false;
        int64_t y = 0;
        int64_t x0 = 0;
        int64_t x1 = 0;  // exclusive
    };

    void Walk(vPoint start, vPoint end, bool fromEnd);
    bool PatternShows(int64_t index) const;
    void FlushRun();
    void Stamp(int64_t y, int64_t x0, int64_t x1);

    Coverage coverage_;
    std::vector<int> pattern_;  // on and off lengths, in turn
    int patternLength_ = 0;
    std::vector<NibRow> nib_;
    int reach_ = 0;
    int64_t pathIndex_ = 0;
    Run run_;
};

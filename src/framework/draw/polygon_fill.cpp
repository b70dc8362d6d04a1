#include "framework/draw/polygon_fill.h"

#include <algorithm>
#include <cstdint>

namespace {

struct Edge {
    int64_t top;     // first row crossed
    int64_t bottom;  // first row no longer crossed
    int64_t x0, y0, x1, y1;
    int direction;   // +1 downwards, -1 upwards
};

struct Crossing {
    int64_t column;  // first pixel at or right of the edge
    int direction;
};

int64_t CeilDiv(__int128 numerator, int64_t denominator) {
    __int128 quotient = numerator / denominator;
    if (numerator % denominator != 0 && numerator > 0) ++quotient;
    return int64_t(quotient);
}

std::vector<Edge> EdgesOf(const std::vector<vPoint>& corners) {
    std::vector<Edge> edges;
    for (size_t i = 0; i < corners.size(); ++i) {
        vPoint a = corners[i], b = corners[(i + 1) % corners.size()];
        if (a.y == b.y) continue;
        int direction = b.y > a.y ? 1 : -1;
        if (direction < 0) std::swap(a, b);
        edges.push_back({a.y, b.y, a.x, a.y, b.x, b.y, direction});
    }
    return edges;
}

std::vector<Crossing> CrossingsAt(const std::vector<Edge>& edges, int64_t y) {
    std::vector<Crossing> crossings;
    for (const Edge& edge : edges) {
        if (y < edge.top || y >= edge.bottom) continue;
        __int128 offset = __int128(y - edge.y0) * (edge.x1 - edge.x0);
        int64_t column = edge.x0 + CeilDiv(offset, edge.y1 - edge.y0);
        crossings.push_back({column, edge.direction});
    }
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& a, const Crossing& b) { return a.column < b.column; });
    return crossings;
}

void FillRow(Coverage& coverage, int64_t y, const std::vector<Crossing>& crossings, FillRule rule) {
    int winding = 0;
    for (size_t i = 0; i + 1 < crossings.size(); ++i) {
        winding += rule == FillRule::EvenOdd ? 1 : crossings[i].direction;
        bool inside = rule == FillRule::EvenOdd ? winding % 2 != 0 : winding != 0;
        if (inside) coverage.AddSpan(y, crossings[i].column, crossings[i + 1].column);
    }
}

}  // namespace

void FillPolygon(Coverage& coverage, const std::vector<vPoint>& corners, FillRule rule) {
    std::vector<Edge> edges = EdgesOf(corners);
    if (edges.empty()) return;
    int64_t top = edges.front().top, bottom = edges.front().bottom;
    for (const Edge& edge : edges) {
        top = std::min(top, edge.top);
        bottom = std::max(bottom, edge.bottom);
    }
    top = std::max<int64_t>(top, 0);
    bottom = std::min<int64_t>(bottom, coverage.Height());
    for (int64_t y = top; y < bottom; ++y) FillRow(coverage, y, CrossingsAt(edges, y), rule);
}

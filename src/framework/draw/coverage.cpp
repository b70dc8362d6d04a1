#include "framework/draw/coverage.h"

#include <algorithm>

void Coverage::AddSpan(int64_t y, int64_t x0, int64_t x1) {
    if (y < 0 || y >= height_) return;
    x0 = std::max<int64_t>(x0, 0);
    x1 = std::min<int64_t>(x1, width_);
    if (x0 >= x1) return;
    Span span{int(y), int(x0), int(x1)};
    if (!spans_.empty()) {
        Span& last = spans_.back();
        // Pixels walked along a path mostly continue the previous span.
        if (span.y == last.y && span.x0 >= last.x0 && span.x0 <= last.x1) {
            last.x1 = std::max(last.x1, span.x1);
            return;
        }
        if (span.y < last.y || (span.y == last.y && span.x0 < last.x0)) merged_ = false;
    }
    spans_.push_back(span);
}

const std::vector<Span>& Coverage::Merged() {
    if (merged_) return spans_;
    std::sort(spans_.begin(), spans_.end(), [](const Span& a, const Span& b) {
        return a.y != b.y ? a.y < b.y : a.x0 < b.x0;
    });
    std::vector<Span> merged;
    merged.reserve(spans_.size());
    for (const Span& span : spans_) {
        if (!merged.empty() && merged.back().y == span.y && span.x0 <= merged.back().x1) {
            merged.back().x1 = std::max(merged.back().x1, span.x1);
        } else {
            merged.push_back(span);
        }
    }
    spans_.swap(merged);
    merged_ = true;
    return spans_;
}

#include "interchange/seams.h"

#include <cstdlib>

namespace {

template <typename Pair>
SeamMismatch Compare(int count, Pair valuesAt) {
    SeamMismatch mismatch;
    int64_t total = 0;
    for (int i = 0; i < count; ++i) {
        auto [first, second] = valuesAt(i);
        if (first < 0 || second < 0) continue;
        int difference = std::abs(first - second);
        if (difference > mismatch.maximum) mismatch.maximum = difference;
        total += difference;
        ++mismatch.pairs;
    }
    if (mismatch.pairs > 0) mismatch.mean = double(total) / double(mismatch.pairs);
    return mismatch;
}

}  // namespace

SeamReport MeasureSeams(const HeightField& field) {
    const int right = field.width() - 1, bottom = field.height() - 1;
    SeamReport report;
    report.leftRight = Compare(field.height(), [&](int y) {
        return std::pair(field.FieldValue(0, y), field.FieldValue(right, y));
    });
    report.topBottom = Compare(field.width(), [&](int x) {
        return std::pair(field.FieldValue(x, 0), field.FieldValue(x, bottom));
    });
    return report;
}

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <numbers>
#include <random>

#include "field_builder.h"
#include "ops/erosion.h"
#include "ops/erosion_grid.h"
#include "ops/roughen.h"
#include "ops/row_traversal.h"
#include "ops/slump_rows.h"
#include "ops/value_operations.h"

namespace {

// A cone on a plain: `top` at the centre, falling evenly to `plain` at radius `foot`.
Heights Cone(int side, int foot, int top, int plain) {
    Heights rows(size_t(side), std::vector<int>(size_t(side), 0));
    const double centre = (side - 1) / 2.0;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const double distance = std::hypot(x - centre, y - centre);
            rows[size_t(y)][size_t(x)] = distance >= foot ? plain : int(top - (top - plain) * distance / foot);
        }
    }
    return rows;
}

double Distance(int side, int x, int y) { return std::hypot(x - (side - 1) / 2.0, y - (side - 1) / 2.0); }

// The mean value of the positions from `inner` to `outer` away from the centre.
double RingMean(const Heights& rows, double inner, double outer) {
    const int side = int(rows.size());
    double sum = 0;
    int count = 0;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const double distance = Distance(side, x, y);
            if (distance < inner || distance >= outer) continue;
            sum += rows[size_t(y)][size_t(x)];
            ++count;
        }
    }
    return sum / count;
}

// Values met going once round the circle of radius r about the centre.
std::vector<int> AroundCircle(const Heights& rows, double r) {
    const int side = int(rows.size());
    const double centre = (side - 1) / 2.0;
    std::vector<int> values;
    for (int step = 0; step < 720; ++step) {
        const double angle = step * 2 * M_PI / 720;
        const int x = int(std::lround(centre + r * std::cos(angle))), y = int(std::lround(centre + r * std::sin(angle)));
        if (values.empty() || values.back() != rows[size_t(y)][size_t(x)]) values.push_back(rows[size_t(y)][size_t(x)]);
    }
    return values;
}

int64_t Sum(const Heights& rows) {
    int64_t sum = 0;
    for (const auto& row : rows) {
        for (int value : row) sum += value > 0 ? value : 0;
    }
    return sum;
}

int Changed(const Heights& before, const Heights& after) {
    int count = 0;
    for (size_t y = 0; y < before.size(); ++y) {
        for (size_t x = 0; x < before[y].size(); ++x) count += before[y][x] != after[y][x];
    }
    return count;
}

// A cone with rough sides, a wall of positions without a value across its lower half,
// and a selection: the left half of the field.
void RoughConeWithWallAndSelection(HeightField& field) {
    Heights rows = Cone(96, 40, 50000, 4000);
    std::mt19937 random(5);
    for (auto& row : rows) {
        for (int& value : row) value += int(random() % 8001) - 4000;
    }
    for (int x = 20; x < 76; ++x) rows[70][size_t(x)] = -1;
    SetField(field, kSixteenBitField, rows);
    std::vector<std::vector<int>> inside(96, std::vector<int>(96, 0));
    for (auto& row : inside) std::fill(row.begin(), row.begin() + 48, 1);
    SetMask(field, inside);
}

// A painter that shows the whole field and asks to stop after a number of steps.
class StoppingPainter : public FieldPainter {
public:
    explicit StoppingPainter(int stepsBeforeStop) : stepsLeft_(stepsBeforeStop) {}
    vRect ShownArea() const override { return {0, 0, INT_MAX, INT_MAX}; }
    void DrawRow(int) override { ++rowsDrawn; }
    void Progress(int64_t done, int64_t total) override { lastShare = double(done) / double(total); }
    bool StopRequested() override { return --stepsLeft_ < 0; }

    int rowsDrawn = 0;
    double lastShare = 0;

private:
    int stepsLeft_;
};

TEST(Rain, CutsGulliesDownAConeAndLaysAFanAtItsFoot) {
    HeightField field;
    const Heights cone = Cone(128, 48, 40000, 2000);
    SetField(field, kSixteenBitField, cone);
    WorkerPool workers;
    ASSERT_EQ(Rain(field, kAreaWhole, RainDroplets(field, 30), 1, workers).ending, ErosionOutcome::kDone);
    const Heights after = ReadValues(field);

    // Halfway down, the smooth circle of the cone is now cut by several gullies, each
    // well below the cone, between ridges that stand near it.
    const std::vector<int> circle = AroundCircle(after, 24);
    const int coneThere = cone[64][64 + 24];
    int gullies = 0;
    for (size_t i = 0; i < circle.size(); ++i) {
        const int before = circle[(i + circle.size() - 1) % circle.size()], next = circle[(i + 1) % circle.size()];
        if (circle[i] < before && circle[i] < next && circle[i] < coneThere - 300) ++gullies;
    }
    EXPECT_GE(gullies, 4);
    EXPECT_GT(*std::max_element(circle.begin(), circle.end()), coneThere - 300);

    // The sides lost ground, and the plain took it in a fan, most at the foot.
    auto gain = [&](double inner, double outer) { return RingMean(after, inner, outer) - RingMean(cone, inner, outer); };
    EXPECT_LT(gain(8, 44), -500);
    EXPECT_GT(gain(48, 56), 300);
    EXPECT_GT(gain(48, 56), gain(60, 68));
    EXPECT_GT(gain(60, 68), gain(72, 84));
}

TEST(Slump, LeavesNoSlopeSteeperThanTheAngleOfReposeOnceEnoughPassesHaveRun) {
    for (int kind : {kEightBitField, kSixteenBitField}) {
        HeightField field;
        const int top = kind == kSixteenBitField ? 60000 : 230;
        SetField(field, kind, Cone(48, 4, top, 0));
        const int64_t before = Sum(ReadValues(field));
        WorkerPool workers;
        ASSERT_EQ(Slump(field, kAreaWhole, 100000, workers).ending, ErosionOutcome::kDone);
        const Heights after = ReadValues(field);

        const double repose = ReposeDifference(field);
        for (int y = 0; y < 48; ++y) {
            for (int x = 0; x < 48; ++x) {
                for (auto [dx, dy] : {std::pair{1, 0}, {0, 1}, {1, 1}, {1, -1}}) {
                    if (!field.Contains(x + dx, y + dy)) continue;
                    const double allowed = repose * std::hypot(dx, dy) + 1;  // one for the rounding
                    ASSERT_LE(std::abs(after[size_t(y)][size_t(x)] - after[size_t(y + dy)][size_t(x + dx)]), allowed)
                        << kind << " at " << x << "," << y;
                }
            }
        }
        EXPECT_LT(after[24][24], top / 2) << kind;
        EXPECT_LE(std::abs(Sum(after) - before), Changed(Cone(48, 4, top, 0), after) / 2) << kind;
    }
}

// Slump as one pass after another over whole rows of the field, from the same row steps.
void SlumpPassByPass(HeightField& field, int area, int passes) {
    WorkerPool one(1);
    ErosionGrid grid(field, area, 1.0f, one);
    const float repose = float(ReposeDifference(field));
    const SlumpLimits limits{repose, repose * std::numbers::sqrt2_v<float>};
    const int width = grid.width(), height = grid.height();
    const size_t stride = size_t(width) + 2;
    // Row y at y + 1, with a row of walls and no outflow past each end.
    std::vector<float> heights((size_t(height) + 2) * stride), sliding(heights.size()), share(heights.size());
    std::vector<float> next(stride, kSlumpWall);
    auto at = [&](std::vector<float>& rows, int y) { return rows.data() + size_t(y + 1) * stride; };
    FillSlumpWall(at(heights, -1), width);
    FillSlumpWall(at(heights, height), width);
    for (int pass = 0; pass < passes; ++pass) {
        for (int y = 0; y < height; ++y) CopySlumpRow(grid.Row(y), at(heights, y), width);
        for (int y = 0; y < height; ++y) {
            SlumpOutflow(at(heights, y - 1), at(heights, y), at(heights, y + 1), limits, 0, width, at(sliding, y),
                         at(share, y));
        }
        for (int y = 0; y < height; ++y) {
            SlumpInflow(at(heights, y - 1), at(heights, y), at(heights, y + 1), at(share, y - 1), at(share, y),
                        at(share, y + 1), at(sliding, y), limits, 0, width, next.data());
            StoreSlumpRow(next.data(), grid.Row(y), width);
        }
    }
    for (int y = 0; y < height; ++y) {
        uint32_t* row = field.working().MutableRowPixels(y);
        grid.StoreRow(y, row, row);
    }
}

// The passes are worked on bands of rows a few at a time, each pass a few rows behind
// the one before: a field tall enough for several bands, passes that do not fill the
// last group, walls across a band's edge and an area must still give the bytes of plain
// passes.
TEST(Slump, GivesTheBytesOfOnePassAfterAnotherOverWholeRows) {
    Heights rows(700, std::vector<int>(400));
    std::mt19937 random(11);
    for (auto& row : rows) {
        for (int& value : row) value = 30000 + int(random() % 6001);
    }
    for (int y = 495; y < 530; ++y) rows[size_t(y)][17] = -1;
    for (int x = 5; x < 30; ++x) rows[200][size_t(x)] = -1;
    std::vector<std::vector<int>> inside(700, std::vector<int>(400, 1));
    for (int y = 300; y < 420; ++y) std::fill(inside[size_t(y)].begin() + 10, inside[size_t(y)].end(), 0);
    for (int passes : {1, 11}) {
        HeightField field, plain;
        for (HeightField* each : {&field, &plain}) {
            SetField(*each, kSixteenBitField, rows);
            SetMask(*each, inside);
        }
        WorkerPool workers(2);
        ASSERT_EQ(Slump(field, kAreaInside, passes, workers).ending, ErosionOutcome::kDone);
        SlumpPassByPass(plain, kAreaInside, passes);
        EXPECT_GT(Changed(rows, ReadValues(field)), 10000) << passes;
        EXPECT_TRUE(ReadPixels(field) == ReadPixels(plain)) << passes;
    }
}

TEST(Slump, LeavesGroundGentlerThanTheAngleOfReposeAsItIs) {
    // Rough ground on high plain, every step well below the angle of repose, beside
    // walls and the field's edges, which must neither give nor take.
    Heights rows = Cone(150, 60, 31000, 30000);
    std::mt19937 random(3);
    for (auto& row : rows) {
        for (int& value : row) value += int(random() % 1001) - 500;
    }
    for (int y = 10; y < 140; ++y) rows[size_t(y)][75] = -1;
    HeightField field;
    SetField(field, kSixteenBitField, rows);
    const auto before = ReadPixels(field);
    WorkerPool workers;
    ASSERT_EQ(Slump(field, kAreaWhole, 20, workers).ending, ErosionOutcome::kDone);
    EXPECT_TRUE(ReadPixels(field) == before);
}

TEST(Erosion, ChangesNothingOutsideTheAreaNorAtWallsAndKeepsTheMaterial) {
    for (int area : {kAreaInside, kAreaOutside}) {
        for (bool rain : {true, false}) {
            HeightField field;
            RoughConeWithWallAndSelection(field);
            const Heights before = ReadValues(field);
            const auto pixelsBefore = ReadPixels(field);
            WorkerPool workers;
            const ErosionOutcome outcome = rain ? Rain(field, area, RainDroplets(field, 40), 3, workers)
                                                : Slump(field, area, 30, workers);
            ASSERT_EQ(outcome.ending, ErosionOutcome::kDone);
            const Heights after = ReadValues(field);
            const auto pixelsAfter = ReadPixels(field);
            for (int y = 0; y < 96; ++y) {
                for (int x = 0; x < 96; ++x) {
                    const bool target = field.MaskTest(x, y) == area - 1;
                    if (!target || before[size_t(y)][size_t(x)] < 0) {
                        ASSERT_EQ(pixelsAfter[size_t(y)][size_t(x)], pixelsBefore[size_t(y)][size_t(x)]) << x << "," << y;
                    }
                }
            }
            const int targetsChanged = Changed(before, after);
            EXPECT_GT(targetsChanged, 1000) << area << rain;
            // What left the ground is on it still, or was carried off, within the rounding
            // of the stored values.
            const double balance = double(Sum(before) - Sum(after)) - outcome.carriedOff;
            EXPECT_LE(std::abs(balance), targetsChanged / 2.0) << area << rain;
            EXPECT_EQ(outcome.carriedOff > 0, rain) << area;
        }
    }
}

TEST(Erosion, GivesTheSameBytesOnAnyNumberOfThreads) {
    std::vector<std::vector<uint32_t>> results[2];
    for (int threads : {1, 2, 5}) {
        for (bool rain : {true, false}) {
            HeightField field;
            SetField(field, kSixteenBitField, Cone(300, 140, 60000, 1000));
            Roughen(field, RoughMode::Middle, 3000, 9);
            WorkerPool workers(threads);
            if (rain) {
                Rain(field, kAreaWhole, RainDroplets(field, 20), 11, workers);
            } else {
                Slump(field, kAreaWhole, 8, workers);
            }
            auto& result = results[rain];
            if (result.empty()) {
                result = ReadPixels(field);
            } else {
                ASSERT_TRUE(ReadPixels(field) == result) << threads << " threads, rain " << rain;
            }
        }
    }
    HeightField other;
    SetField(other, kSixteenBitField, Cone(300, 140, 60000, 1000));
    Roughen(other, RoughMode::Middle, 3000, 9);
    WorkerPool workers;
    Rain(other, kAreaWhole, RainDroplets(other, 20), 12, workers);
    EXPECT_FALSE(ReadPixels(other) == results[1]) << "another seed, other droplets";
}

// Rows shown while it rains do not change the result, and a stop leaves the field as it
// was before, also when it had changed since the last commit; the commit is kept.
TEST(Erosion, StopsWithTheFieldAsBeforeAndShowsRowsWithoutChangingTheResult) {
    auto strayBlue = [](HeightField& field) {
        // 16-bit colours with a stray blue byte, which a stored value would not have.
        std::vector<std::vector<uint32_t>> rows(200, std::vector<uint32_t>(200));
        const Heights cone = Cone(200, 30, 60000, 3000);
        for (int y = 0; y < 200; ++y) {
            for (int x = 0; x < 200; ++x) rows[size_t(y)][size_t(x)] = uint32_t(cone[size_t(y)][size_t(x)]) | 0x170000u;
        }
        SetPixels(field, kSixteenBitField, rows);
    };
    WorkerPool workers;
    HeightField quiet, shown;
    strayBlue(quiet);
    strayBlue(shown);
    StoppingPainter neverStops(INT_MAX);
    shown.SetPainter(&neverStops);
    Rain(quiet, kAreaWhole, RainDroplets(quiet, 50), 4, workers);
    Rain(shown, kAreaWhole, RainDroplets(shown, 50), 4, workers);
    EXPECT_TRUE(ReadPixels(shown) == ReadPixels(quiet));
    EXPECT_GE(neverStops.rowsDrawn, 200);
    EXPECT_EQ(neverStops.lastShare, 1.0);

    for (bool changedSinceCommit : {false, true}) {
        for (int steps : {0, 1}) {
            HeightField field;
            strayBlue(field);
            const auto committed = ReadPixels(field);
            if (changedSinceCommit) AddValue(field, kAreaWhole, 7);
            const auto before = ReadPixels(field);
            const uint64_t revision = field.revision();
            StoppingPainter stopping(steps);
            field.SetPainter(&stopping);
            ASSERT_TRUE(field.ReadyToWrite());
            // Slump asks whether to stop after every few passes.
            const ErosionOutcome outcome = changedSinceCommit ? Slump(field, kAreaWhole, 20, workers)
                                                              : Rain(field, kAreaWhole, RainDroplets(field, 50), 4, workers);
            EXPECT_EQ(outcome.ending, ErosionOutcome::kStopped);
            EXPECT_TRUE(ReadPixels(field) == before) << changedSinceCommit << steps;
            EXPECT_EQ(field.revision(), revision) << changedSinceCommit << steps;
            field.RestoreField();
            EXPECT_TRUE(ReadPixels(field) == committed) << changedSinceCommit << steps;
        }
    }
}

}  // namespace

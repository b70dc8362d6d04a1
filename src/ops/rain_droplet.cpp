#include "ops/rain_droplet.h"

#include <algorithm>
#include <cmath>

namespace rain {

namespace {

constexpr int kSpan = kRadius - 1;  // the farthest offset with a weight above 0
constexpr int kSide = 2 * kSpan + 1;

// The weights of a brush with every position on ground, in rows from the top left.
struct Brush {
    std::array<float, kSide * kSide> weights{};

    Brush() {
        float total = 0.0f;
        for (int dy = -kSpan; dy <= kSpan; ++dy) {
            for (int dx = -kSpan; dx <= kSpan; ++dx) total += std::max(RawWeight(dx, dy), 0.0f);
        }
        size_t i = 0;
        for (int dy = -kSpan; dy <= kSpan; ++dy) {
            for (int dx = -kSpan; dx <= kSpan; ++dx) weights[i++] = std::max(RawWeight(dx, dy), 0.0f) / total;
        }
    }
};

const Brush kBrush;

// The four corners of a droplet's cell, (x, y) at the top left.
struct Cell {
    int x, y;
    float h00, h10, h01, h11;

    Cell(const ErosionGrid& grid, int cellX, int cellY) : x(cellX), y(cellY) {
        const float* top = grid.Row(y) + x;
        const float* bottom = grid.Row(y + 1) + x;
        h00 = top[0];
        h10 = top[1];
        h01 = bottom[0];
        h11 = bottom[1];
    }
    float Lowest() const { return std::min(std::min(h00, h10), std::min(h01, h11)); }
    float HeightAt(float u, float v) const {
        return h00 * (1 - u) * (1 - v) + h10 * u * (1 - v) + h01 * (1 - u) * v + h11 * u * v;
    }
};

bool InsideCells(const ErosionGrid& grid, int cellX, int cellY) {
    return cellX >= 0 && cellY >= 0 && cellX < grid.width() - 1 && cellY < grid.height() - 1;
}

// Lays amount on the cell's corners, each by its share of the droplet's place in it.
void Deposit(ErosionGrid& grid, const Cell& cell, float u, float v, float amount) {
    grid.At(cell.x, cell.y) += amount * (1 - u) * (1 - v);
    grid.At(cell.x + 1, cell.y) += amount * u * (1 - v);
    grid.At(cell.x, cell.y + 1) += amount * (1 - u) * v;
    grid.At(cell.x + 1, cell.y + 1) += amount * u * v;
}

// Takes up to amount from the ground around the position nearest (x, y), by the weights
// of the ground there; no position goes below 0. Returns what was taken.
float Erode(ErosionGrid& grid, const ClearGround& clear, float x, float y, float amount) {
    const int centreX = int(x + 0.5f), centreY = int(y + 0.5f);
    float taken = 0.0f;
    if (clear.IsClear(centreX, centreY)) {
        const float* weight = kBrush.weights.data();
        for (int dy = -kSpan; dy <= kSpan; ++dy) {
            float* row = grid.Row(centreY + dy) + centreX;
            for (int dx = -kSpan; dx <= kSpan; ++dx) {
                const float take = std::min(amount * *weight++, row[dx]);
                row[dx] -= take;
                taken += take;
            }
        }
        return taken;
    }
    // Near walls, edges and the area's edge the weights of the ground alone share it.
    float total = 0.0f;
    for (int dy = -kSpan; dy <= kSpan; ++dy) {
        for (int dx = -kSpan; dx <= kSpan; ++dx) {
            const int px = centreX + dx, py = centreY + dy;
            if (px < 0 || py < 0 || px >= grid.width() || py >= grid.height()) continue;
            if (ErosionGrid::IsGround(grid.At(px, py))) total += std::max(RawWeight(dx, dy), 0.0f);
        }
    }
    for (int dy = -kSpan; dy <= kSpan; ++dy) {
        for (int dx = -kSpan; dx <= kSpan; ++dx) {
            const int px = centreX + dx, py = centreY + dy;
            if (px < 0 || py < 0 || px >= grid.width() || py >= grid.height()) continue;
            float& height = grid.At(px, py);
            if (!ErosionGrid::IsGround(height)) continue;
            const float take = std::min(amount * (std::max(RawWeight(dx, dy), 0.0f) / total), height);
            height -= take;
            taken += take;
        }
    }
    return taken;
}

}  // namespace

float RawWeight(int dx, int dy) { return float(kRadius) - std::sqrt(float(dx * dx + dy * dy)); }

ClearGround::ClearGround(const ErosionGrid& grid, WorkerPool& workers)
    : columns_((grid.width() + kBlock - 1) / kBlock),
      rows_((grid.height() + kBlock - 1) / kBlock),
      clear_(size_t(columns_) * size_t(rows_), 0) {
    // First whether each block is ground throughout, then whether its neighbours are
    // too: the brush reaches less than a block beyond its centre.
    std::vector<uint8_t> ground(clear_.size(), 0);
    workers.Run(rows_, [&](int blockY) {
        const int top = blockY * kBlock, bottom = std::min(grid.height(), top + kBlock);
        for (int blockX = 0; blockX < columns_; ++blockX) {
            const int left = blockX * kBlock, right = std::min(grid.width(), left + kBlock);
            bool all = true;
            for (int y = top; y < bottom && all; ++y) {
                const float* row = grid.Row(y);
                for (int x = left; x < right; ++x) all = all && ErosionGrid::IsGround(row[x]);
            }
            ground[size_t(blockY) * size_t(columns_) + size_t(blockX)] = all;
        }
    });
    static_assert(kSpan <= kBlock);
    for (int blockY = 1; blockY + 1 < rows_; ++blockY) {
        for (int blockX = 1; blockX + 1 < columns_; ++blockX) {
            bool all = true;
            for (int ny = blockY - 1; ny <= blockY + 1; ++ny) {
                for (int nx = blockX - 1; nx <= blockX + 1; ++nx) {
                    all = all && ground[size_t(ny) * size_t(columns_) + size_t(nx)];
                }
            }
            clear_[size_t(blockY) * size_t(columns_) + size_t(blockX)] = all;
        }
    }
}

float RunDroplet(ErosionGrid& grid, const ClearGround& clear, float x, float y) {
    int cellX = int(x), cellY = int(y);
    if (!InsideCells(grid, cellX, cellY) || !ErosionGrid::IsGround(Cell(grid, cellX, cellY).Lowest())) return 0.0f;
    float dirX = 0, dirY = 0, speed = kStartSpeed, water = kStartWater, sediment = 0;
    for (int step = 0; step < kMaxSteps + kDryingSteps && (step < kMaxSteps || sediment > 0.0f); ++step) {
        const Cell cell(grid, cellX, cellY);
        const float u = x - float(cellX), v = y - float(cellY);
        const float gradX = (cell.h10 - cell.h00) * (1 - v) + (cell.h11 - cell.h01) * v;
        const float gradY = (cell.h01 - cell.h00) * (1 - u) + (cell.h11 - cell.h10) * u;
        dirX = dirX * kInertia - gradX * (1 - kInertia);
        dirY = dirY * kInertia - gradY * (1 - kInertia);
        const float length = std::sqrt(dirX * dirX + dirY * dirY);
        if (length == 0.0f) break;  // on flat ground it stays
        dirX /= length;
        dirY /= length;
        const float nextX = x + dirX, nextY = y + dirY;
        const int nextCellX = int(std::floor(nextX)), nextCellY = int(std::floor(nextY));
        if (!InsideCells(grid, nextCellX, nextCellY)) return sediment;
        const Cell next(grid, nextCellX, nextCellY);
        if (next.Lowest() == ErosionGrid::kOutside) return sediment;
        if (!ErosionGrid::IsGround(next.Lowest())) break;  // a wall stops it
        const float height = cell.HeightAt(u, v);
        const float drop = height - next.HeightAt(nextX - float(nextCellX), nextY - float(nextCellY));
        const float capacity = step < kMaxSteps ? std::max(drop, kMinSlope) * speed * water * kCapacity : 0.0f;
        if (sediment > capacity || drop < 0) {
            const float amount = drop < 0 ? std::min(-drop, sediment) : (sediment - capacity) * kDeposition;
            sediment -= amount;
            Deposit(grid, cell, u, v, amount);
        } else {
            sediment += Erode(grid, clear, x, y, std::min((capacity - sediment) * kErosion, drop));
        }
        speed = std::sqrt(std::max(speed * speed + drop * kGravity, 0.0f));
        water *= 1 - kEvaporation;
        x = nextX;
        y = nextY;
        cellX = nextCellX;
        cellY = nextCellY;
    }
    Deposit(grid, Cell(grid, cellX, cellY), x - float(cellX), y - float(cellY), sediment);
    return 0.0f;
}

}  // namespace rain

#include "render/terrain_march.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kEndless = std::numeric_limits<double>::infinity();
// A level's vertices may lie this many pixels apart in the picture before the next,
// twice as coarse, takes over.
constexpr double kPixelsPerVertex = 3;
constexpr double kNoHeight = std::numeric_limits<double>::quiet_NaN();

}  // namespace

LineMarch::LineMarch(const TerrainLevels& levels, const CameraView& view, double highest)
    : levels_(levels), view_(view), highest_(highest), inverseScale_(1 / levels.VerticalScale()) {
    // Distances count from the eye; the ground is at least this far below it.
    const double below = std::max(view.eye.z - highest, 0.0);
    for (int level = 0; level < TerrainLevels::kLevels; ++level) {
        if (level + 1 == TerrainLevels::kLevels) {
            levelEnds_[level] = kEndless;
            continue;
        }
        const double distance = TerrainLevels::Spacing(level + 1) * view.focal / kPixelsPerVertex;
        levelEnds_[level] = std::sqrt(std::max(distance * distance - below * below, 0.0));
    }
}

int LineMarch::LevelAt(double distance) const {
    int level = 0;
    while (distance >= levelEnds_[level]) ++level;
    return level;
}

// Where the ray across the field from the eye enters and leaves the square of its
// vertices.
bool LineMarch::FieldRange(double& from, double& to) const {
    const HeightField& field = levels_.field();
    from = 0;
    to = kEndless;
    const double eye[2] = {view_.eye.x, view_.eye.y}, rate[2] = {direction_.x, direction_.y};
    const double last[2] = {double(field.width() - 1), double(field.height() - 1)};
    for (int axis = 0; axis < 2; ++axis) {
        if (rate[axis] == 0) {
            if (eye[axis] < 0 || eye[axis] > last[axis]) return false;
            continue;
        }
        const double a = (0 - eye[axis]) / rate[axis], b = (last[axis] - eye[axis]) / rate[axis];
        from = std::max(from, std::min(a, b));
        to = std::min(to, std::max(a, b));
    }
    return from <= to;
}

// The line's ray stands for the pixel's own everywhere but at the field's edge, where
// the surface ends: there a pixel's ray that is outside the field where the line's meets
// the surface enters it beneath the surface, or has left it.
bool LineMarch::InField(const LinePixel& pixel, double distance) const {
    const double x = view_.eye.x + distance * pixel.acrossX, y = view_.eye.y + distance * pixel.acrossY;
    const HeightField& field = levels_.field();
    return x >= 0 && y >= 0 && x <= field.width() - 1 && y <= field.height() - 1;
}

inline __attribute__((always_inline)) void LineMarch::Fetch(int corner, int column, int row) {
    const int level = cell_.level;
    cell_.height[corner] = levels_.Height(level, std::clamp(column, 0, levels_.Columns(level) - 1),
                                         std::clamp(row, 0, levels_.Rows(level) - 1));
}

void LineMarch::Load(int level, int column, int row) {
    cell_.level = level;
    cell_.column = column;
    cell_.row = row;
    Fetch(0, column, row);
    Fetch(1, column + 1, row);
    Fetch(2, column, row + 1);
    Fetch(3, column + 1, row + 1);
}

void LineMarch::StepAcross(int direction) {
    const int keep = direction > 0 ? 0 : 1, fresh = 1 - keep;
    cell_.column += direction;
    cell_.height[keep] = cell_.height[keep ^ 1];
    cell_.height[keep + 2] = cell_.height[(keep + 2) ^ 1];
    Fetch(fresh, cell_.column + fresh, cell_.row);
    Fetch(fresh + 2, cell_.column + fresh, cell_.row + 1);
}

void LineMarch::StepDown(int direction) {
    const int keep = direction > 0 ? 0 : 2, fresh = 2 - keep;
    cell_.row += direction;
    cell_.height[keep] = cell_.height[keep ^ 2];
    cell_.height[keep + 1] = cell_.height[(keep + 1) ^ 2];
    Fetch(fresh, cell_.column, cell_.row + fresh / 2);
    Fetch(fresh + 1, cell_.column + 1, cell_.row + fresh / 2);
}

// The square's corners outside the field repeat the nearest ones, so a point a little
// outside it takes the height of its edge.
inline __attribute__((always_inline)) double LineMarch::HeightAt(double x, double y, bool upper) const {
    const double fx = x - cell_.column, fy = y - cell_.row;
    const double* h = cell_.height;
    if (upper) return h[0] + fx * (h[1] - h[0]) + fy * (h[3] - h[1]);
    return h[0] + fy * (h[2] - h[0]) + fx * (h[3] - h[2]);
}

SurfacePoint LineMarch::Hit(double s, bool upper, double slope) const {
    const double fx = std::clamp(startX_ + s * rateX_ - cell_.column, 0.0, 1.0);
    const double fy = std::clamp(startY_ + s * rateY_ - cell_.row, 0.0, 1.0);
    const double* h = cell_.height;
    SurfacePoint point;
    point.x = view_.eye.x + s * direction_.x;
    point.y = view_.eye.y + s * direction_.y;
    point.across = s;
    point.rise = slope;
    // The nearest corner lies in the triangle, unless the point sits on its edge. Its
    // value is its height over the scale, rounded as a block's mean is.
    int corner = (fy >= 0.5 ? 2 : 0) + (fx >= 0.5 ? 1 : 0);
    if (std::isnan(h[corner])) corner = upper ? 1 : 2;
    point.value = int(h[corner] * inverseScale_ + 0.5);
    const int level = cell_.level;
    double slopeX, slopeY;
    if (!std::isnan(h[0] + h[1] + h[2] + h[3])) {
        slopeX = (h[1] - h[0]) * (1 - fy) + (h[3] - h[2]) * fy;
        slopeY = (h[2] - h[0]) * (1 - fx) + (h[3] - h[1]) * fx;
    } else {
        slopeX = upper ? h[1] - h[0] : h[3] - h[2];
        slopeY = upper ? h[3] - h[1] : h[2] - h[0];
    }
    const double spacing = TerrainLevels::Spacing(level);
    point.slopeX = float(slopeX / spacing);
    point.slopeY = float(slopeY / spacing);
    return point;
}

void LineMarch::NextPending() {
    const std::vector<LinePixel>& pixels = *pixels_;
    finished_ = next_ == pixels.size();
    if (above_ < pixels.size()) pendingSlope_ = pixels[above_].slope;
}

// Most pieces pass beneath every pending ray.
inline __attribute__((always_inline)) void LineMarch::Segment(double a, double heightA, double b, double heightB,
                                                              bool upper) {
    const double eyeZ = view_.eye.z;
    if (!entering_ && above_ == next_ && !std::isnan(heightA) && heightB - eyeZ - pendingSlope_ * b < 0) {
        // A rising ray above every height meets nothing more, nor do the rays above it.
        if (pendingSlope_ >= 0 && eyeZ + pendingSlope_ * b > highest_) finished_ = true;
        return;
    }
    SegmentEvents(a, heightA, b, heightB, upper);
}

// Pending rays are the ones from next_ on, lowest first. Those from next_ to above_
// entered the field beneath its surface (at its edge, or out of a gap where positions
// have no value): the surface has no walls, so they meet it only once they have come out
// above it; the rest are above it and meet it where they first reach it. A ray that
// meets the surface hides the lower ones still beneath it, which show sky.
void LineMarch::SegmentEvents(double a, double heightA, double b, double heightB, bool upper) {
    const std::vector<LinePixel>& pixels = *pixels_;
    const size_t count = pixels.size();
    const double eyeZ = view_.eye.z;
    auto over = [&](size_t pixel, double at, double height) { return height - eyeZ - pixels[pixel].slope * at; };
    const bool solid = !std::isnan(heightA) && !std::isnan(heightB);
    if (solid && entering_) {
        while (above_ < count && over(above_, a, heightA) >= 0) ++above_;
    }
    entering_ = !solid;
    if (solid) {
        while (above_ > next_ && over(above_ - 1, b, heightB) < 0) --above_;
        while (above_ < count) {
            const double overB = over(above_, b, heightB);
            if (overB < 0) break;
            const double overA = over(above_, a, heightA);
            const double hit = overA >= 0 ? a : a + (b - a) * overA / (overA - overB);
            for (; next_ < above_; ++next_) shader_->Sky(pixels[next_].index, pixels[next_].slope);
            const LinePixel& pixel = pixels[above_];
            if (InField(pixel, hit)) {
                shader_->Terrain(pixel.index, Hit(hit, upper, pixel.slope));
            } else {
                shader_->Sky(pixel.index, pixel.slope);
            }
            next_ = ++above_;
        }
    }
    NextPending();
    if (!finished_ && above_ < count && pendingSlope_ >= 0 && eyeZ + pendingSlope_ * b > highest_) finished_ = true;
}

double LineMarch::WalkLevel(int level, double from, double to) {
    const double spacing = TerrainLevels::Spacing(level), origin = TerrainLevels::Origin(level);
    startX_ = (view_.eye.x - origin) / spacing;
    startY_ = (view_.eye.y - origin) / spacing;
    rateX_ = direction_.x / spacing;
    rateY_ = direction_.y / spacing;
    const double end = std::min(levelEnds_[level], to);
    // The square the walk enters just after `from`.
    const double x = startX_ + from * rateX_, y = startY_ + from * rateY_;
    int column = int(std::floor(x)), row = int(std::floor(y));
    if (rateX_ < 0 && column == x) --column;
    if (rateY_ < 0 && row == y) --row;
    Load(level, column, row);
    auto firstStop = [](double start, double rate, int at) {
        if (rate == 0) return kEndless;
        return ((rate > 0 ? at + 1 : at) - start) / rate;
    };
    double nextX = firstStop(startX_, rateX_, column), nextY = firstStop(startY_, rateY_, row);
    const double stepX = rateX_ != 0 ? 1 / std::abs(rateX_) : kEndless;
    const double stepY = rateY_ != 0 ? 1 / std::abs(rateY_) : kEndless;
    const double diagonalRate = rateX_ - rateY_;
    double a = from;
    double heightA = kNoHeight;
    while (!finished_ && a < end) {
        const double b = std::min({nextX, nextY, end});
        // The diagonal, where x - y = column - row, parts the two triangles.
        const double offset = startX_ - startY_ - (cell_.column - cell_.row);
        const double diagonalA = offset + a * diagonalRate, diagonalB = offset + b * diagonalRate;
        const bool crosses = (diagonalA > 0 && diagonalB < 0) || (diagonalA < 0 && diagonalB > 0);
        const bool first = crosses ? diagonalA > 0 : diagonalA + diagonalB >= 0;
        if (std::isnan(heightA)) heightA = HeightAt(startX_ + a * rateX_, startY_ + a * rateY_, first);
        double c = a;
        if (crosses) {
            c = a + (b - a) * diagonalA / (diagonalA - diagonalB);
            const double heightC = HeightAt(startX_ + c * rateX_, startY_ + c * rateY_, first);
            Segment(a, heightA, c, heightC, first);
            heightA = heightC;
        }
        const bool last = crosses ? !first : first;
        const double heightB = HeightAt(startX_ + b * rateX_, startY_ + b * rateY_, last);
        if (!finished_) Segment(c, heightA, b, heightB, last);
        heightA = heightB;
        a = b;
        if (b >= end) break;
        if (nextX <= b) {
            StepAcross(rateX_ > 0 ? 1 : -1);
            nextX += stepX;
        }
        if (nextY <= b) {
            StepDown(rateY_ > 0 ? 1 : -1);
            nextY += stepY;
        }
    }
    return finished_ ? to : a;
}

void LineMarch::Run(Vec3 direction, const std::vector<LinePixel>& pixels, PixelShader& shader) {
    direction_ = direction;
    pixels_ = &pixels;
    shader_ = &shader;
    next_ = above_ = 0;
    entering_ = true;
    NextPending();
    double s, to;
    if (!finished_ && FieldRange(s, to)) {
        // Nothing lies higher than the highest height: the lowest ray meets nothing
        // before it has come down to it.
        const double lowest = pixels[0].slope;
        if (lowest < 0 && view_.eye.z > highest_) s = std::max(s, (view_.eye.z - highest_) / -lowest);
        while (!finished_ && s < to) s = WalkLevel(LevelAt(s), s, to);
    }
    for (; next_ < pixels.size(); ++next_) shader.Sky(pixels[next_].index, pixels[next_].slope);
}

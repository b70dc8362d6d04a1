#pragma once

// Plain coordinate records passed to the multi-shape drawing operations.
struct vPoint {
    int x = 0;
    int y = 0;
};

struct vLine {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

struct vSize {
    int w = 0;
    int h = 0;
};

struct vRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

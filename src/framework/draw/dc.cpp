#include "framework/draw/dc.h"

void vDC::SetZoom(int multiplier, int divisor) {
    // A zero divisor would divide by zero in ScaleCoord; treat it as no scaling.
    if (divisor == 0) {
        multiplier = 1;
        divisor = 1;
    }
    scaleMultiplier_ = multiplier;
    scaleDivisor_ = divisor;
    scaleActive_ = !(multiplier == 1 && divisor == 1);
}

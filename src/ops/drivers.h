#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/height_field.h"

// The drivers that run an operation at a release on the canvas: each reads and checks
// its value text, runs the operation and reports the words for the message field.
struct DriverReport {
    bool ran = false;
    std::string message;  // the completion message, "Value Wrong!!" or the notice below
    bool outOfMemory = false;  // said as a notice: no memory for the undo copy, nothing changed
};

DriverReport RunRough(HeightField& field, int area, int mode, std::string_view valueText, uint32_t seed);
DriverReport RunSmooth(HeightField& field, int area, int radius);
DriverReport RunCut(HeightField& field, int area, std::string_view valueText);
DriverReport RunClip(HeightField& field, int area, std::string_view valueText);
DriverReport RunInc(HeightField& field, int area, std::string_view valueText);
DriverReport RunDec(HeightField& field, int area, std::string_view valueText);
DriverReport RunFill(HeightField& field, int area, std::string_view valueText);
DriverReport RunInverse(HeightField& field, int area);
DriverReport RunMirror(HeightField& field, int direction);
DriverReport RunFlip(HeightField& field, int direction);

// The Convert commands around the engine: convert, set the kind, commit.
void RunConvertToPpm(HeightField& field);
void RunConvertToTga(HeightField& field);

#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "document/field_document.h"
#include "scratch.h"

// A session of every kind of step, as the editor's commands make them.
using Action = std::function<void(FieldDocument&)>;

inline OperationInputs Inputs(int area, const char* value = "", RoughMode mode = RoughMode::Middle, int radius = 1) {
    OperationInputs inputs;
    inputs.area = area;
    inputs.valueText = value;
    inputs.mode = int(mode);
    inputs.radius = radius;
    inputs.seed = 77;
    return inputs;
}

// A seed of its own: a replay that lost it would rain elsewhere.
inline OperationInputs RainInputs(int area, const char* value, uint32_t seed) {
    OperationInputs inputs = Inputs(area, value);
    inputs.seed = seed;
    return inputs;
}

inline Action Run(Operation operation, OperationInputs inputs) {
    return [operation, inputs](FieldDocument& document) { ASSERT_TRUE(document.Run(operation, inputs).ran); };
}

inline Action Choose(std::vector<vPoint> vertices) {
    return [vertices](FieldDocument& document) {
        document.BeginSelection();
        for (const vPoint& v : vertices) {
            document.selection().AddClickedVertex(v.x, v.y, document.field().width(), document.field().height());
        }
        ASSERT_TRUE(document.CloseSelection());
    };
}

// A palette of its own: every entry's blue byte is its number, so an 8-bit field keeps
// its values, with other reds and greens.
inline std::string WritePalette(const ScratchDir& folder) {
    std::string path = folder / "Other.pal";
    std::ofstream out(path);
    for (int i = 0; i < 256; ++i) out << (255 - i) << "," << (i * 7 % 256) << "," << i << "\n";
    return path;
}

inline Action ConvertToOther() {
    return [](FieldDocument& document) { ASSERT_TRUE(document.ConvertTo(1 - document.field().kind())); };
}

// Every kind of step: operations whole, inside and outside, erosion included, Keep, Undo, both conversions,
// both zooms, a palette, a polygon chosen and dropped, the tile operations.
inline std::vector<Action> Session(const std::string& palettePath) {
    return {
        Run(Operation::Rough, Inputs(kAreaWhole, "30")),
        Choose({{20, 10}, {140, 30}, {120, 90}, {30, 70}}),
        Run(Operation::Inc, Inputs(kAreaInside, "20")),
        Run(Operation::Rain, RainInputs(kAreaInside, "80", 91)),
        Run(Operation::Smooth, Inputs(kAreaOutside, "", RoughMode::Middle, 2)),
        [](FieldDocument& document) { document.Keep(); },
        Run(Operation::Rough, Inputs(kAreaInside, "10", RoughMode::Down)),
        Run(Operation::Cut, Inputs(kAreaOutside, "90")),
        [](FieldDocument& document) { ASSERT_TRUE(document.Undo()); },
        Choose({{10, 10}, {100, 12}, {60, 80}}),
        ConvertToOther(),
        Run(Operation::Dec, Inputs(kAreaWhole, "300")),
        [](FieldDocument& document) { ASSERT_EQ(document.Zoom(ZoomMode::Expand), ZoomOutcome::kDone); },
        Run(Operation::Inverse, Inputs(kAreaInside)),
        Run(Operation::Slump, Inputs(kAreaOutside, "3")),
        [](FieldDocument& document) { ASSERT_EQ(document.Zoom(ZoomMode::Shrink), ZoomOutcome::kDone); },
        ConvertToOther(),
        [](FieldDocument& document) { document.EndSelection(); },
        [palettePath](FieldDocument& document) {
            std::string folder;
            ASSERT_EQ(document.ChangePalette(palettePath.c_str(), folder), 0);
        },
        Run(Operation::MirrorRL, Inputs(kAreaWhole)),
        Run(Operation::FlipUD, Inputs(kAreaWhole)),
        Run(Operation::Fill, Inputs(kAreaWhole, "0")),
    };
}


#pragma once

#include <vector>

#include "core/height_field.h"
#include "framework/draw/geometry.h"

// The polygon a user outlines and the state of choosing it, without any window: the
// canvas feeds it vertices, the batch tool a list of positions.
class FieldSelection {
public:
    enum State { kIdle = 0, kOutlining = 1, kChosen = 2 };

    State state() const { return state_; }
    // The vertices; once the polygon is closed one more entry repeats the first.
    const std::vector<vPoint>& points() const { return points_; }
    int vertexCount() const { return state_ == kChosen ? int(points_.size()) - 1 : int(points_.size()); }

    // Selection mode on: outlining, no vertices.
    void Begin();
    void AddVertex(int x, int y);
    // Closes the outline into the selection mask: cleared to white, the polygon filled
    // black with a black pen under the even-odd rule. With fewer than three vertices
    // the outline is dropped, the state stays outlining, and false comes back.
    bool Close(HeightField& field);
    // Selection mode off: idle, no vertices, the mask white again.
    void End(HeightField& field);

    // Scales every entry, the closing one included, with the field: doubled, or halved
    // with truncation.
    void Double();
    void Halve();
    // Draws the closed polygon into a cleared mask.
    void DrawMask(HeightField& field) const;

private:
    State state_ = kIdle;
    std::vector<vPoint> points_;
};

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
    // A vertex as a click on the field gives it, after the first: none when it repeats
    // the newest vertex; beyond the right or bottom edge it moves along its segment from
    // the newest vertex onto the column x = width or the row y = height. False when no
    // vertex was added. The editor's canvas and the batch tool's --select share it.
    bool AddClickedVertex(int x, int y, int width, int height);
    // That move onto the edge, in truncating integer arithmetic; nothing is clipped at
    // the left or top edge.
    static vPoint ClipToField(const vPoint& from, vPoint to, int width, int height);
    // Closes the outline into the selection mask: cleared to white, the polygon filled
    // black with a black pen under the even-odd rule. With fewer than three vertices
    // the outline is dropped, the state stays outlining, and false comes back.
    bool Close(HeightField& field);
    // Selection mode off: idle, no vertices, the mask white again.
    void End(HeightField& field);
    // Back to a state and vertices as points() gave them, the mask drawn for a chosen
    // polygon and let go otherwise.
    void Restore(State state, std::vector<vPoint> points, HeightField& field);

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

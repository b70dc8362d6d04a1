#pragma once

// Another view of the document's field that follows it as the canvas does: the canvas,
// the engine's painter, passes on what changed.
class KnollFieldFollower {
public:
    virtual ~KnollFieldFollower() = default;
    // Values, the chosen area or the map's colours changed.
    virtual void FieldChanged() = 0;
    // The field was replaced by another, perhaps of another size or kind.
    virtual void FieldReplaced() = 0;
};

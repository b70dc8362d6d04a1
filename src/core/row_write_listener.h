#pragma once

#include <cstdint>

// Hears of the working image's rows as they were before an edit first wrote them, so
// that the edit can be stepped back over.
class RowWriteListener {
public:
    virtual ~RowWriteListener() = default;
    // Row y, of the field's width, just before its first write since listening began.
    virtual void BeforeFirstWrite(int y, const uint32_t* pixels) = 0;
    // The working image was replaced whole, perhaps by one of another size; listening ends.
    virtual void ImageReplaced() = 0;
    // Whether the listener keeps each row as it was before its first write, and row y so
    // kept once it has been written.
    virtual bool KeepsRows() const { return false; }
    virtual const uint32_t* KeptRow(int /*y*/) const { return nullptr; }
};

#pragma once

#include <optional>
#include <string>

#include "core/palette.h"
#include "document/history_step.h"
#include "interchange/gdal_heights.h"

// Where a session began: the file opened (with the size a RAW file was read at and the
// range of heights picked for an elevation raster), or, without one, the blank field
// the document starts with; and the palette in use then, through which an 8-bit file
// takes its colours.
struct SessionStart {
    std::string path;
    int rawWidth = 0;
    int rawHeight = 0;
    Palette palette{};
    // The range of heights an elevation raster was mapped from, when the user picked it.
    std::optional<HeightRange> range;
};

// Hears of a document's session as it goes: the journal, from which it is recovered
// after a crash.
class StepLog {
public:
    virtual ~StepLog() = default;
    // A new session: the file was opened and the history cleared.
    virtual void Started(const SessionStart& start) = 0;
    // A step ended; it is the step at position - 1.
    virtual void StepEnded(const HistoryStep& step) = 0;
    // Stepped back or forward to the position.
    virtual void MovedTo(int position) = 0;
    // A save is about to replace the file the session started from.
    virtual void FileWillBeReplaced() = 0;
    // The field was written whole to the file: the next save offers its name.
    virtual void Saved(const std::string& path) = 0;
};

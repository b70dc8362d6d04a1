#pragma once

#include <string>

#include "document/field_document.h"
#include "document/session_journal.h"

// What making a session again came to: done, or the notice that says why not.
struct ReplayOutcome {
    bool done = false;
    std::string notice;
};

// Makes the session of a journal again on the document: the file it started from is
// opened with the palette of that time, then every step up to the position runs as it
// ran then, through the same calls, so each gives the same bytes and the same step. The
// document is named after the file last saved to, where the next save goes.
ReplayOutcome ReplayJournal(FieldDocument& document, const JournalContents& journal);

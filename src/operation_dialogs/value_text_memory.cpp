#include "operation_dialogs/value_text_memory.h"

#include "framework/dialogs/dialog.h"

namespace {

std::string QueryEntry(vDialog& dialog, int id, int capacity) {
    char buffer[ValueTextMemory::kLiveCapacity] = {};
    dialog.QueryText(id, buffer, capacity);
    return buffer;
}

}  // namespace

void ValueTextMemory::Restore(vDialog& dialog) const { dialog.PutText(entryId_, saved_.c_str()); }

void ValueTextMemory::Save(vDialog& dialog) { saved_ = QueryEntry(dialog, entryId_, kSavedCapacity); }

std::string ValueTextMemory::Live(vDialog& dialog) const { return QueryEntry(dialog, entryId_, kLiveCapacity); }

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "document/history_budget.h"

// The history's budget, a preference kept where the desktop keeps configuration, in a
// file of its own (knollwork/history.conf), apart from the settings file. One line:
//
//   budget = 1 image       (so many images of the field, four bytes a position)
//   budget = 512 MiB       (or a size: KiB, MiB or GiB)

// $XDG_CONFIG_HOME/knollwork, else $HOME/.config/knollwork; "" when neither is set.
std::string PreferencesFolder();
std::string HistoryPreferencesPath();

// The budget the file names; the default, one image, when there is no file or its
// line cannot be read.
HistoryBudget ReadHistoryBudget(const std::string& path = HistoryPreferencesPath());
// Writes the file, making its folder; false when it cannot be written.
bool WriteHistoryBudget(const HistoryBudget& budget, const std::string& path = HistoryPreferencesPath());

// "1 image", "0.5 images", "512 MiB", as the file writes it and the History list says it.
std::string BudgetText(const HistoryBudget& budget);
// The value after "budget =", or a user's text in the same form; none when it is not.
std::optional<HistoryBudget> ReadBudgetText(std::string_view text);

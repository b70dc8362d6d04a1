#pragma once

#include <string>

// The editor's data files (the help file, the default palette, the Intro field) are
// read from where it works; an installed editor falls back to the copies installed with
// it, so that it works when started from a menu in a folder without them.

// The installed data folder: share/knollwork beside the bin folder the program runs
// from, or "" when the program's own path cannot be told.
std::string InstalledDataFolder();

// name when it names an existing file; otherwise the installed copy of its bare name
// when there is one; otherwise name again, so the caller's missing-file notice names it.
std::string FindDataFile(const std::string& name, const std::string& installedFolder);

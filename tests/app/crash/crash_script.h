#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "app/cmd_window_tables.h"
#include "app/knoll_cmd_window.h"

// A session of the editor in which every action ends in one record of its journal, so
// that the journal's length names the state the session had reached. Fixed seeds: the
// same script gives the same fields every time.
inline void RunCrashScript(KnollCmdWindow& window, const std::function<void()>& afterEach) {
    FieldDocument& document = window.Document();
    auto command = [&](int id) { window.OnCommand(id, 0, vMenuCommandType); };
    auto run = [&](Operation operation, const char* value, int area = kAreaWhole, int radius = 1) {
        document.Run(operation, {.area = area, .valueText = value, .radius = radius, .seed = 11});
        window.SetUndoKeep(1);
    };
    auto choose = [&](std::initializer_list<vPoint> vertices) {
        command(cmdSelect);
        for (const vPoint& v : vertices) document.selection().AddClickedVertex(v.x, v.y, 400, 400);
        document.CloseSelection();
    };
    const std::function<void()> actions[] = {
        [&] { run(Operation::Rough, "40"); },
        [&] { command(cmdKeep); },
        [&] { choose({{40, 40}, {300, 60}, {250, 320}, {60, 280}}); },
        [&] { run(Operation::Inc, "30", kAreaInside); },
        [&] { run(Operation::Rain, "40", kAreaInside); },
        [&] { run(Operation::Smooth, "", kAreaOutside, 2); },
        [&] { command(cmdStepBack); },
        [&] { run(Operation::Cut, "90", kAreaOutside); },
        [&] { command(cmdUndo); },
        [&] { run(Operation::Rough, "25"); },
        [&] { command(cmdStepBack); },
        [&] { command(cmdStepForward); },
        [&] { command(cmdToPpm); },
        [&] { run(Operation::Dec, "700"); },
        [&] { run(Operation::Slump, "3", kAreaOutside); },
        [&] { command(cmdKeep); },
        [&] { command(cmdExpand); },
        [&] { run(Operation::MirrorRL, ""); },
        [&] { command(cmdStepBack); },
        [&] { command(cmdShrink); },
        [&] { command(cmdToTga); },
        [&] { run(Operation::Inverse, ""); },
        [&] { command(cmdKeep); },
        [&] { choose({{10, 10}, {200, 30}, {150, 250}}); },
        [&] { run(Operation::Fill, "120", kAreaInside); },
        [&] { command(cmdSelect); },
        [&] { run(Operation::FlipUD, ""); },
        [&] { command(cmdStepBack); },
        [&] { command(cmdStepBack); },
        [&] { run(Operation::Clip, "150"); },
    };
    for (const auto& action : actions) {
        action();
        afterEach();
    }
}

// What identifies a field byte for byte: its size, its kind and its pixels.
inline uint64_t FieldChecksum(const HeightField& field) {
    uint64_t hash = 1469598103934665603ull;
    auto mix = [&](uint64_t value) {
        hash ^= value;
        hash *= 1099511628211ull;
    };
    mix(uint64_t(field.width()));
    mix(uint64_t(field.height()));
    mix(uint64_t(field.kind()));
    for (int y = 0; y < field.height(); ++y) {
        const uint32_t* row = field.working().RowPixels(y);
        for (int x = 0; x < field.width(); ++x) mix(row[x]);
    }
    return hash;
}

// The records a journal holds: each ends with a line "= " and its checksum.
inline int JournalRecords(const std::string& text) {
    int records = 0;
    for (size_t at = text.find("\n= "); at != std::string::npos; at = text.find("\n= ", at + 1)) ++records;
    return records;
}

// The history's targets on 16-bit fields of 4096 x 4096 and 8192 x 8192 positions:
// - memory after 50 typical steps (40 edits inside polygons of about 5% of the field,
//   10 on the whole field): images (history bytes over one image of the field) at most 1;
// - a step back and forward over an edit inside a polygon: frames (its time over a
//   display frame of 16.7 ms) at most 1; over a whole-field step: ratio (its time over the
//   operation's) at most 1;
// - the journal's record of a step, in the folder the benchmark runs in: frames (the
//   time the step waits for it, over a display frame) at most 1; the flush to the disk
//   follows on the journal's own thread, and is timed apart (record on disk);
// - what a step's record adds to its operation: added_ratio (the time the operation's
//   caller waits, over the operation alone) at most 0.25; worked_ratio, the same with
//   the record worked out to its end on the other thread, for reference.
// The record's times are processor times, the caller's thread's (the worker's too for
// worked_ratio), so that a busy machine measures this program and not its neighbours.
// Steps back and forward are timed on the wall clock, since they use two threads, each
// the best of the iterations, against the best wall time of the operation.
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <random>

#include "document/field_document.h"
#include "document/session_journal.h"
#include "files/appending_file.h"

namespace {

constexpr double kDisplayFrameMs = 1000.0 / 60.0;

struct Edit {
    Operation operation;
    OperationInputs inputs;
};

// Processor time: the machine is shared, and wall time then measures the neighbours.
// The caller's thread alone, or the whole process, worker threads included.
double CpuMs(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) * 1e-6;
}

template <class Work>
double TimeMs(Work work) {
    const double start = CpuMs(CLOCK_THREAD_CPUTIME_ID);
    work();
    return CpuMs(CLOCK_THREAD_CPUTIME_ID) - start;
}

// The caller's time of an edit on a document with a history, and the whole process's
// until its record is worked out.
struct RecordedTimes {
    double caller = 0;
    double worked = 0;
};

RecordedTimes RunRecorded(FieldDocument& document, const Edit& edit) {
    const double process = CpuMs(CLOCK_PROCESS_CPUTIME_ID);
    RecordedTimes times;
    times.caller = TimeMs([&] { document.Run(edit.operation, edit.inputs); });
    document.SettleHistory();
    times.worked = CpuMs(CLOCK_PROCESS_CPUTIME_ID) - process;
    return times;
}

// Rolling hills with fine detail, as elevation data has.
void MakeTerrain(FieldDocument& document, int side) {
    HeightField& field = document.field();
    field.ReplaceField(side, side);
    field.SetKind(kSixteenBitField);
    std::vector<vColor> row(static_cast<size_t>(side));
    uint32_t noise = 99;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            noise = noise * 1103515245u + 12345u;
            double hill = 30000 + 12000 * std::sin(x * 6.0 / side) * std::cos(y * 5.0 / side) +
                          3000 * std::sin((x + 2 * y) * 40.0 / side);
            row[size_t(x)] = field.ValueColor(int(hill) + int(noise >> 27));
        }
        field.WriteRow(y, row.data());
    }
    field.SnapshotField();
}

OperationInputs Inputs(int area, const char* value = "", int radius = 1) {
    OperationInputs inputs;
    inputs.area = area;
    inputs.valueText = value;
    inputs.radius = radius;
    inputs.seed = 5;
    return inputs;
}

// A quadrilateral of about 5% of the field somewhere on it.
void ChoosePolygon(FieldDocument& document, std::mt19937& random) {
    const int side = document.field().width();
    const int edge = int(side * std::sqrt(0.05));
    std::uniform_int_distribution<int> place(0, side - edge - 1);
    const int x = place(random), y = place(random), lean = edge / 8;
    document.BeginSelection();
    for (vPoint p : {vPoint{x + lean, y}, vPoint{x + edge, y + lean}, vPoint{x + edge - lean, y + edge},
                     vPoint{x, y + edge - lean}}) {
        document.selection().AddClickedVertex(p.x, p.y, side, side);
    }
    document.CloseSelection();
}

const Edit kPolygonEdits[] = {
    {Operation::Rough, Inputs(kAreaInside, "400")},  {Operation::Smooth, Inputs(kAreaInside, "", 2)},
    {Operation::Inc, Inputs(kAreaInside, "900")},    {Operation::Dec, Inputs(kAreaInside, "700")},
    {Operation::Clip, Inputs(kAreaInside, "36000")},
};
const Edit kWholeEdits[] = {
    {Operation::Smooth, Inputs(kAreaWhole)},          {Operation::Inc, Inputs(kAreaWhole, "250")},
    {Operation::MirrorLR, Inputs(kAreaWhole)},        {Operation::Inverse, Inputs(kAreaWhole)},
    {Operation::Rough, Inputs(kAreaWhole, "60")},     {Operation::Cut, Inputs(kAreaWhole, "20000")},
    {Operation::FlipUD, Inputs(kAreaWhole)},          {Operation::Smooth, Inputs(kAreaWhole, "", 3)},
    {Operation::Dec, Inputs(kAreaWhole, "100")},      {Operation::Clip, Inputs(kAreaWhole, "50000")},
};

// 40 edits inside polygons, a new polygon for each, and 10 on the whole field between.
void TypicalSession(FieldDocument& document) {
    std::mt19937 random(3);
    int whole = 0;
    for (int i = 0; i < 50; ++i) {
        if (i % 5 == 4) {
            document.EndSelection();
            const Edit& edit = kWholeEdits[whole++];
            document.Run(edit.operation, edit.inputs);
        } else {
            ChoosePolygon(document, random);
            const Edit& edit = kPolygonEdits[i % 5];
            document.Run(edit.operation, edit.inputs);
        }
    }
    document.SettleHistory();
}

size_t ImageBytes(int side) { return size_t(side) * size_t(side) * 4; }

void BM_MemoryAfterFiftySteps(benchmark::State& state) {
    const int side = int(state.range(0));
    for (auto _ : state) {
        FieldDocument document;
        MakeTerrain(document, side);
        document.KeepHistory({});
        TypicalSession(document);
        const FieldHistory& history = *document.history();
        state.counters["images"] = double(history.bytes()) / double(ImageBytes(side));
        state.counters["steps"] = history.size();
        state.counters["reachable"] = history.position() - history.reach();
        // The same session with room for everything: what all 50 would cost.
        FieldDocument unbounded;
        MakeTerrain(unbounded, side);
        unbounded.KeepHistory({.images = 100});
        TypicalSession(unbounded);
        state.counters["images_all"] = double(unbounded.history()->bytes()) / double(ImageBytes(side));
    }
}
BENCHMARK(BM_MemoryAfterFiftySteps)->Arg(4096)->Arg(8192)->Iterations(1)->Unit(benchmark::kSecond);

template <class Work>
double WallMs(Work work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// A step back and forward again, timed apart, after the edit was recorded and the
// previous image caught up.
void StepBackAndForward(FieldDocument& document, double& back, double& forward) {
    document.SettleHistory();
    back = WallMs([&] { document.StepBack(); });
    forward = WallMs([&] { document.StepForward(); });
    document.SettleHistory();
}

void BM_StepOverPolygonEdit(benchmark::State& state) {
    const int side = int(state.range(0));
    FieldDocument document;
    MakeTerrain(document, side);
    document.KeepHistory({});
    std::mt19937 random(8);
    double back = 1e9, forward = 1e9;
    for (auto _ : state) {
        ChoosePolygon(document, random);
        document.Run(Operation::Rough, Inputs(kAreaInside, "400"));
        double b, f;
        StepBackAndForward(document, b, f);
        back = std::min(back, b);
        forward = std::min(forward, f);
        state.SetIterationTime((b + f) / 2000.0);
    }
    state.counters["back_frames"] = back / kDisplayFrameMs;
    state.counters["forward_frames"] = forward / kDisplayFrameMs;
}
BENCHMARK(BM_StepOverPolygonEdit)->Arg(4096)->Arg(8192)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

// Each whole-field edit on a field without a history, then with one: the time the
// caller waits, the record worked out, and a step back and forward over it.
void BM_WholeFieldStep(benchmark::State& state) {
    const int side = int(state.range(0));
    const Edit& edit = kWholeEdits[size_t(state.range(1))];
    FieldDocument plain, recorded;
    MakeTerrain(plain, side);
    plain.field().KeepNoUndo();
    MakeTerrain(recorded, side);
    recorded.KeepHistory({.images = 4});
    double alone = 0, waited = 0, worked = 0, aloneWall = 1e9, back = 1e9, forward = 1e9;
    const Edit prepare{Operation::Rough, Inputs(kAreaWhole, "60")};
    for (auto _ : state) {
        // So that an edit that repeats itself (a mirror) still has something to change.
        state.PauseTiming();
        plain.Run(prepare.operation, prepare.inputs);
        recorded.Run(prepare.operation, prepare.inputs);
        recorded.SettleHistory();
        state.ResumeTiming();
        const double start = CpuMs(CLOCK_THREAD_CPUTIME_ID);
        aloneWall = std::min(aloneWall, WallMs([&] { plain.Run(edit.operation, edit.inputs); }));
        alone += CpuMs(CLOCK_THREAD_CPUTIME_ID) - start;
        const RecordedTimes times = RunRecorded(recorded, edit);
        waited += times.caller;
        worked += times.worked;
        double b, f;
        StepBackAndForward(recorded, b, f);
        back = std::min(back, b);
        forward = std::min(forward, f);
        state.SetIterationTime(times.caller / 1000.0);
    }
    state.counters["op_ms"] = alone / double(state.iterations());
    state.counters["added_ratio"] = (waited - alone) / alone;
    state.counters["worked_ratio"] = (worked - alone) / alone;
    state.counters["back_ratio"] = back / aloneWall;
    state.counters["forward_ratio"] = forward / aloneWall;
}
BENCHMARK(BM_WholeFieldStep)
    ->ArgsProduct({{4096, 8192}, {0, 1, 2, 3, 4}})
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The same for an edit inside a polygon.
void BM_PolygonEditRecord(benchmark::State& state) {
    const int side = int(state.range(0));
    FieldDocument plain, recorded;
    MakeTerrain(plain, side);
    plain.field().KeepNoUndo();
    MakeTerrain(recorded, side);
    recorded.KeepHistory({});
    std::mt19937 a(4), b(4);
    ChoosePolygon(plain, a);
    ChoosePolygon(recorded, b);
    double alone = 0, waited = 0, worked = 0;
    const Edit rough{Operation::Rough, Inputs(kAreaInside, "400")};
    for (auto _ : state) {
        alone += TimeMs([&] { plain.Run(rough.operation, rough.inputs); });
        const RecordedTimes times = RunRecorded(recorded, rough);
        waited += times.caller;
        worked += times.worked;
        state.SetIterationTime(times.caller / 1000.0);
    }
    state.counters["op_ms"] = alone / double(state.iterations());
    state.counters["added_ratio"] = (waited - alone) / alone;
    state.counters["worked_ratio"] = (worked - alone) / alone;
}
BENCHMARK(BM_PolygonEditRecord)->Arg(4096)->Arg(8192)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

// Each iteration's wall time, the mean and the slowest in display frames.
template <class Work>
void TimeInFrames(benchmark::State& state, Work work) {
    double slowest = 0, total = 0;
    for (auto _ : state) {
        const double ms = WallMs(work);
        slowest = std::max(slowest, ms);
        total += ms;
        state.SetIterationTime(ms / 1000.0);
    }
    state.counters["frames"] = total / double(state.iterations()) / kDisplayFrameMs;
    state.counters["slowest_frames"] = slowest / kDisplayFrameMs;
}

// A step of a session appended and flushed, as the journal does at the end of each.
void BM_JournalFlush(benchmark::State& state) {
    const std::string path = "knoll-bench.journal";
    SessionJournal journal(path);
    SessionStart start;
    start.palette = DefaultPalette();
    journal.Started(start);
    HistoryStep step;
    step.text.lines = {"--seed 1733660000", "--area inside", "--rough middle:400"};
    TimeInFrames(state, [&] { journal.StepEnded(step); });
    journal.Discard();
}
BENCHMARK(BM_JournalFlush)->Iterations(200)->UseManualTime()->Unit(benchmark::kMillisecond);

// The same record written and waited for until it is on the disk, as a step would wait
// without the journal's own thread: frames at most 1 keeps even that within a frame.
void BM_JournalRecordOnDisk(benchmark::State& state) {
    AppendingFile file;
    file.Start("knoll-bench-disk.journal");
    const std::string record = "step\n--seed 1733660000\n--area inside\n--rough middle:400\n= 1f2e3d4c\n";
    TimeInFrames(state, [&] {
        file.Append(record);
        file.Flush();
    });
    file.Remove();
}
BENCHMARK(BM_JournalRecordOnDisk)->Iterations(200)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

#include "interchange/gdal_heights.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <thread>
#include <type_traits>
#include <vector>

#include "core/vector_clones.h"
#include "framework/draw/fresh_pages.h"
#include "interchange/gdal_raster.h"

namespace {

// Rows handed to GDAL at once: few calls, little memory.
constexpr int kRowsAtOnce = 64;
constexpr double kTopValue = 65535;

InterchangeError RefusalOf(const RasterFacts& facts) {
    if (facts.bands != 1) return "a raster of " + std::to_string(facts.bands) + " bands; heights come in one band";
    if (!facts.type) return "a raster of complex numbers; heights are real numbers";
    if (facts.hasColourTable) return "a picture with a colour table; heights are plain numbers";
    if (!HeightField::AcceptableSize(facts.width, facts.height)) {
        return "raster of " + std::to_string(facts.width) + " x " + std::to_string(facts.height) +
               " is outside a field's bounds (1 to 65535 a side, at most 8192 x 8192 positions)";
    }
    return {};
}

HeightSource SourceOf(const RasterFacts& facts) {
    HeightSource source;
    source.bandScale = facts.bandScale;
    source.bandOffset = facts.bandOffset;
    source.units = facts.units;
    source.type = *facts.type;
    source.noData = facts.noData;
    source.georeference = facts.georeference;
    source.compression = facts.compression;
    return source;
}

// The no-data value as the buffer holds it; none when no value of the buffer's type
// can equal it.
template <class Value>
std::optional<Value> GapValue(const std::optional<double>& noData) {
    if (!noData || std::isnan(*noData)) return std::nullopt;
    double lowest = double(std::numeric_limits<Value>::lowest());
    double highest = double(std::numeric_limits<Value>::max());
    if (!std::isinf(*noData) && (*noData < lowest || *noData > highest)) return std::nullopt;
    if (std::is_integral_v<Value> && *noData != std::floor(*noData)) return std::nullopt;
    return Value(*noData);
}

// Raw values onto stored ones: (raw - low) x perStep, rounded and held to 0..65535.
struct StoreMap {
    double low = 0;
    double perStep = 1;
};

// A gap test without branches: values equal to the gap or not a number. Without a
// no-data value the gap is not a number itself, which equals nothing.
template <class Value>
Value GapOrNothing(std::optional<Value> gap) {
    if constexpr (std::is_floating_point_v<Value>) return gap.value_or(std::numeric_limits<Value>::quiet_NaN());
    return gap.value_or(Value());
}

template <class Value>
bool IsGap(Value value, Value gap, bool hasGap) {
    if constexpr (std::is_floating_point_v<Value>) return (value == gap) | (value != value);
    return hasGap & (value == gap);
}

// Written without branches on the values, so that the loop vectorises; each type's
// copy below is also made for wider vectors, taken where the processor has them.
template <class Value>
[[gnu::always_inline]] inline void StoreRowOf(const Value* raw, int width, const StoreMap& map, Value gap,
                                               bool hasGap, uint16_t* stored, uint8_t* gaps) {
    const double low = map.low, perStep = map.perStep;
    for (int x = 0; x < width; ++x) {
        Value value = raw[x];
        bool none = IsGap(value, gap, hasGap);
        gaps[x] = none;
        if constexpr (std::is_same_v<Value, uint16_t>) {
            stored[x] = value;
        } else {
            double scaled = (double(value) - low) * perStep;
            scaled = scaled > 0 ? scaled : 0;
            scaled = scaled < kTopValue ? scaled : kTopValue;
            stored[x] = uint16_t(int32_t(none ? 0.0 : scaled + 0.5));
        }
    }
}

KNOLL_CLONES("avx2", "default") void StoreRow(const uint16_t* raw, int width, const StoreMap& map,
                                                                 uint16_t gap, bool hasGap, uint16_t* stored,
                                                                 uint8_t* gaps) {
    StoreRowOf(raw, width, map, gap, hasGap, stored, gaps);
}
KNOLL_CLONES("avx2", "default") void StoreRow(const float* raw, int width, const StoreMap& map,
                                                                 float gap, bool hasGap, uint16_t* stored,
                                                                 uint8_t* gaps) {
    StoreRowOf(raw, width, map, gap, hasGap, stored, gaps);
}
KNOLL_CLONES("avx2", "default") void StoreRow(const double* raw, int width, const StoreMap& map,
                                                                 double gap, bool hasGap, uint16_t* stored,
                                                                 uint8_t* gaps) {
    StoreRowOf(raw, width, map, gap, hasGap, stored, gaps);
}

// The lowest and highest value that is not a gap; low above high when there is none.
// Whole vectors of the compiler's at a time: a loop of floating-point comparisons that
// skips some values does not vectorise on its own.
template <class Value>
struct VectorOf;
template <>
struct VectorOf<float> {
    typedef float Type __attribute__((vector_size(16)));
};
template <>
struct VectorOf<double> {
    typedef double Type __attribute__((vector_size(16)));
};

template <class Value>
HeightRange RawExtent(const Value* values, size_t count, std::optional<Value> gap) {
    using Lanes = typename VectorOf<Value>::Type;
    constexpr size_t kLanes = sizeof(Lanes) / sizeof(Value);
    const Value gapValue = GapOrNothing(gap);
    const Value top = std::numeric_limits<Value>::max(), bottom = std::numeric_limits<Value>::lowest();
    Lanes low = Lanes{} + top, high = Lanes{} + bottom;
    size_t whole = count - count % kLanes;
    for (size_t i = 0; i < whole; i += kLanes) {
        Lanes lanes;
        std::memcpy(&lanes, values + i, sizeof lanes);
        auto none = (lanes == gapValue) | (lanes != lanes);
        low = none ? low : (lanes < low ? lanes : low);
        high = none ? high : (lanes > high ? lanes : high);
    }
    Value lowest = top, highest = bottom;
    for (size_t lane = 0; lane < kLanes; ++lane) {
        lowest = std::min(lowest, low[lane]);
        highest = std::max(highest, high[lane]);
    }
    for (size_t i = whole; i < count; ++i) {
        if (IsGap(values[i], gapValue, true)) continue;
        lowest = std::min(lowest, values[i]);
        highest = std::max(highest, values[i]);
    }
    return {double(lowest), double(highest)};
}

HeightRange HeightsOf(const HeightRange& raw, const HeightSource& source) {
    if (raw.low > raw.high) return {0, 0};
    double a = source.bandOffset + source.bandScale * raw.low;
    double b = source.bandOffset + source.bandScale * raw.high;
    return {std::min(a, b), std::max(a, b)};
}

// The range of heights to map from, as the options say; none when the user cancelled.
std::optional<HeightRange> ChosenRange(const ElevationOptions& options, const HeightRange& data,
                                       const std::string& units) {
    if (options.range) return options.range;
    if (options.askRange) return options.askRange(data, units);
    return data;
}

// Maps heights low..high onto 0..65535, recording the inverse in the source.
StoreMap MapFrom(const HeightRange& heights, HeightSource& source) {
    double a = (heights.low - source.bandOffset) / source.bandScale;
    double b = (heights.high - source.bandOffset) / source.bandScale;
    double low = std::min(a, b), high = std::max(a, b);
    source.rawOffset = low;
    source.rawScale = high > low ? (high - low) / kTopValue : 1;
    return {low, high > low ? kTopValue / (high - low) : 1};
}

// Doubles for the types whose values a float cannot all hold.
bool NeedsDoubles(RasterType type) {
    return type == RasterType::kFloat64 || type == RasterType::kInt32 || type == RasterType::kUInt32 ||
           type == RasterType::kInt64 || type == RasterType::kUInt64;
}

// Bytes and unsigned 16-bit values are taken as they are, a few rows at a time as
// they are asked for.
class RowsAsTheyAre : public ElevationReader {
public:
    RowsAsTheyAre(std::unique_ptr<RasterReader> raster)
        : ElevationReader(raster->facts().width, raster->facts().height,
                          raster->facts().type == RasterType::kByte ? 8 : 16),
          raster_(std::move(raster)),
          gap_(GapValue<uint16_t>(raster_->facts().noData)),
          rows_(size_t(width()) * kRowsAtOnce) {}

    bool NextRow(uint16_t* stored, uint8_t* gaps, std::string& error) override {
        int inChunk = next_ % kRowsAtOnce;
        if (inChunk == 0 && !raster_->Read(next_, std::min(kRowsAtOnce, height() - next_), rows_.data(), error)) {
            return false;
        }
        StoreRow(rows_.data() + size_t(inChunk) * size_t(width()), width(), StoreMap{}, GapOrNothing(gap_),
                 gap_.has_value(), stored, gaps);
        ++next_;
        return true;
    }

private:
    std::unique_ptr<RasterReader> raster_;
    std::optional<uint16_t> gap_;
    std::vector<uint16_t> rows_;
    int next_ = 0;
};

// Every other band is read whole, since its range decides the mapping of its first row.
template <class Value>
class MappedRows : public ElevationReader {
public:
    MappedRows(const RasterFacts& facts, std::unique_ptr<Value[]> values, const StoreMap& map)
        : ElevationReader(facts.width, facts.height, 16),
          values_(std::move(values)),
          gap_(GapValue<Value>(facts.noData)),
          map_(map) {}

    bool NextRow(uint16_t* stored, uint8_t* gaps, std::string&) override {
        StoreRow(values_.get() + size_t(next_++) * size_t(width()), width(), map_, GapOrNothing(gap_),
                 gap_.has_value(), stored, gaps);
        return true;
    }

private:
    std::unique_ptr<Value[]> values_;
    std::optional<Value> gap_;
    StoreMap map_;
    int next_ = 0;
};

template <class Value>
std::unique_ptr<ElevationReader> ReadWhole(RasterReader& raster, const ElevationOptions& options,
                                           ElevationRead& read) {
    const RasterFacts& facts = raster.facts();
    const size_t count = size_t(facts.width) * size_t(facts.height);
    // Left unset: the read fills every value.
    std::unique_ptr<Value[]> values(new (std::nothrow) Value[count]);
    if (!values) {
        read.error = "not enough memory";
        return nullptr;
    }
    // Read a few rows at a time, whose extent is taken while they are still in the cache.
    std::thread makingPages = MakePagesAside(values.get(), count * sizeof(Value));
    HeightRange raw{std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest()};
    bool whole = true;
    for (int y = 0; whole && y < facts.height; y += kRowsAtOnce) {
        const int rows = std::min(kRowsAtOnce, facts.height - y);
        Value* chunk = values.get() + size_t(y) * size_t(facts.width);
        whole = raster.Read(y, rows, chunk, read.error);
        const HeightRange chunkRaw = RawExtent(chunk, size_t(rows) * size_t(facts.width), GapValue<Value>(facts.noData));
        raw = {std::min(raw.low, chunkRaw.low), std::max(raw.high, chunkRaw.high)};
    }
    if (makingPages.joinable()) makingPages.join();
    if (!whole) return nullptr;
    bool fits = raw.low > raw.high || (raw.low >= 0 && raw.high <= kTopValue);
    StoreMap map;
    if (options.range || !IsIntegerType(read.source.type) || !fits) {
        std::optional<HeightRange> range = ChosenRange(options, HeightsOf(raw, read.source), facts.units);
        if (!range) {
            read.cancelled = true;
            return nullptr;
        }
        map = MapFrom(*range, read.source);
    }
    return std::make_unique<MappedRows<Value>>(facts, std::move(values), map);
}

}  // namespace

std::unique_ptr<ElevationReader> ElevationReader::Open(const std::string& path, const ElevationOptions& options,
                                                       ElevationRead& read) {
    read = {};
    std::unique_ptr<RasterReader> raster = RasterReader::Open(path, read.error);
    if (!raster) return nullptr;
    read.opened = true;
    read.error = RefusalOf(raster->facts());
    if (!read.error.empty()) return nullptr;
    read.source = SourceOf(raster->facts());
    RasterType type = read.source.type;
    if (!options.range && (type == RasterType::kByte || type == RasterType::kUInt16)) {
        return std::make_unique<RowsAsTheyAre>(std::move(raster));
    }
    if (NeedsDoubles(type)) return ReadWhole<double>(*raster, options, read);
    return ReadWhole<float>(*raster, options, read);
}

bool IsElevationFile(const std::string& path) { return RasterReader::Recognises(path); }

InterchangeError StoreElevation(ElevationReader& reader, SampleRows& samples) {
    if (!samples.Start(reader.width(), reader.height(), reader.bits())) return "not enough memory";
    InterchangeError error;
    for (int y = 0; y < reader.height(); ++y) {
        if (!reader.NextRow(samples.Row(y), samples.Gaps(y), error)) return error;
        samples.Store(y);
    }
    return {};
}

ElevationRead ReadElevation(const std::string& path, const ElevationOptions& options, SampleRows& samples) {
    ElevationRead read;
    std::unique_ptr<ElevationReader> reader = ElevationReader::Open(path, options, read);
    if (reader) read.error = StoreElevation(*reader, samples);
    return read;
}

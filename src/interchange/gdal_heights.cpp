#include "interchange/gdal_heights.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <new>
#include <type_traits>
#include <vector>

#include "files/replacing_file.h"
#include "interchange/gdal_raster.h"

namespace {

// Rows handed to GDAL at once: few calls, little memory.
constexpr int kRowsAtOnce = 64;
constexpr double kTopValue = 65535;

// ---- reading ------------------------------------------------------------------------

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

template <class Value>
void StoreRow(const Value* raw, int width, const StoreMap& map, std::optional<Value> gap, uint16_t* stored,
              uint8_t* gaps) {
    for (int x = 0; x < width; ++x) {
        Value value = raw[x];
        bool none = (gap && value == *gap) || value != value;
        gaps[x] = none;
        if constexpr (std::is_same_v<Value, uint16_t>) {
            stored[x] = value;
        } else {
            double scaled = none ? 0 : std::clamp((double(value) - map.low) * map.perStep, 0.0, kTopValue);
            stored[x] = uint16_t(scaled + 0.5);
        }
    }
}

template <class Value>
InterchangeError StoreAll(const Value* raw, const RasterFacts& facts, const StoreMap& map, int bits,
                          SampleRows& samples) {
    if (!samples.Start(facts.width, facts.height, bits)) return "not enough memory";
    std::optional<Value> gap = GapValue<Value>(facts.noData);
    for (int y = 0; y < facts.height; ++y) {
        StoreRow(raw + size_t(y) * size_t(facts.width), facts.width, map, gap, samples.Row(y), samples.Gaps(y));
        samples.Store(y);
    }
    return {};
}

// Bytes and unsigned 16-bit values are taken as they are, a few rows at a time.
void ReadAsItIs(RasterReader& reader, SampleRows& samples, ElevationRead& read) {
    const RasterFacts& facts = reader.facts();
    std::vector<uint16_t> rows(size_t(facts.width) * kRowsAtOnce);
    std::optional<uint16_t> gap = GapValue<uint16_t>(facts.noData);
    if (!samples.Start(facts.width, facts.height, facts.type == RasterType::kByte ? 8 : 16)) {
        read.error = "not enough memory";
        return;
    }
    for (int top = 0; top < facts.height; top += kRowsAtOnce) {
        int count = std::min(kRowsAtOnce, facts.height - top);
        if (!reader.Read(top, count, rows.data(), read.error)) return;
        for (int y = top; y < top + count; ++y) {
            StoreRow(rows.data() + size_t(y - top) * size_t(facts.width), facts.width, StoreMap{}, gap,
                     samples.Row(y), samples.Gaps(y));
            samples.Store(y);
        }
    }
}

// The lowest and highest value that is not a gap; low above high when there is none.
template <class Value>
HeightRange RawExtent(const std::vector<Value>& values, std::optional<Value> gap) {
    Value low = std::numeric_limits<Value>::max();
    Value high = std::numeric_limits<Value>::lowest();
    for (Value value : values) {
        if ((gap && value == *gap) || value != value) continue;
        low = std::min(low, value);
        high = std::max(high, value);
    }
    return {double(low), double(high)};
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

// Every other band is read whole, since its range decides the mapping of its first row.
template <class Value>
void ReadWhole(RasterReader& reader, const ElevationOptions& options, SampleRows& samples, ElevationRead& read) {
    const RasterFacts& facts = reader.facts();
    std::vector<Value> values;
    try {
        values.resize(size_t(facts.width) * size_t(facts.height));
    } catch (const std::bad_alloc&) {
        read.error = "not enough memory";
        return;
    }
    if (!reader.Read(0, facts.height, values.data(), read.error)) return;
    HeightRange raw = RawExtent(values, GapValue<Value>(facts.noData));
    bool fits = raw.low > raw.high || (raw.low >= 0 && raw.high <= kTopValue);
    StoreMap map;
    if (options.range || !IsIntegerType(read.source.type) || !fits) {
        std::optional<HeightRange> range = ChosenRange(options, HeightsOf(raw, read.source), facts.units);
        if (!range) {
            read.cancelled = true;
            return;
        }
        map = MapFrom(*range, read.source);
    }
    read.error = StoreAll(values.data(), facts, map, 16, samples);
}

// Doubles for the types whose values a float cannot all hold.
bool NeedsDoubles(RasterType type) {
    return type == RasterType::kFloat64 || type == RasterType::kInt32 || type == RasterType::kUInt32 ||
           type == RasterType::kInt64 || type == RasterType::kUInt64;
}

}  // namespace

ElevationRead ReadElevation(const std::string& path, const ElevationOptions& options, SampleRows& samples) {
    ElevationRead read;
    std::unique_ptr<RasterReader> reader = RasterReader::Open(path, read.error);
    if (!reader) return read;
    read.opened = true;
    read.error = RefusalOf(reader->facts());
    if (!read.error.empty()) return read;
    read.source = SourceOf(reader->facts());
    RasterType type = read.source.type;
    if (!options.range && (type == RasterType::kByte || type == RasterType::kUInt16)) {
        ReadAsItIs(*reader, samples, read);
    } else if (NeedsDoubles(type)) {
        ReadWhole<double>(*reader, options, samples, read);
    } else {
        ReadWhole<float>(*reader, options, samples, read);
    }
    return read;
}

// ---- writing ------------------------------------------------------------------------

namespace {

RasterFacts FactsFor(const FieldRows& rows, const HeightSource* source) {
    RasterFacts facts;
    facts.width = rows.width;
    facts.height = rows.height;
    facts.bands = 1;
    if (!source) {
        facts.type = rows.field.kind() == kSixteenBitField ? RasterType::kUInt16 : RasterType::kByte;
        return facts;
    }
    facts.type = IsIntegerType(source->type) ? source->type : RasterType::kFloat32;
    facts.noData = source->noData;
    facts.units = source->units;
    facts.bandScale = source->bandScale;
    facts.bandOffset = source->bandOffset;
    facts.georeference = source->georeference;
    facts.compression = source->compression;
    return facts;
}

// The range of an integer type, as doubles.
HeightRange TypeRange(RasterType type) {
    switch (type) {
        case RasterType::kByte: return {0, 255};
        case RasterType::kUInt16: return {0, 65535};
        case RasterType::kInt16: return {-32768, 32767};
        case RasterType::kUInt32: return {0, 4294967295.0};
        case RasterType::kInt32: return {-2147483648.0, 2147483647.0};
        case RasterType::kUInt64: return {0, 18446744073709549568.0};
        case RasterType::kInt64: return {-9223372036854775808.0, 9223372036854774784.0};
        default: return {std::numeric_limits<double>::lowest(), std::numeric_limits<double>::max()};
    }
}

// One row's values as the file takes them: stored values through the source's mapping,
// rounded and held to an integer type's range; gaps as the no-data value.
template <class Value>
class RowWriter {
public:
    RowWriter(const RasterFacts& facts, const HeightSource* source)
        : source_(source),
          integer_(IsIntegerType(*facts.type)),
          range_(TypeRange(*facts.type)),
          hasGap_(facts.noData.has_value()),
          gap_(hasGap_ ? Value(*facts.noData) : Value()) {}

    void Put(const HeightField& field, const uint32_t* pixels, int width, Value* out, int64_t& zeroFilled) const {
        for (int x = 0; x < width; ++x) {
            int stored = field.DecodeValue(pixels[x]);
            if (stored < 0 && hasGap_) {
                out[x] = gap_;
                continue;
            }
            zeroFilled += stored < 0;
            out[x] = ValueOf(std::max(stored, 0));
        }
    }

private:
    Value ValueOf(int stored) const {
        if constexpr (std::is_same_v<Value, uint16_t>) return uint16_t(stored);
        double raw = source_ ? source_->RawValue(stored) : stored;
        if (integer_) raw = std::clamp(std::round(raw), range_.low, range_.high);
        return Value(raw);
    }

    const HeightSource* source_;
    bool integer_;
    HeightRange range_;
    bool hasGap_;
    Value gap_;
};

template <class Value>
InterchangeError WriteRows(GeoTiffWriter& writer, FieldRows& rows, const RasterFacts& facts,
                           const HeightSource* source, int64_t& zeroFilled) {
    RowWriter<Value> convert(facts, source);
    std::vector<Value> chunk(size_t(rows.width) * kRowsAtOnce);
    InterchangeError error;
    for (int top = 0; top < rows.height; top += kRowsAtOnce) {
        int count = std::min(kRowsAtOnce, rows.height - top);
        for (int y = top; y < top + count; ++y) {
            convert.Put(rows.field, rows.Row(y), rows.width, chunk.data() + size_t(y - top) * size_t(rows.width),
                        zeroFilled);
        }
        if (!writer.Write(top, count, chunk.data(), error)) return error;
    }
    return {};
}

// Values that need no conversion go as 16-bit integers, floats as floats.
InterchangeError WriteAllRows(GeoTiffWriter& writer, FieldRows& rows, const RasterFacts& facts,
                              const HeightSource* source, int64_t& zeroFilled) {
    bool small = facts.type == RasterType::kByte || facts.type == RasterType::kUInt16;
    bool exact = !source || source->TakenAsItIs();
    bool gapFits = !facts.noData || GapValue<uint16_t>(facts.noData);
    if (small && exact && gapFits) return WriteRows<uint16_t>(writer, rows, facts, source, zeroFilled);
    if (facts.type == RasterType::kFloat32) return WriteRows<float>(writer, rows, facts, source, zeroFilled);
    return WriteRows<double>(writer, rows, facts, source, zeroFilled);
}

// GDAL keeps what GeoTIFF's tags cannot hold in a file beside the raster; it follows
// the raster, and one left from an earlier file of that name would be read with it.
void PlaceSidecar(const std::string& temporary, const std::string& destination) {
    std::string written = temporary + ".aux.xml";
    std::string target = destination + ".aux.xml";
    if (access(written.c_str(), F_OK) == 0) {
        std::rename(written.c_str(), target.c_str());
    } else {
        unlink(target.c_str());
    }
}

}  // namespace

InterchangeError WriteGeoTiff(const std::string& path, FieldRows& rows, const HeightSource* source,
                              int64_t& zeroFilled) {
    zeroFilled = 0;
    RasterFacts facts = FactsFor(rows, source);
    ReplacingFile file(path.c_str());
    if (!file.ok()) return "cannot create the file";
    InterchangeError error;
    std::unique_ptr<GeoTiffWriter> writer = GeoTiffWriter::Create(file.TemporaryPath(), facts, error);
    if (!writer) return error;
    error = WriteAllRows(*writer, rows, facts, source, zeroFilled);
    InterchangeError closing;
    if (!writer->Close(closing) && error.empty()) error = closing;
    if (error.empty() && !rows.Complete()) error = rows.Failure();
    if (error.empty() && !file.Commit()) error = "cannot write the file";
    if (!error.empty()) {
        unlink((file.TemporaryPath() + ".aux.xml").c_str());
        return error;
    }
    PlaceSidecar(file.TemporaryPath(), file.DestinationPath());
    return {};
}

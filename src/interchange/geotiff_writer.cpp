#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>
#include <type_traits>
#include <vector>

#include "core/slot_threads.h"
#include "files/replacing_file.h"
#include "interchange/gdal_heights.h"
#include "interchange/gdal_raster.h"

// Fields written as GeoTIFF, with the heights, units and place they were read with.

namespace {

// Rows handed to GDAL at once: few calls, little memory.
constexpr int kRowsAtOnce = 64;

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
        : offset_(source ? source->rawOffset : 0),
          scale_(source ? source->rawScale : 1),
          integer_(IsIntegerType(*facts.type)),
          range_(TypeRange(*facts.type)),
          hasGap_(facts.noData.has_value()),
          gap_(hasGap_ ? Value(*facts.noData) : Value()) {}

    // Written without branches on the values, so that the loop vectorises.
    void Put(const HeightField& field, const uint32_t* pixels, int width, Value* out, int64_t& zeroFilled) const {
        int missing = 0;
        for (int x = 0; x < width; ++x) {
            int stored = field.DecodeValue(pixels[x]);
            bool none = stored < 0;
            missing += none;
            Value value = ValueOf(none ? 0 : stored);
            out[x] = none && hasGap_ ? gap_ : value;
        }
        if (!hasGap_) zeroFilled += missing;
    }

private:
    Value ValueOf(int stored) const {
        if constexpr (std::is_same_v<Value, uint16_t>) {
            return uint16_t(stored);
        } else {
            double raw = offset_ + scale_ * stored;
            if (integer_) raw = std::clamp(std::round(raw), range_.low, range_.high);
            return Value(raw);
        }
    }

    double offset_;
    double scale_;
    bool integer_;
    HeightRange range_;
    bool hasGap_;
    Value gap_;
};

template <class Value>
InterchangeError WriteRows(ReplacingFile& file, GeoTiffWriter& writer, FieldRows& rows, const RasterFacts& facts,
                           const HeightSource* source, int64_t& zeroFilled) {
    RowWriter<Value> convert(facts, source);
    std::vector<Value> chunks[2];
    for (std::vector<Value>& chunk : chunks) chunk.resize(size_t(rows.width) * kRowsAtOnce);
    InterchangeError error;  // the writing thread's, read once it has ended
    // A chunk is written beside the making of the next, which takes about as long.
    SlotThreads writes(1);
    for (int top = 0, turn = 0; top < rows.height; top += kRowsAtOnce, turn ^= 1) {
        int count = std::min(kRowsAtOnce, rows.height - top);
        Value* chunk = chunks[turn].data();
        for (int y = top; y < top + count; ++y) {
            convert.Put(rows.field, rows.Row(y), rows.width, chunk + size_t(y - top) * size_t(rows.width), zeroFilled);
        }
        writes.Wait(0);
        if (!error.empty()) return error;
        file.StartWriteback();
        writes.Start(0, [&writer, &error, top, count, chunk] { writer.Write(top, count, chunk, error); });
    }
    writes.Wait(0);
    return error;
}

// Values that need no conversion go as 16-bit integers, floats as floats.
InterchangeError WriteAllRows(ReplacingFile& file, GeoTiffWriter& writer, FieldRows& rows, const RasterFacts& facts,
                              const HeightSource* source, int64_t& zeroFilled) {
    bool small = facts.type == RasterType::kByte || facts.type == RasterType::kUInt16;
    bool exact = !source || source->TakenAsItIs();
    bool gapFits = !facts.noData || (*facts.noData >= 0 && *facts.noData <= 65535 &&
                                     *facts.noData == std::floor(*facts.noData));
    if (small && exact && gapFits) return WriteRows<uint16_t>(file, writer, rows, facts, source, zeroFilled);
    if (facts.type == RasterType::kFloat32) return WriteRows<float>(file, writer, rows, facts, source, zeroFilled);
    return WriteRows<double>(file, writer, rows, facts, source, zeroFilled);
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
    error = WriteAllRows(file, *writer, rows, facts, source, zeroFilled);
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

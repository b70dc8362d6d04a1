#include "interchange/gdal_raster.h"

#include <cpl_conv.h>
#include <cpl_error.h>
#include <dlfcn.h>
#include <gdal.h>
#include <sys/stat.h>

#include <array>
#include <cstring>
#include <type_traits>

// The library is opened with dlopen and called through pointers, so that the programs
// neither link it nor wait for its start-up unless a file needs it.

namespace {

struct GdalApi {
    decltype(&GDALAllRegister) AllRegister;
    decltype(&GDALOpenEx) OpenEx;
    decltype(&GDALIdentifyDriverEx) IdentifyDriverEx;
    decltype(&GDALClose) Close;
    decltype(&GDALGetRasterXSize) GetRasterXSize;
    decltype(&GDALGetRasterYSize) GetRasterYSize;
    decltype(&GDALGetRasterCount) GetRasterCount;
    decltype(&GDALGetRasterBand) GetRasterBand;
    decltype(&GDALGetRasterDataType) GetRasterDataType;
    decltype(&GDALGetRasterNoDataValue) GetRasterNoDataValue;
    decltype(&GDALGetRasterUnitType) GetRasterUnitType;
    decltype(&GDALGetRasterScale) GetRasterScale;
    decltype(&GDALGetRasterOffset) GetRasterOffset;
    decltype(&GDALGetRasterColorTable) GetRasterColorTable;
    decltype(&GDALGetGeoTransform) GetGeoTransform;
    decltype(&GDALGetProjectionRef) GetProjectionRef;
    decltype(&GDALGetMetadataItem) GetMetadataItem;
    decltype(&GDALRasterIO) RasterIO;
    decltype(&GDALGetDriverByName) GetDriverByName;
    decltype(&GDALCreate) Create;
    decltype(&GDALSetGeoTransform) SetGeoTransform;
    decltype(&GDALSetProjection) SetProjection;
    decltype(&GDALSetMetadataItem) SetMetadataItem;
    decltype(&GDALSetRasterNoDataValue) SetRasterNoDataValue;
    decltype(&GDALSetRasterUnitType) SetRasterUnitType;
    decltype(&GDALSetRasterScale) SetRasterScale;
    decltype(&GDALSetRasterOffset) SetRasterOffset;
    decltype(&GDALFlushCache) FlushCache;
    decltype(&CPLErrorReset) ErrorReset;
    decltype(&CPLGetLastErrorType) GetLastErrorType;
    decltype(&CPLGetLastErrorMsg) GetLastErrorMsg;
    decltype(&CPLSetErrorHandler) SetErrorHandler;
    decltype(&CPLSetConfigOption) SetConfigOption;
    decltype(&CPLQuietErrorHandler) QuietErrorHandler;
};

template <class Function>
bool Bind(void* library, const char* name, Function*& function) {
    function = reinterpret_cast<Function*>(dlsym(library, name));
    return function != nullptr;
}

bool BindAll(void* library, GdalApi& api) {
    return Bind(library, "GDALAllRegister", api.AllRegister) && Bind(library, "GDALOpenEx", api.OpenEx) &&
           Bind(library, "GDALIdentifyDriverEx", api.IdentifyDriverEx) &&
           Bind(library, "GDALClose", api.Close) && Bind(library, "GDALGetRasterXSize", api.GetRasterXSize) &&
           Bind(library, "GDALGetRasterYSize", api.GetRasterYSize) &&
           Bind(library, "GDALGetRasterCount", api.GetRasterCount) &&
           Bind(library, "GDALGetRasterBand", api.GetRasterBand) &&
           Bind(library, "GDALGetRasterDataType", api.GetRasterDataType) &&
           Bind(library, "GDALGetRasterNoDataValue", api.GetRasterNoDataValue) &&
           Bind(library, "GDALGetRasterUnitType", api.GetRasterUnitType) &&
           Bind(library, "GDALGetRasterScale", api.GetRasterScale) &&
           Bind(library, "GDALGetRasterOffset", api.GetRasterOffset) &&
           Bind(library, "GDALGetRasterColorTable", api.GetRasterColorTable) &&
           Bind(library, "GDALGetGeoTransform", api.GetGeoTransform) &&
           Bind(library, "GDALGetProjectionRef", api.GetProjectionRef) &&
           Bind(library, "GDALGetMetadataItem", api.GetMetadataItem) && Bind(library, "GDALRasterIO", api.RasterIO) &&
           Bind(library, "GDALGetDriverByName", api.GetDriverByName) && Bind(library, "GDALCreate", api.Create) &&
           Bind(library, "GDALSetGeoTransform", api.SetGeoTransform) &&
           Bind(library, "GDALSetProjection", api.SetProjection) &&
           Bind(library, "GDALSetMetadataItem", api.SetMetadataItem) &&
           Bind(library, "GDALSetRasterNoDataValue", api.SetRasterNoDataValue) &&
           Bind(library, "GDALSetRasterUnitType", api.SetRasterUnitType) &&
           Bind(library, "GDALSetRasterScale", api.SetRasterScale) &&
           Bind(library, "GDALSetRasterOffset", api.SetRasterOffset) &&
           Bind(library, "GDALFlushCache", api.FlushCache) && Bind(library, "CPLErrorReset", api.ErrorReset) &&
           Bind(library, "CPLGetLastErrorType", api.GetLastErrorType) &&
           Bind(library, "CPLGetLastErrorMsg", api.GetLastErrorMsg) &&
           Bind(library, "CPLSetErrorHandler", api.SetErrorHandler) &&
           Bind(library, "CPLSetConfigOption", api.SetConfigOption) &&
           Bind(library, "CPLQuietErrorHandler", api.QuietErrorHandler);
}

struct LoadedApi {
    GdalApi api{};
    std::string failure;
};

LoadedApi LoadApi() {
    LoadedApi loaded;
    void* library = dlopen(KNOLL_GDAL_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        loaded.failure = "reading and writing this file needs GDAL (" KNOLL_GDAL_LIBRARY "), which cannot be loaded";
        return loaded;
    }
    if (!BindAll(library, loaded.api)) {
        loaded.failure = "the GDAL library (" KNOLL_GDAL_LIBRARY ") lacks a function this program calls";
        return loaded;
    }
    loaded.api.AllRegister();
    // Failures reach the user as this program's messages, not as lines on the terminal.
    loaded.api.SetErrorHandler(loaded.api.QuietErrorHandler);
    // A whole band is read at once into memory of its own: an uncompressed GeoTIFF then
    // goes there straight, not through GDAL's cache of blocks as well.
    loaded.api.SetConfigOption("GTIFF_DIRECT_IO", "YES");
    // Rows are written top down a few at a time, so a small cache of blocks serves as
    // well as the default share of the memory, and spares making that memory.
    loaded.api.SetConfigOption("GDAL_CACHEMAX", "32");
    // Compressed strips and tiles are decoded on every core when a read spans several.
    loaded.api.SetConfigOption("GDAL_NUM_THREADS", "ALL_CPUS");
    return loaded;
}

// The library, loaded the first time it is asked for; null with the reason in error.
const GdalApi* Gdal(std::string& error) {
    static const LoadedApi loaded = LoadApi();
    if (!loaded.failure.empty()) {
        error = loaded.failure;
        return nullptr;
    }
    loaded.api.ErrorReset();
    return &loaded.api;
}

std::string LastError(const GdalApi& gdal, const char* otherwise) {
    const char* message = gdal.GetLastErrorMsg();
    return message && *message ? message : otherwise;
}

std::optional<RasterType> TypeOf(GDALDataType type) {
    switch (type) {
        case GDT_Byte: return RasterType::kByte;
        case GDT_UInt16: return RasterType::kUInt16;
        case GDT_Int16: return RasterType::kInt16;
        case GDT_UInt32: return RasterType::kUInt32;
        case GDT_Int32: return RasterType::kInt32;
        case GDT_UInt64: return RasterType::kUInt64;
        case GDT_Int64: return RasterType::kInt64;
        case GDT_Float32: return RasterType::kFloat32;
        case GDT_Float64: return RasterType::kFloat64;
        default: return std::nullopt;
    }
}

GDALDataType GdalTypeOf(RasterType type) {
    switch (type) {
        case RasterType::kByte: return GDT_Byte;
        case RasterType::kUInt16: return GDT_UInt16;
        case RasterType::kInt16: return GDT_Int16;
        case RasterType::kUInt32: return GDT_UInt32;
        case RasterType::kInt32: return GDT_Int32;
        case RasterType::kUInt64: return GDT_UInt64;
        case RasterType::kInt64: return GDT_Int64;
        case RasterType::kFloat32: return GDT_Float32;
        case RasterType::kFloat64: return GDT_Float64;
    }
    return GDT_Unknown;
}

std::string Text(const char* text) { return text ? text : ""; }

RasterFacts FactsOf(const GdalApi& gdal, GDALDatasetH dataset) {
    RasterFacts facts;
    facts.width = gdal.GetRasterXSize(dataset);
    facts.height = gdal.GetRasterYSize(dataset);
    facts.bands = gdal.GetRasterCount(dataset);
    std::array<double, 6> transform{};
    if (gdal.GetGeoTransform(dataset, transform.data()) == CE_None) facts.georeference.transform = transform;
    facts.georeference.projection = Text(gdal.GetProjectionRef(dataset));
    facts.georeference.areaOrPoint = Text(gdal.GetMetadataItem(dataset, "AREA_OR_POINT", nullptr));
    facts.compression = Text(gdal.GetMetadataItem(dataset, "COMPRESSION", "IMAGE_STRUCTURE"));
    if (facts.bands < 1) return facts;
    GDALRasterBandH band = gdal.GetRasterBand(dataset, 1);
    facts.type = TypeOf(gdal.GetRasterDataType(band));
    facts.hasColourTable = gdal.GetRasterColorTable(band) != nullptr;
    int has = 0;
    double noData = gdal.GetRasterNoDataValue(band, &has);
    if (has) facts.noData = noData;
    facts.units = Text(gdal.GetRasterUnitType(band));
    facts.bandScale = gdal.GetRasterScale(band, nullptr);
    facts.bandOffset = gdal.GetRasterOffset(band, nullptr);
    return facts;
}

bool IsRegularFile(const std::string& path) {
    struct stat status;
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

// Rows of the first band in or out, the buffer's type given by its element.
template <class Value>
constexpr GDALDataType kBufferType = std::is_same_v<Value, uint16_t> ? GDT_UInt16
                                     : std::is_same_v<Value, float>  ? GDT_Float32
                                                                     : GDT_Float64;

template <class Value>
bool TransferRows(GDALDatasetH dataset, GDALRWFlag direction, int y, int count, Value* values, std::string& error) {
    const GdalApi* gdal = Gdal(error);
    if (!gdal) return false;
    GDALRasterBandH band = gdal->GetRasterBand(dataset, 1);
    int width = gdal->GetRasterXSize(dataset);
    if (gdal->RasterIO(band, direction, 0, y, width, count, values, width, count, kBufferType<Value>, 0, 0) == CE_None) {
        return true;
    }
    error = LastError(*gdal, direction == GF_Read ? "the file cannot be read" : "the file cannot be written");
    return false;
}

// Closes the dataset it holds; GDAL reports a failed close only through its error state.
struct OpenDataset {
    GDALDatasetH handle = nullptr;

    bool Close(std::string& error) {
        const GdalApi* gdal = Gdal(error);
        if (!handle || !gdal) return false;
        gdal->Close(handle);
        handle = nullptr;
        if (gdal->GetLastErrorType() < CE_Failure) return true;
        error = LastError(*gdal, "the file cannot be written");
        return false;
    }
    ~OpenDataset() {
        std::string ignored;
        if (handle) Close(ignored);
    }
};

}  // namespace

// ---- reading ------------------------------------------------------------------------

struct RasterReader::Dataset : OpenDataset {};

RasterReader::RasterReader(std::unique_ptr<Dataset> dataset, RasterFacts facts)
    : dataset_(std::move(dataset)), facts_(std::move(facts)) {}

RasterReader::~RasterReader() = default;

std::unique_ptr<RasterReader> RasterReader::Open(const std::string& path, std::string& error) {
    // A pipe or a device could hold the reader up for ever; a folder is no raster.
    if (!IsRegularFile(path)) {
        error = "cannot open the file";
        return nullptr;
    }
    const GdalApi* gdal = Gdal(error);
    if (!gdal) return nullptr;
    auto dataset = std::make_unique<Dataset>();
    dataset->handle = gdal->OpenEx(path.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY, nullptr, nullptr, nullptr);
    if (!dataset->handle) {
        error = "not a raster that GDAL reads";
        return nullptr;
    }
    RasterFacts facts = FactsOf(*gdal, dataset->handle);
    return std::unique_ptr<RasterReader>(new RasterReader(std::move(dataset), std::move(facts)));
}

bool RasterReader::Recognises(const std::string& path) {
    std::string error;
    const GdalApi* gdal = IsRegularFile(path) ? Gdal(error) : nullptr;
    return gdal && gdal->IdentifyDriverEx(path.c_str(), GDAL_OF_RASTER, nullptr, nullptr) != nullptr;
}

bool RasterReader::Read(int y, int count, uint16_t* values, std::string& error) {
    return TransferRows(dataset_->handle, GF_Read, y, count, values, error);
}
bool RasterReader::Read(int y, int count, float* values, std::string& error) {
    return TransferRows(dataset_->handle, GF_Read, y, count, values, error);
}
bool RasterReader::Read(int y, int count, double* values, std::string& error) {
    return TransferRows(dataset_->handle, GF_Read, y, count, values, error);
}

// ---- writing ------------------------------------------------------------------------

struct GeoTiffWriter::Dataset : OpenDataset {};

GeoTiffWriter::GeoTiffWriter(std::unique_ptr<Dataset> dataset) : dataset_(std::move(dataset)) {}

GeoTiffWriter::~GeoTiffWriter() = default;

namespace {

// Compressions GeoTIFF writes that keep every value as it was.
bool IsLosslessCompression(const std::string& name) {
    for (const char* known : {"LZW", "DEFLATE", "ZSTD", "PACKBITS", "LZMA"}) {
        if (name == known) return true;
    }
    return false;
}

void Describe(const GdalApi& gdal, GDALDatasetH dataset, const RasterFacts& facts) {
    const Georeference& place = facts.georeference;
    if (place.transform) gdal.SetGeoTransform(dataset, const_cast<double*>(place.transform->data()));
    if (!place.projection.empty()) gdal.SetProjection(dataset, place.projection.c_str());
    if (!place.areaOrPoint.empty()) {
        gdal.SetMetadataItem(dataset, "AREA_OR_POINT", place.areaOrPoint.c_str(), nullptr);
    }
    GDALRasterBandH band = gdal.GetRasterBand(dataset, 1);
    if (facts.noData) gdal.SetRasterNoDataValue(band, *facts.noData);
    if (!facts.units.empty()) gdal.SetRasterUnitType(band, facts.units.c_str());
    if (facts.bandScale != 1) gdal.SetRasterScale(band, facts.bandScale);
    if (facts.bandOffset != 0) gdal.SetRasterOffset(band, facts.bandOffset);
}

}  // namespace

std::unique_ptr<GeoTiffWriter> GeoTiffWriter::Create(const std::string& path, const RasterFacts& facts,
                                                     std::string& error) {
    const GdalApi* gdal = Gdal(error);
    if (!gdal) return nullptr;
    GDALDriverH driver = gdal->GetDriverByName("GTiff");
    if (!driver) {
        error = "this GDAL cannot write GeoTIFF";
        return nullptr;
    }
    std::string compress = "COMPRESS=" + facts.compression;
    // Compressed blocks are made on every core; each is compressed alone, so the file is
    // the same as one thread makes.
    std::string threads = "NUM_THREADS=ALL_CPUS";
    std::array<char*, 3> options{};
    if (IsLosslessCompression(facts.compression)) options = {compress.data(), threads.data(), nullptr};
    auto dataset = std::make_unique<Dataset>();
    dataset->handle = gdal->Create(driver, path.c_str(), facts.width, facts.height, 1,
                                   GdalTypeOf(facts.type.value_or(RasterType::kUInt16)), options.data());
    if (!dataset->handle) {
        error = LastError(*gdal, "the file cannot be created");
        return nullptr;
    }
    Describe(*gdal, dataset->handle, facts);
    return std::unique_ptr<GeoTiffWriter>(new GeoTiffWriter(std::move(dataset)));
}

bool GeoTiffWriter::Write(int y, int count, const uint16_t* values, std::string& error) {
    return TransferRows(dataset_->handle, GF_Write, y, count, const_cast<uint16_t*>(values), error);
}
bool GeoTiffWriter::Write(int y, int count, const float* values, std::string& error) {
    return TransferRows(dataset_->handle, GF_Write, y, count, const_cast<float*>(values), error);
}
bool GeoTiffWriter::Write(int y, int count, const double* values, std::string& error) {
    return TransferRows(dataset_->handle, GF_Write, y, count, const_cast<double*>(values), error);
}

bool GeoTiffWriter::Close(std::string& error) { return dataset_->Close(error); }

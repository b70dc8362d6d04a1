#pragma once

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// What a command of GDAL's own tools prints on standard output; empty when it fails.
// The tests make their rasters and check ours with these, not with our own code.
inline std::string GdalTool(const std::string& command) {
    std::string output;
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    if (!pipe) return output;
    char buffer[4096];
    size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, count);
    return pclose(pipe) == 0 ? output : "";
}

// An ESRI ASCII grid: a small text raster that GDAL reads as it is written here.
inline void WriteAsciiGrid(const std::string& path, int width, int height, const std::string& values,
                           const std::string& noData = "") {
    std::ofstream out(path);
    out << "ncols " << width << "\nnrows " << height << "\nxllcorner 500000\nyllcorner 4000000\ncellsize 30\n";
    if (!noData.empty()) out << "NODATA_value " << noData << "\n";
    out << values << "\n";
}

// The raster's values, top row first, as GDAL reads them.
inline std::vector<double> GdalValues(const std::string& path) {
    std::istringstream lines(GdalTool("gdal_translate -q -of XYZ '" + path + "' /vsistdout/"));
    std::vector<double> values;
    double x = 0, y = 0, z = 0;
    while (lines >> x >> y >> z) values.push_back(z);
    return values;
}

// gdalinfo's account of where the raster lies: its coordinate system, origin, pixel
// size and corners.
inline std::string GdalPlace(const std::string& path) {
    std::string info = GdalTool("gdalinfo -nomd '" + path + "'");
    size_t from = info.find("Coordinate System");
    size_t to = info.find("Band 1");
    return from == std::string::npos || to == std::string::npos ? "" : info.substr(from, to - from);
}

#include "document/height_file_kinds.h"

const std::vector<HeightFileKind>& HeightFileKinds() {
    static const std::vector<HeightFileKind> kinds = {
        {"TGA", {"*.tga"}}, {"PPM", {"*.ppm"}}, {"PNG", {"*.png"}}, {"PGM", {"*.pgm"}}, {"RAW", {"*.r16", "*.raw"}},
        {"GeoTIFF", {"*.tif", "*.tiff"}}, {"SRTM", {"*.hgt"}}, {"ASCII grid", {"*.asc"}},
    };
    return kinds;
}

std::string WrongTypeNotice() {
    const std::vector<HeightFileKind>& kinds = HeightFileKinds();
    std::string names;
    for (size_t i = 0; i < kinds.size(); ++i) {
        if (i > 0) names += i + 1 == kinds.size() ? " & " : ", ";
        names += kinds[i].name;
    }
    return "WRONG  FILE TYPE!!\n\n" + names + " types only !!";
}

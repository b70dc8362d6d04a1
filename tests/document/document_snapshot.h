#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/field_document.h"

// Everything a step back must restore, to compare byte for byte.
struct DocumentSnapshot {
    int width = 0;
    int height = 0;
    int kind = 0;
    std::vector<uint32_t> pixels;
    std::vector<uint32_t> mask;  // empty without one
    Palette palette{};
    SelectionSnapshot selection;

    static DocumentSnapshot Of(const FieldDocument& document);
    bool operator==(const DocumentSnapshot& other) const;
    // What differs, for a failing comparison.
    std::string Difference(const DocumentSnapshot& other) const;
};

// A field of gentle hills with some noise, so changes pack as real ones do.
void MakeTerrain(FieldDocument& document, int width, int height, int kind);

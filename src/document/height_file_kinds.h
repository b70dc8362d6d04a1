#pragma once

#include <string>
#include <vector>

// The kinds of height file the document opens, in the order the choosers offer them.
// A new format is a new row: the file choosers' filters and the wrong-type notice of
// both programs follow this table.
struct HeightFileKind {
    const char* name;                     // as the notice names it
    std::vector<const char*> patterns;    // the names the kind is read by
};

const std::vector<HeightFileKind>& HeightFileKinds();

// "WRONG  FILE TYPE!!" with every kind the programs open.
std::string WrongTypeNotice();

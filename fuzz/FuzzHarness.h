#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "layout/Layout.h"

namespace orvanest::fuzzing {

// A folder for the files the readers open, made once per fuzzing process and removed at its end.
const std::filesystem::path& scratchFolder();

// Writes the bytes to `name` in the scratch folder and answers the file's full path.
std::string writeScratchFile(const std::string& name, const std::uint8_t* data, std::size_t size);
std::string writeScratchFile(const std::string& name, const std::string& content);

// Stops the process with a message when a property the program promises does not hold, so libFuzzer
// keeps the input that showed it.
void require(bool condition, const char* what);

// What a user does next with a freshly loaded layout, kept short: a coarse grid of packing points and
// the first few parts placed by the packing-point method, then the layout checked.
void packBriefly(Layout& layout);

// A load of the file as the open commands do it (kind: kLoadPartData or kLoadPartList), then
// packBriefly; a refused load must have said why.
void loadAndPackBriefly(const std::string& path, int kind);

}  // namespace orvanest::fuzzing

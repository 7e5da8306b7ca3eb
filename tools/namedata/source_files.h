// Reading the builder's input files. Every failure throws BuildError naming
// the file, so a missing or broken source stops the build loudly.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace namedata {

struct BuildError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The whole file; throws when it is missing or unreadable.
std::string ReadTextFile(const std::filesystem::path& path);
// The whole decompressed content of a .bz2 file.
std::string ReadBzip2File(const std::filesystem::path& path);

// A tab-separated file whose first line must equal `header`. Every row must
// have as many fields as the header; "#" lines and empty lines are skipped.
using TsvRows = std::vector<std::vector<std::string>>;
TsvRows ReadTsv(const std::filesystem::path& path, const std::vector<std::string>& header);

// Splits at a separator, keeping empty fields.
std::vector<std::string> SplitFields(const std::string& line, char separator);

}  // namespace namedata

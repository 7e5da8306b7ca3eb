// A profile-format settings file: "[section]" lines and "key=value" lines in
// GBK. Values come back whole, however long.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qinghe {

class ProfileFile {
  public:
    // Reads `path`. A missing or unreadable file, or one that is not a
    // profile at all, reads as empty: every key then reads as "".
    static ProfileFile Load(const std::filesystem::path& path);

    // The first value of `key` in the first section named `section` (both
    // compared ignoring ASCII case), "" when absent.
    std::string Get(std::string_view section, std::string_view key) const;
    // Sets or adds the value. A value is one line: line breaks become spaces.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // Writes the whole file atomically (a temporary file renamed over the
    // old one), creating its folder. False when that fails; the old file is
    // then untouched.
    bool Save(const std::filesystem::path& path) const;

  private:
    struct Line {
        std::string text;  // the line as read; empty for an entry set since
        std::string key;
        std::string value;
        bool is_entry = false;
    };
    struct Section {
        std::string name;
        std::vector<Line> lines;
    };

    Section* FindSection(std::string_view name);
    const Section* FindSection(std::string_view name) const;

    std::vector<Line> preamble_;  // lines before the first section
    std::vector<Section> sections_;
};

}  // namespace qinghe

// A character's traditional and simplified forms through OpenCC.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace namedata {

class OpenccConverter {
  public:
    // `config` is an OpenCC configuration file such as s2t.json.
    explicit OpenccConverter(const std::filesystem::path& config);
    ~OpenccConverter();
    OpenccConverter(const OpenccConverter&) = delete;
    OpenccConverter& operator=(const OpenccConverter&) = delete;

    // The converted text; for one character, the table's first candidate.
    std::string Convert(const std::string& utf8) const;

  private:
    void* handle_;  // opencc_t
};

}  // namespace namedata

#include "support/temp_dir.h"

#include <stdlib.h>

#include <string>
#include <system_error>

namespace qinghe::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qinghe-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::filesystem::filesystem_error("mkdtemp",
                                                std::error_code(errno, std::generic_category()));
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

}  // namespace qinghe::test

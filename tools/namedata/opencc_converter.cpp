#include "opencc_converter.h"

#include <opencc.h>

#include "source_files.h"

namespace namedata {

OpenccConverter::OpenccConverter(const std::filesystem::path& config)
    : handle_(opencc_open(config.c_str())) {
    if (handle_ == reinterpret_cast<void*>(-1) || handle_ == nullptr)
        throw BuildError("missing input: OpenCC configuration " + config.string() + " (" +
                         opencc_error() + ")");
}

OpenccConverter::~OpenccConverter() {
    opencc_close(static_cast<opencc_t>(handle_));
}

std::string OpenccConverter::Convert(const std::string& utf8) const {
    char* converted = opencc_convert_utf8(static_cast<opencc_t>(handle_), utf8.data(), utf8.size());
    if (converted == nullptr) return utf8;
    std::string result(converted);
    opencc_convert_utf8_free(converted);
    return result;
}

}  // namespace namedata

#include "source_files.h"

#include <bzlib.h>

#include <fstream>
#include <memory>
#include <sstream>

namespace namedata {
namespace {

// Ends a bzip2 decompression stream however the reading ends.
struct Bzip2Stream {
    bz_stream stream{};
    bool open = false;
    ~Bzip2Stream() {
        if (open) BZ2_bzDecompressEnd(&stream);
    }
};

}  // namespace

std::string ReadTextFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw BuildError("missing input: " + path.string());
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) throw BuildError("cannot read " + path.string());
    return content.str();
}

std::string ReadBzip2File(const std::filesystem::path& path) {
    std::string packed = ReadTextFile(path);
    std::string out;
    Bzip2Stream bz;
    if (BZ2_bzDecompressInit(&bz.stream, 0, 0) != BZ_OK) throw BuildError("bzip2 init failed");
    bz.open = true;
    bz.stream.next_in = packed.data();
    bz.stream.avail_in = static_cast<unsigned>(packed.size());
    std::string chunk(1 << 20, '\0');
    for (;;) {
        bz.stream.next_out = chunk.data();
        bz.stream.avail_out = static_cast<unsigned>(chunk.size());
        int rc = BZ2_bzDecompress(&bz.stream);
        out.append(chunk.data(), chunk.size() - bz.stream.avail_out);
        if (rc == BZ_STREAM_END) break;
        if (rc != BZ_OK || (bz.stream.avail_in == 0 && bz.stream.avail_out != 0))
            throw BuildError("broken bzip2 file: " + path.string());
    }
    return out;
}

std::vector<std::string> SplitFields(const std::string& line, char separator) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        size_t end = line.find(separator, start);
        fields.push_back(
            line.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return fields;
}

TsvRows ReadTsv(const std::filesystem::path& path, const std::vector<std::string>& header) {
    std::istringstream in(ReadTextFile(path));
    std::string line;
    TsvRows rows;
    int number = 0;
    bool seen_header = false;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields = SplitFields(line, '\t');
        if (!seen_header) {
            if (fields != header)
                throw BuildError(path.string() + ": the first line is not the expected header");
            seen_header = true;
            continue;
        }
        if (fields.size() != header.size())
            throw BuildError(path.string() + ":" + std::to_string(number) + ": expected " +
                             std::to_string(header.size()) + " fields, found " +
                             std::to_string(fields.size()));
        rows.push_back(std::move(fields));
    }
    if (!seen_header) throw BuildError(path.string() + ": empty file");
    return rows;
}

}  // namespace namedata

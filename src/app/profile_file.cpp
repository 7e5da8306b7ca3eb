#include "app/profile_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <system_error>
#include <utility>

namespace qinghe {
namespace {

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

std::string_view Trim(std::string_view text) {
    size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos) return {};
    size_t end = text.find_last_not_of(" \t");
    return text.substr(begin, end - begin + 1);
}

// The section name of a "[name]" line, walking GBK characters so that a
// trail byte equal to "]" does not end the name early. False for other lines.
bool ParseSectionLine(std::string_view line, std::string* name) {
    line = Trim(line);
    if (line.empty() || line[0] != '[') return false;
    for (size_t pos = 1; pos < line.size();) {
        if (line[pos] == ']') {
            *name = std::string(Trim(line.substr(1, pos - 1)));
            return true;
        }
        pos += static_cast<unsigned char>(line[pos]) >= 0x81 ? 2 : 1;
    }
    return false;
}

// A value that starts or ends with blanks, or is itself quoted, is written
// between double quotes so that reading it back gives it unchanged.
std::string EncodeValue(std::string_view value) {
    bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
    bool blanks = !value.empty() && (value.front() == ' ' || value.front() == '\t' ||
                                     value.back() == ' ' || value.back() == '\t');
    if (quoted || blanks) return "\"" + std::string(value) + "\"";
    return std::string(value);
}

std::string DecodeValue(std::string_view raw) {
    std::string_view value = Trim(raw);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

// Owns an open file descriptor; Close reports whether the data reached the file.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { Close(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    bool Close() {
        int fd = std::exchange(fd_, -1);
        return fd < 0 || ::close(fd) == 0;
    }

  private:
    int fd_;
};

bool WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

ProfileFile ProfileFile::Load(const std::filesystem::path& path) {
    ProfileFile profile;
    std::ifstream in(path, std::ios::binary);
    if (!in) return profile;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    const std::string content = buffer.str();

    std::vector<Line>* lines = &profile.preamble_;
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        if (end == std::string::npos) end = content.size();
        std::string_view text(content.data() + start, end - start);
        if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
        start = end + 1;

        std::string name;
        if (ParseSectionLine(text, &name)) {
            profile.sections_.push_back({std::move(name), {}});
            lines = &profile.sections_.back().lines;
            continue;
        }
        Line line;
        line.text = std::string(text);
        size_t equals = text.find('=');  // "=" is never a GBK trail byte
        if (equals != std::string_view::npos && !Trim(text.substr(0, equals)).empty()) {
            line.is_entry = true;
            line.key = std::string(Trim(text.substr(0, equals)));
            line.value = DecodeValue(text.substr(equals + 1));
        }
        lines->push_back(std::move(line));
    }
    return profile;
}

const ProfileFile::Section* ProfileFile::FindSection(std::string_view name) const {
    for (const Section& section : sections_)
        if (SameName(section.name, name)) return &section;
    return nullptr;
}

ProfileFile::Section* ProfileFile::FindSection(std::string_view name) {
    return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

std::string ProfileFile::Get(std::string_view section, std::string_view key) const {
    const Section* found = FindSection(section);
    if (found == nullptr) return {};
    for (const Line& line : found->lines)
        if (line.is_entry && SameName(line.key, key)) return line.value;
    return {};
}

void ProfileFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    std::string one_line(value);
    for (char& c : one_line)
        if (c == '\r' || c == '\n') c = ' ';
    Section* found = FindSection(section);
    if (found == nullptr) {
        sections_.push_back({std::string(section), {}});
        found = &sections_.back();
    }
    for (Line& line : found->lines) {
        if (line.is_entry && SameName(line.key, key)) {
            line.value = std::move(one_line);
            line.text.clear();
            return;
        }
    }
    found->lines.push_back({{}, std::string(key), std::move(one_line), true});
}

bool ProfileFile::Save(const std::filesystem::path& path) const {
    std::string bytes;
    auto append_lines = [&bytes](const std::vector<Line>& lines) {
        for (const Line& line : lines) {
            // Lines read from the file are written back as they were.
            bool rewritten = line.is_entry && line.text.empty();
            bytes += rewritten ? line.key + "=" + EncodeValue(line.value) : line.text;
            bytes += "\r\n";
        }
    };
    append_lines(preamble_);
    for (const Section& section : sections_) {
        bytes += "[" + section.name + "]\r\n";
        append_lines(section.lines);
    }

    std::error_code ec;
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ec);
    std::filesystem::path temp = path;
    temp += ".tmp-" + std::to_string(::getpid());
    FileDescriptor file(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (file.get() < 0) return false;
    bool ok = WriteAll(file.get(), bytes) && ::fsync(file.get()) == 0;
    ok = file.Close() && ok;
    if (ok) ok = std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) std::filesystem::remove(temp, ec);
    return ok;
}

}  // namespace qinghe

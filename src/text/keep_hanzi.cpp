#include "text/keep_hanzi.h"

namespace qinghe {

std::string KeepHanzi(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (char c : text)
        if (c != ' ') compact.push_back(c);

    std::string kept;
    for (size_t pos = 0; pos < compact.size();) {
        auto lead = static_cast<unsigned char>(compact[pos]);
        if (lead < 128) {
            ++pos;
            continue;
        }
        if (pos + 1 >= compact.size()) break;  // a lead byte cut off at the end
        auto trail = static_cast<unsigned char>(compact[pos + 1]);
        if (lead >= 176 && lead <= 247 && trail > 160 && trail != 255) kept.append(compact, pos, 2);
        pos += 2;
    }
    return kept;
}

}  // namespace qinghe

#include "text/iconv_handle.h"

namespace qinghe {

IconvHandle::IconvHandle(const char* to, const char* from) : cd_(iconv_open(to, from)) {}

IconvHandle::~IconvHandle() {
    if (valid()) iconv_close(cd_);
}

void IconvHandle::Reset() const {
    if (valid()) iconv(cd_, nullptr, nullptr, nullptr, nullptr);
}

}  // namespace qinghe

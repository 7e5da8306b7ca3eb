// RAII ownership of one iconv conversion descriptor.
#pragma once

#include <iconv.h>

namespace qinghe {

class IconvHandle {
  public:
    IconvHandle(const char* to, const char* from);
    ~IconvHandle();
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }
    // Returns the descriptor to its initial shift state before a new text.
    void Reset() const;

  private:
    iconv_t cd_;
};

}  // namespace qinghe

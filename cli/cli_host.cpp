#include "cli_host.h"

#include <iostream>

#include "text/gbk.h"

namespace qinghe::cli {

void CliHost::ShowMessage(const std::string& text, const std::string& title, MessageIcon) {
    if (!quiet_) std::cerr << "[" << GbkToUtf8(title) << "] " << GbkToUtf8(text) << std::endl;
}

}  // namespace qinghe::cli

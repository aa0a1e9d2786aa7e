#include <dlfcn.h>

#include <filesystem>

#include "frame/wb_code.h"

namespace quenvatrix {

std::string ComponentFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&ComponentFolder), &info) == 0 || info.dli_fname == nullptr) return {};
    std::filesystem::path library(info.dli_fname);
    std::filesystem::path folder = library.parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

}  // namespace quenvatrix

#include "platform/DynamicLibrary.h"

#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>

#include <array>

namespace {

// The folder of the running program file; empty when the kernel does not tell.
std::string OwnFolder() {
    std::array<char, PATH_MAX> path{};
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
    if (length <= 0) return {};
    const std::string file(path.data(), static_cast<size_t>(length));
    return file.substr(0, file.rfind('/'));
}

}  // namespace

DynamicLibrary::~DynamicLibrary() {
    Close();
}

bool DynamicLibrary::Open(const std::string& nameOrPath) {
    Close();
    if (nameOrPath.empty()) return false;
    // A bare name is looked for beside the program first, where the maker's libraries are laid
    // out, then along the normal search. (Asking the loader for it through a run path of $ORIGIN
    // would not do: a sanitizer's hook of dlopen makes the loader read its own run path instead.)
    if (nameOrPath.find('/') == std::string::npos) {
        handle_ = dlopen((OwnFolder() + "/" + nameOrPath).c_str(), RTLD_NOW | RTLD_LOCAL);
    }
    if (handle_ == nullptr) handle_ = dlopen(nameOrPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    return handle_ != nullptr;
}

void DynamicLibrary::Close() {
    if (handle_ != nullptr) {
        dlclose(handle_);
        handle_ = nullptr;
    }
}

void* DynamicLibrary::Symbol(const char* name) const {
    return handle_ != nullptr ? dlsym(handle_, name) : nullptr;
}

#include "platform/DynamicLibrary.h"

#include <dlfcn.h>

#include <filesystem>

DynamicLibrary::~DynamicLibrary() {
    Close();
}

bool DynamicLibrary::Open(const std::string& nameOrPath) {
    Close();
    if (nameOrPath.empty()) return false;
    // The run path names the program's folder too, but a dlopen that a sanitizer runtime
    // interposes searches as that runtime, without it.
    if (nameOrPath.find('/') == std::string::npos) {
        std::error_code error;
        const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
        if (!error) {
            handle_ = dlopen((program.parent_path() / nameOrPath).c_str(), RTLD_NOW | RTLD_LOCAL);
        }
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

#include "platform/DynamicLibrary.h"

#include <dlfcn.h>

DynamicLibrary::~DynamicLibrary() {
    Close();
}

bool DynamicLibrary::Open(const std::string& nameOrPath) {
    Close();
    if (nameOrPath.empty()) return false;
    handle_ = dlopen(nameOrPath.c_str(), RTLD_NOW | RTLD_LOCAL);
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

#pragma once

#include <string>

// An owned dlopen handle; closing happens when the object ends or on Close.
class DynamicLibrary {
  public:
    DynamicLibrary() = default;
    ~DynamicLibrary();
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;

    // Loads by path, or by name: the running program's folder first, then the normal library
    // search. False when it cannot be loaded.
    bool Open(const std::string& nameOrPath);
    void Close();
    bool IsOpen() const { return handle_ != nullptr; }
    // The address of an exported symbol, or null.
    void* Symbol(const char* name) const;
    // Points `entry` at the exported function of that name (null when missing); true when found.
    template <typename Function>
    bool Resolve(const char* name, Function& entry) const {
        entry = reinterpret_cast<Function>(Symbol(name));
        return entry != nullptr;
    }

  private:
    void* handle_ = nullptr;
};

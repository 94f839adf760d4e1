#pragma once

#include <cstdint>
#include <span>
#include <string>

class DriverSettingsLibrary;

// The media ids and display names the driver offers for a printer. All instances share one cache;
// an instance for another printer rebuilds it, one for the same printer reuses it.
class DriverMediaList {
  public:
    // With no library the instance only keeps the cache alive.
    DriverMediaList(DriverSettingsLibrary* library, const std::string& printerName,
                    const std::string& portName);
    ~DriverMediaList();
    DriverMediaList(const DriverMediaList&) = delete;
    DriverMediaList& operator=(const DriverMediaList&) = delete;

    int Count() const;
    // 0 when the index is out of range.
    uint16_t IdAt(int index) const;
    // Empty when the index is out of range.
    std::string NameAt(int index) const;
    // The name of the first entry with the id; empty when there is none.
    std::string NameOf(int32_t id) const;
    // 1 with every id copied when the destination holds them all, else 0 (also for an empty list).
    int CopyIds(std::span<uint16_t> destination) const;

  private:
    struct Cache;
    static Cache& SharedCache();
    static void Rebuild(DriverSettingsLibrary& library, const std::string& printerName,
                        const std::string& portName);
};

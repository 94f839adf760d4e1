#include "driversettings/DriverMediaList.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "driversettings/DriverSettingsLibrary.h"
#include "ztset/DriverSettingsBlocks.h"

// Filling the list opens the driver and asks it for every media name, which takes long, while the
// pages ask for the same printer's list again and again: so one list serves the whole process.
// The application holds an instance for the whole run, so the list outlives every page.
struct DriverMediaList::Cache {
    std::string printerName;
    std::vector<uint16_t> ids;
    std::vector<std::string> names;
    int references = 0;
};

DriverMediaList::Cache& DriverMediaList::SharedCache() {
    static Cache cache;
    return cache;
}

DriverMediaList::DriverMediaList(DriverSettingsLibrary* library, const std::string& printerName,
                                 const std::string& portName) {
    Cache& cache = SharedCache();
    ++cache.references;
    if (library != nullptr && printerName != cache.printerName)
        Rebuild(*library, printerName, portName);
}

DriverMediaList::~DriverMediaList() {
    Cache& cache = SharedCache();
    if (--cache.references > 0) return;
    // Forgotten whole: a later list for the same printer is read again, not served empty.
    cache = Cache{};
}

void DriverMediaList::Rebuild(DriverSettingsLibrary& library, const std::string& printerName,
                              const std::string& portName) {
    Cache& cache = SharedCache();
    cache.printerName = printerName;
    cache.ids = {};
    cache.names = {};

    int32_t handle = 0;
    if (library.Open(printerName, portName, 0, nullptr, &handle) != 0 || handle == 0) return;
    MediaIdRangeBlock range;
    if (library.GetRange(handle, DriverItem::kMediaIds, &range) == 0 && range.count > 0 &&
        range.elementSize == sizeof(uint16_t)) {
        std::vector<uint16_t> ids(range.count, 0);
        range.ids = ids.data();
        if (library.GetRange(handle, DriverItem::kMediaIds, &range) == 0) {
            std::vector<std::string> names;
            for (uint16_t id : ids) {
                std::array<char, kMediaNameCapacity> name{};
                MediaNameBlock block;
                block.mediaId = id;
                block.name = name.data();
                library.GetData(handle, DriverItem::kMediaName, &block);
                names.emplace_back(name.data(), strnlen(name.data(), name.size()));
            }
            cache.ids = std::move(ids);
            cache.names = std::move(names);
        }
    }
    library.Close(handle);
}

int DriverMediaList::Count() const {
    return static_cast<int>(SharedCache().ids.size());
}

uint16_t DriverMediaList::IdAt(int index) const {
    const auto& ids = SharedCache().ids;
    return index >= 0 && index < static_cast<int>(ids.size()) ? ids[index] : 0;
}

std::string DriverMediaList::NameAt(int index) const {
    const auto& names = SharedCache().names;
    return index >= 0 && index < static_cast<int>(names.size()) ? names[index] : std::string();
}

std::string DriverMediaList::NameOf(int32_t id) const {
    const Cache& cache = SharedCache();
    const auto found = std::find(cache.ids.begin(), cache.ids.end(), id);
    return found != cache.ids.end() ? cache.names[found - cache.ids.begin()] : std::string();
}

int DriverMediaList::CopyIds(std::span<uint16_t> destination) const {
    const auto& ids = SharedCache().ids;
    if (ids.empty() || destination.size() < ids.size()) return 0;
    std::copy(ids.begin(), ids.end(), destination.begin());
    return 1;
}

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "ztset/SettingsRecord.h"

// Any bytes: a record either decodes and encodes back to the same bytes, or is refused.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto record = SettingsRecord::Decode(std::span(data, size));
    if (!record) return 0;
    const auto again = record->Encode();
    if (again.size() > size || !std::equal(again.begin(), again.end(), data)) std::abort();
    return 0;
}

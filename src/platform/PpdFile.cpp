#include "platform/PpdFile.h"

#include <cups/ppd.h>

namespace {

constexpr const char* kDriverFolderAttribute = "ZTDriverFolder";

}  // namespace

// The PPD interface is the one libcups offers for a driver's data file; CUPS marks it deprecated
// in favour of driverless printing.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
std::string PpdFileAttribute(const std::string& ppdPath, const std::string& key) {
    std::string value;
    if (ppd_file_t* ppd = ppdOpenFile(ppdPath.c_str())) {
        if (ppd_attr_t* attribute = ppdFindAttr(ppd, key.c_str(), nullptr);
            attribute != nullptr && attribute->value != nullptr)
            value = attribute->value;
        ppdClose(ppd);
    }
    return value;
}
#pragma GCC diagnostic pop

std::string PpdDriverFolder(const std::string& ppdPath) {
    std::string folder = PpdFileAttribute(ppdPath, kDriverFolderAttribute);
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

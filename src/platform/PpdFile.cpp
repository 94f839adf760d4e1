#include "platform/PpdFile.h"

#include <cups/ppd.h>

namespace {

constexpr const char* kDriverFolderAttribute = "ZTDriverFolder";

}  // namespace

// The PPD interface is the one libcups offers for a driver's data file; CUPS marks it deprecated
// in favour of driverless printing.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
PpdFile::PpdFile(const std::string& path) : ppd_(ppdOpenFile(path.c_str())) {}

PpdFile::~PpdFile() = default;

void PpdFile::Closer::operator()(ppd_file_s* ppd) const {
    ppdClose(ppd);
}

std::string PpdFile::Attribute(const std::string& key) const {
    if (!ppd_) return {};
    const ppd_attr_t* attribute = ppdFindAttr(ppd_.get(), key.c_str(), nullptr);
    return attribute != nullptr && attribute->value != nullptr ? attribute->value : "";
}
#pragma GCC diagnostic pop

std::string PpdFile::DriverFolder() const {
    std::string folder = Attribute(kDriverFolderAttribute);
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

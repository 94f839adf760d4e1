#include "platform/CupsSpooler.h"

#include <cups/cups.h>
#include <cups/ppd.h>
#include <unistd.h>

#include <functional>
#include <memory>

#include "platform/DynamicLibrary.h"

namespace {

constexpr const char* kMakeAndModel = "printer-make-and-model";
constexpr const char* kDeviceUri = "device-uri";
constexpr const char* kDriverFolderAttribute = "ZTDriverFolder";
constexpr const char* kDriverSettingsLibrary = "libztset32.so";
// Far above any real settings record; a larger size is treated as a broken library.
constexpr int32_t kMaxSettingsRecordSize = 1 << 20;
// What a streamed job holds in memory at once.
constexpr size_t kSourcePiece = 256 * 1024;

struct DestsDeleter {
    int count;
    void operator()(cups_dest_t* dests) const { cupsFreeDests(count, dests); }
};

std::string OptionOf(const cups_dest_t& dest, const char* name) {
    const char* value = cupsGetOption(name, dest.num_options, dest.options);
    return value != nullptr ? value : "";
}

bool WriteRequestData(std::span<const uint8_t> data) {
    return cupsWriteRequestData(CUPS_HTTP_DEFAULT, reinterpret_cast<const char*>(data.data()),
                                data.size()) == HTTP_STATUS_CONTINUE;
}

// Creates a raw job, sends its document through `writeBody` and finishes it; a job whose body
// could not be written whole is cancelled, so nothing incomplete reaches the printer.
int WriteRawDocument(const std::string& printer, const std::string& title,
                     const std::function<bool()>& writeBody) {
    const int jobId = cupsCreateJob(CUPS_HTTP_DEFAULT, printer.c_str(), title.c_str(), 0, nullptr);
    if (jobId <= 0) return -1;
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, printer.c_str(), jobId, title.c_str(), CUPS_FORMAT_RAW,
                          1) != HTTP_STATUS_CONTINUE) {
        cupsCancelJob2(CUPS_HTTP_DEFAULT, printer.c_str(), jobId, 0);
        return -1;
    }
    const bool written = writeBody();
    const bool finished = cupsFinishDocument(CUPS_HTTP_DEFAULT, printer.c_str()) == IPP_STATUS_OK;
    if (written && finished) return 0;
    cupsCancelJob2(CUPS_HTTP_DEFAULT, printer.c_str(), jobId, 0);
    return -1;
}

// The queue's PPD is the driver's data file: its attributes name the model's libraries. The PPD
// interface is the one libcups offers for it, hence the deprecation pragmas.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
std::string PpdAttribute(const std::string& printer, const std::string& key) {
    const char* ppdPath = cupsGetPPD2(CUPS_HTTP_DEFAULT, printer.c_str());
    if (ppdPath == nullptr) return {};
    const std::string temporaryCopy = ppdPath;
    std::string value;
    if (ppd_file_t* ppd = ppdOpenFile(temporaryCopy.c_str())) {
        if (ppd_attr_t* attribute = ppdFindAttr(ppd, key.c_str(), nullptr);
            attribute != nullptr && attribute->value != nullptr)
            value = attribute->value;
        ppdClose(ppd);
    }
    unlink(temporaryCopy.c_str());
    return value;
}
#pragma GCC diagnostic pop

}  // namespace

std::vector<SpoolerQueue> CupsSpooler::EnumeratePrinters() {
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    const std::unique_ptr<cups_dest_t, DestsDeleter> owned(dests, DestsDeleter{count});
    std::vector<SpoolerQueue> queues;
    for (int i = 0; i < count; ++i) {
        const cups_dest_t& dest = dests[i];
        if (dest.instance != nullptr) continue;  // an instance is the same queue again
        queues.push_back({dest.name, OptionOf(dest, kMakeAndModel), OptionOf(dest, kDeviceUri)});
    }
    return queues;
}

std::string CupsSpooler::PortName(const std::string& printer) {
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    const std::unique_ptr<cups_dest_t, DestsDeleter> owned(dests, DestsDeleter{count});
    const cups_dest_t* dest = cupsGetDest(printer.c_str(), nullptr, count, dests);
    return dest != nullptr ? OptionOf(*dest, kDeviceUri) : "";
}

int CupsSpooler::WriteRawJob(const std::string& printer, const std::string& title,
                             std::span<const uint8_t> data) {
    return WriteRawDocument(printer, title, [data] { return WriteRequestData(data); });
}

int CupsSpooler::WriteRawJobFromSource(const std::string& printer, const std::string& title,
                                       const RawJobSource& source) {
    return WriteRawDocument(printer, title, [&source] {
        std::vector<uint8_t> piece(kSourcePiece);
        for (;;) {
            const int64_t count = source(piece);
            if (count < 0 || static_cast<uint64_t>(count) > piece.size()) return false;
            if (count == 0) return true;
            if (!WriteRequestData(
                    std::span<const uint8_t>(piece).first(static_cast<size_t>(count))))
                return false;
        }
    });
}

std::string CupsSpooler::DriverAttribute(const std::string& printer, const std::string& key) {
    return PpdAttribute(printer, key);
}

std::string CupsSpooler::DriverFolder(const std::string& printer) {
    std::string folder = PpdAttribute(printer, kDriverFolderAttribute);
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

std::optional<std::vector<uint8_t>> CupsSpooler::ReadPrinterDefaults(const std::string& printer) {
    const std::string folder = DriverFolder(printer);
    if (folder.empty()) return std::nullopt;
    DynamicLibrary library;
    if (!library.Open(folder + kDriverSettingsLibrary)) return std::nullopt;
    using OpenFunction = int32_t (*)(const char*, const char*, int32_t, const uint8_t*, int32_t*);
    using GetDevModeFunction = int32_t (*)(int32_t, uint8_t*);
    using CloseFunction = int32_t (*)(int32_t);
    const auto open = reinterpret_cast<OpenFunction>(library.Symbol("ZTDM_Open"));
    const auto getDevMode = reinterpret_cast<GetDevModeFunction>(library.Symbol("ZTDM_GetDevMode"));
    const auto close = reinterpret_cast<CloseFunction>(library.Symbol("ZTDM_Close"));
    if (open == nullptr || getDevMode == nullptr || close == nullptr) return std::nullopt;

    int32_t handle = 0;
    if (open(printer.c_str(), PortName(printer).c_str(), 0, nullptr, &handle) != 0 || handle == 0)
        return std::nullopt;
    std::optional<std::vector<uint8_t>> record;
    const int32_t size = getDevMode(handle, nullptr);
    if (size >= 1 && size <= kMaxSettingsRecordSize) {
        std::vector<uint8_t> buffer(static_cast<size_t>(size));
        if (getDevMode(handle, buffer.data()) != 0) record = std::move(buffer);
    }
    close(handle);
    return record;
}

#include "platform/CupsSpooler.h"

#include <cups/cups.h>
#include <cups/ppd.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <vector>

#include "platform/PpdFile.h"

namespace {

constexpr const char* kMakeAndModel = "printer-make-and-model";
constexpr const char* kDeviceUri = "device-uri";
// Local queues answer at once; the bound only matters for a server that does not.
constexpr int kEnumerateLimitMs = 5000;
// What a streamed job holds in memory at once.
constexpr size_t kSourcePiece = 256 * 1024;

std::string OptionOf(const cups_dest_t& dest, const char* name) {
    const char* value = cupsGetOption(name, dest.num_options, dest.options);
    return value != nullptr ? value : "";
}

bool WriteRequestData(std::span<const uint8_t> data) {
    return cupsWriteRequestData(CUPS_HTTP_DEFAULT, reinterpret_cast<const char*>(data.data()),
                                data.size()) == HTTP_STATUS_CONTINUE;
}

// Options in the form libcups sends with a job, freed with the object.
class CupsOptions {
  public:
    explicit CupsOptions(const Spooler::JobOptions& options) {
        for (const auto& [name, value] : options)
            count_ = cupsAddOption(name.c_str(), value.c_str(), count_, &options_);
    }
    ~CupsOptions() { cupsFreeOptions(count_, options_); }
    CupsOptions(const CupsOptions&) = delete;
    CupsOptions& operator=(const CupsOptions&) = delete;

    int Count() const { return count_; }
    cups_option_t* Options() const { return options_; }

  private:
    int count_ = 0;
    cups_option_t* options_ = nullptr;
};

// Creates a job of one document in `format`, sends the document through `writeBody` and finishes
// it; a job whose body could not be written whole is cancelled, so nothing incomplete reaches the
// printer.
int WriteDocument(const std::string& printer, const std::string& title, const char* format,
                  const CupsOptions& options, const std::function<bool()>& writeBody) {
    const int jobId = cupsCreateJob(CUPS_HTTP_DEFAULT, printer.c_str(), title.c_str(),
                                    options.Count(), options.Options());
    if (jobId <= 0) return -1;
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, printer.c_str(), jobId, title.c_str(), format, 1) !=
        HTTP_STATUS_CONTINUE) {
        cupsCancelJob2(CUPS_HTTP_DEFAULT, printer.c_str(), jobId, 0);
        return -1;
    }
    const bool written = writeBody();
    const bool finished = cupsFinishDocument(CUPS_HTTP_DEFAULT, printer.c_str()) == IPP_STATUS_OK;
    if (written && finished) return 0;
    cupsCancelJob2(CUPS_HTTP_DEFAULT, printer.c_str(), jobId, 0);
    return -1;
}

int WriteRawDocument(const std::string& printer, const std::string& title,
                     const std::function<bool()>& writeBody) {
    return WriteDocument(printer, title, CUPS_FORMAT_RAW, CupsOptions({}), writeBody);
}

// The queue's PPD is the driver's data file: its attributes name the model's libraries. The
// server hands out a temporary copy, removed once read. The PPD interface is the one libcups
// offers for it, hence the deprecation pragmas.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
std::string FromQueuePpd(const std::string& printer,
                         const std::function<std::string(const PpdFile&)>& read) {
    const char* ppdPath = cupsGetPPD2(CUPS_HTTP_DEFAULT, printer.c_str());
    if (ppdPath == nullptr) return {};
    const std::string temporaryCopy = ppdPath;
    std::string value = read(PpdFile(temporaryCopy));
    unlink(temporaryCopy.c_str());
    return value;
}
#pragma GCC diagnostic pop

}  // namespace

bool IsLocalQueue(const cups_dest_t& dest) {
    if (dest.instance != nullptr) return false;  // an instance is the same queue again
    const std::string type = OptionOf(dest, "printer-type");
    if (!type.empty() && (std::strtoul(type.c_str(), nullptr, 0) & CUPS_PRINTER_DISCOVERED) != 0)
        return false;
    return OptionOf(dest, "printer-is-temporary") != "true";
}

std::vector<SpoolerQueue> CupsSpooler::EnumeratePrinters() {
    std::vector<SpoolerQueue> queues;
    // Printers found on the network are left out: the mask keeps the enumeration to the queues
    // the server holds, and the check drops the temporary ones it made for such printers.
    cupsEnumDests(
        CUPS_DEST_FLAGS_NONE, kEnumerateLimitMs, nullptr, 0, CUPS_PRINTER_DISCOVERED,
        [](void* user, unsigned flags, cups_dest_t* dest) -> int {
            if ((flags & CUPS_DEST_FLAGS_REMOVED) == 0 && IsLocalQueue(*dest)) {
                static_cast<std::vector<SpoolerQueue>*>(user)->push_back(
                    {dest->name, OptionOf(*dest, kMakeAndModel), OptionOf(*dest, kDeviceUri)});
            }
            return 1;
        },
        &queues);
    return queues;
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

int CupsSpooler::WritePdfJob(const std::string& printer, const std::string& title,
                             std::span<const uint8_t> pdf, const JobOptions& options) {
    return WriteDocument(printer, title, CUPS_FORMAT_PDF, CupsOptions(options),
                         [pdf] { return WriteRequestData(pdf); });
}

int CupsSpooler::ActiveJobTitles(const std::string& printer, std::vector<std::string>& titles) {
    titles.clear();
    cups_job_t* jobs = nullptr;
    const int count =
        cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, printer.c_str(), 0, CUPS_WHICHJOBS_ACTIVE);
    if (count < 0) return -1;
    for (int i = 0; i < count; ++i)
        titles.emplace_back(jobs[i].title != nullptr ? jobs[i].title : "");
    cupsFreeJobs(count, jobs);
    return count;
}

std::string CupsSpooler::DriverAttribute(const std::string& printer, const std::string& key) {
    return FromQueuePpd(printer, [&key](const PpdFile& ppd) { return ppd.Attribute(key); });
}

std::string CupsSpooler::DriverFolder(const std::string& printer) {
    return FromQueuePpd(printer, [](const PpdFile& ppd) { return ppd.DriverFolder(); });
}

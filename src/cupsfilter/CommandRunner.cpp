#include "CommandRunner.h"

#include "MarkerReport.h"
#include "comm/HeadMaintenance.h"
#include "comm/PrinterLink.h"
#include "comm/RawJob.h"
#include "comm/StatusReply.h"

CommandRunner::CommandRunner(Spooler& spooler, CommLibrary* library, Clock& clock,
                             std::string printerName, JobLog& log)
    : spooler_(spooler),
      library_(library),
      clock_(clock),
      printerName_(std::move(printerName)),
      log_(log) {}

int32_t CommandRunner::Run(MaintenanceCommand command) {
    switch (command) {
        case MaintenanceCommand::Clean:
            return Clean();
        case MaintenanceCommand::PrintSelfTestPage:
            return PrintSelfTestPage();
        case MaintenanceCommand::ReportLevels:
            return ReportLevels();
    }
    return -1;
}

int32_t CommandRunner::Clean() {
    PrinterLink link(library_, clock_);
    switch (CheckCleaningAllowed(link, printerName_)) {
        case CleaningVerdict::NoStatus:
            log_.Error("Head cleaning not sent: the printer's status cannot be read.");
            return -1;
        case CleaningVerdict::InkTooLow:
            log_.Error("Head cleaning refused: an ink is low (25 % or less). Replace it first.");
            return -1;
        case CleaningVerdict::LevelTooLow:
            log_.Error("Head cleaning refused: the printer reports a level of 12 or less.");
            return -1;
        case CleaningVerdict::Allowed:
            break;
    }
    if (SendRawJob(spooler_, printerName_, HeadCleaningJob().Bytes()) != 0) {
        log_.Error("Head cleaning not sent: the job cannot be passed to the backend.");
        return -1;
    }
    log_.Info("Head cleaning sent to the printer.");
    return 0;
}

int32_t CommandRunner::PrintSelfTestPage() {
    if (SendRawJob(spooler_, printerName_, NozzleCheckJob().Bytes()) != 0) {
        log_.Error("Nozzle check not sent: the job cannot be passed to the backend.");
        return -1;
    }
    log_.Info("Nozzle check sent to the printer.");
    return 0;
}

int32_t CommandRunner::ReportLevels() {
    PrinterLink link(library_, clock_);
    StatusReply status;
    const int32_t channel = link.OpenChannel(printerName_);
    const int32_t read = channel >= 1 ? link.ReadStatus(channel, status) : -1;
    if (channel >= 1) link.CloseChannel(channel);
    if (read < 1 || status.IsEmpty()) {
        log_.Error("Ink levels not read: the printer's status cannot be read.");
        return -1;
    }
    const std::string markers = MarkerAttributes(status.InkEntries());
    if (markers.empty()) {
        log_.Warning("The printer reports no inks.");
        return 0;
    }
    log_.Attributes(markers);
    log_.Info("Ink levels read from the printer.");
    return 0;
}

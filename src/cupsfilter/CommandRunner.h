#pragma once

#include <cstdint>
#include <string>

#include "CommandFile.h"
#include "JobLog.h"

class Clock;
class CommLibrary;
class Spooler;

// Carries out the maintenance commands of one command job with the program's own jobs and checks:
// jobs go to the printer through the spooler (in a filter: on to the backend), what the printer
// reports and why a command failed go to the job log.
class CommandRunner {
  public:
    // library may be null (not loadable): commands that read the printer then fail.
    CommandRunner(Spooler& spooler, CommLibrary* library, Clock& clock, std::string printerName,
                  JobLog& log);

    // 0 when the command did what it asks, -1 when not (the reason is in the log).
    int32_t Run(MaintenanceCommand command);

  private:
    int32_t Clean();
    int32_t PrintSelfTestPage();
    int32_t ReportLevels();

    Spooler& spooler_;
    CommLibrary* library_;
    Clock& clock_;
    std::string printerName_;
    JobLog& log_;
};

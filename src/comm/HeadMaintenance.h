#pragma once

#include <string>

#include "comm/JobBuffer.h"

class PrinterLink;

// The two everyday head maintenance jobs and the status check that guards cleaning, shared by the
// cleaning page and the spooler's command filter so both send the same bytes and refuse alike.

// EnterRemote, CH, ExitRemote: 25 bytes, nothing printed.
JobBuffer HeadCleaningJob();
// EnterRemote, NC 0, VI, ExitRemote, JobEnd: 36 bytes, one printed sheet.
JobBuffer NozzleCheckJob();

enum class CleaningVerdict { Allowed, NoStatus, InkTooLow, LevelTooLow };

// Reads the status block on a channel of its own. No channel or a failed read gives NoStatus; a
// read that brings no block allows cleaning. Low ink is reported before a low level.
CleaningVerdict CheckCleaningAllowed(PrinterLink& link, const std::string& printerName);

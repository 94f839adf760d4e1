#pragma once

#include <cstdint>
#include <string>

class Clock;
class Spooler;
class WaitProgress;

// Waits until a job titled `jobName` is among the queue's unfinished jobs, so that what is sent
// next queues behind it. Gives up when the queue has stayed empty for 60 s (the job has printed
// already) and, whatever the queue holds, after 120 s in all; at once when the queue cannot be
// read. Looks every half second, keeping `progress` (and with it the window) alive; a progress
// that stops running ends the wait too. 1 when the job was seen, else 0.
int32_t WaitForSpooledJob(Spooler& spooler, Clock& clock, WaitProgress& progress,
                          const std::string& printerName, const std::string& jobName);

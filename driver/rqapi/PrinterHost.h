#pragma once

#include <string>

namespace rqapi {

// The host of a queue's printer, from the host part of its device-uri (socket://HOST:PORT): the
// one CUPS gives a filter or backend of the queue, else asked of the CUPS server the process uses
// (CUPS_SERVER selects another one). Empty when the queue is unknown or its URI names no host.
std::string PrinterHost(const char* queueName);

}  // namespace rqapi

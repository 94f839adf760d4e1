#pragma once

#include <cstdint>

class Page;
class ServiceApp;

// The thickness pattern button of the custom paper pages: once the printer is ready the pattern
// is sent, the printer is given its time to take it in, and `sentText` tells the user; a printer
// that is not ready gets text 901, a job that could not be written no message.
void PrintThicknessPatternFrom(ServiceApp& app, Page& page, int32_t sentText);

#pragma once

#include <string>

// Reading a PPD file, the driver's data file of a queue.

// The value of a main keyword ("*RQAPII: "librqapi.so"" gives librqapi.so); empty when the file
// cannot be read or lacks the keyword.
std::string PpdFileAttribute(const std::string& ppdPath, const std::string& key);
// The folder the model's libraries are installed in, ending in '/'; empty when the PPD names none.
std::string PpdDriverFolder(const std::string& ppdPath);

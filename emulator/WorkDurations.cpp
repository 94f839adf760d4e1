#include "WorkDurations.h"

#include <cstdlib>

bool WorkDurations::Apply(const std::string& setting) {
    const auto equals = setting.find('=');
    if (equals == std::string::npos) return false;
    const std::string name = setting.substr(0, equals);
    const std::string value = setting.substr(equals + 1);
    char* end = nullptr;
    const double seconds = std::strtod(value.c_str(), &end);
    if (value.empty() || *end != '\0' || !(seconds >= 0) || seconds > 86400) return false;
    double* target = name == "nozzle-check" ? &nozzleCheck
                     : name == "cleaning"   ? &cleaning
                     : name == "alignment"  ? &alignment
                     : name == "pattern"    ? &pattern
                     : name == "page"       ? &page
                     : name == "restart"    ? &restart
                                            : nullptr;
    if (target == nullptr) return false;
    *target = seconds;
    return true;
}

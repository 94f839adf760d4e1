#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "status/JobRecord.h"

// The text of a text id in the user's language.
using TextLookup = std::function<std::string(int32_t id)>;

// The job information as the text viewer shows it: five lines a job, labelled with the texts of
// `text`, each job ending in "\r\n". No jobs give an empty text.
std::string RenderJobReport(std::span<const JobRecord> jobs, const TextLookup& text);

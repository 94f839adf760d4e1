#pragma once

// What a CUPS client sees of a queue and its jobs, asked of the server CUPS_SERVER names.

#include <string>
#include <vector>

// A job's state (IPP job-state: 6 stopped, 7 cancelled, 8 aborted, 9 completed) and the message
// its filters left.
struct JobOutcome {
    int state = 0;
    std::string message;
};

// `lp -h SERVER -d QUEUE OPTIONS... FILE`: the job id, or -1 with lp's words in `output`.
int SubmitWithLp(const std::string& server, const std::string& queue,
                 const std::vector<std::string>& options, const std::string& file,
                 std::string& output);
// Once the job has ended (stopped counts: a failed filter stops its job), or as it is when
// timeoutMs has passed.
JobOutcome WaitForJobEnd(int jobId, int timeoutMs = 20000);
// The queue's marker-levels; empty when it has none.
std::vector<int> MarkerLevels(const std::string& queue);

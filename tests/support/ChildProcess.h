#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

// A program started by a test fixture. It dies with the test process (also when the test process
// crashes), and the destructor stops it, so no fixture leaves a server running.
class ChildProcess {
  public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts argv[0] (a path, or a name found in PATH) with stdout and stderr appended to the
    // files; false when the program cannot be started.
    bool Start(const std::vector<std::string>& argv, const std::string& stdoutPath,
               const std::string& stderrPath);
    bool IsRunning();
    // SIGTERM, then SIGKILL after graceMs; returns the wait status (-1 when nothing ran).
    int Stop(int graceMs = 5000);

    // Runs a program to its end (killed after timeoutMs); its stdout and stderr go to output.
    // The exit status, or -1 when it could not run or was killed.
    static int Run(const std::vector<std::string>& argv, std::string& output,
                   int timeoutMs = 30000);

  private:
    pid_t pid_ = -1;
    int status_ = -1;
};

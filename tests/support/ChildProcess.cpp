#include "ChildProcess.h"
#include "FileText.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

// Runs in the forked child only: redirect, arrange to die with the parent, exec.
[[noreturn]] void ExecChild(const std::vector<std::string>& argv, const std::string& stdoutPath,
                            const std::string& stderrPath, pid_t parent) {
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent) _exit(127);
    setpgid(0, 0);
    const int in = open("/dev/null", O_RDONLY);
    const int out = open(stdoutPath.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    const int err = open(stderrPath.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (in < 0 || out < 0 || err < 0) _exit(127);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    std::vector<char*> args;
    for (const auto& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
}

}  // namespace

ChildProcess::~ChildProcess() {
    Stop();
}

bool ChildProcess::Start(const std::vector<std::string>& argv, const std::string& stdoutPath,
                         const std::string& stderrPath) {
    Stop();
    if (argv.empty()) return false;
    if (argv[0].find('/') != std::string::npos && access(argv[0].c_str(), X_OK) != 0) return false;
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid < 0) return false;
    if (pid == 0) ExecChild(argv, stdoutPath, stderrPath, parent);
    pid_ = pid;
    status_ = -1;
    return true;
}

bool ChildProcess::IsRunning() {
    if (pid_ < 0) return false;
    int status = 0;
    const pid_t done = waitpid(pid_, &status, WNOHANG);
    if (done == 0) return true;
    status_ = status;
    pid_ = -1;
    return false;
}

int ChildProcess::Stop(int graceMs) {
    if (!IsRunning()) return status_;
    kill(pid_, SIGTERM);
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(graceMs);
    while (IsRunning()) {
        if (std::chrono::steady_clock::now() >= end) {
            kill(pid_, SIGKILL);
            int status = 0;
            waitpid(pid_, &status, 0);
            status_ = status;
            pid_ = -1;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return status_;
}

int ChildProcess::Run(const std::vector<std::string>& argv, std::string& output, int timeoutMs) {
    char path[] = "/tmp/servato-run.XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0) return -1;
    close(fd);
    ChildProcess child;
    int result = -1;
    if (child.Start(argv, path, path)) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (child.IsRunning() && std::chrono::steady_clock::now() < end) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        const bool finished = !child.IsRunning();
        const int status = child.Stop(0);
        if (finished && WIFEXITED(status)) result = WEXITSTATUS(status);
    }
    output = ReadFileText(path);
    unlink(path);
    return result;
}

#include "EmulatorProcess.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>

namespace {
sockaddr_in Address(const std::string& host, int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    inet_pton(AF_INET, host.c_str(), &address.sin_addr);
    return address;
}

bool WaitReadable(int fd, int timeoutMs) {
    pollfd entry{fd, POLLIN, 0};
    return poll(&entry, 1, timeoutMs) == 1;
}

FileDescriptor Connect(const std::string& host, int port) {
    FileDescriptor fd(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    const sockaddr_in address = Address(host, port);
    if (connect(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        fd.Reset();
    return fd;
}
}  // namespace

EmulatorProcess::~EmulatorProcess() {
    Stop();
}

bool EmulatorProcess::Start(const std::string& address, const std::vector<std::string>& arguments,
                            std::string& error) {
    address_ = address;
    int output[2];
    if (pipe2(output, O_CLOEXEC) != 0) {
        error = "pipe failed";
        return false;
    }
    FileDescriptor readEnd(output[0]);
    FileDescriptor writeEnd(output[1]);
    std::vector<std::string> all = {SERVATO_BIN_DIR "/printer-emulator",
                                    "--listen",
                                    address,
                                    "--raw-port",
                                    "0",
                                    "--snmp-port",
                                    "0",
                                    "--control-port",
                                    "0"};
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : all) argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
        dup2(writeEnd.Get(), STDOUT_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    writeEnd.Reset();
    if (pid_ < 0) {
        error = "fork failed";
        return false;
    }
    std::string line;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (line.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        char chunk[256];
        if (left.count() <= 0 || !WaitReadable(readEnd.Get(), static_cast<int>(left.count()))) {
            error = "no ready line from " + all[0];
            return false;
        }
        const ssize_t count = read(readEnd.Get(), chunk, sizeof chunk);
        if (count <= 0) {
            error = "printer-emulator ended before it was ready";
            return false;
        }
        line.append(chunk, static_cast<std::size_t>(count));
    }
    readyLine_ = line.substr(0, line.find('\n'));
    const auto at = readyLine_.find(" raw ");
    if (at == std::string::npos ||
        std::sscanf(readyLine_.c_str() + at, " raw %d snmp %d control %d", &rawPort_, &snmpPort_,
                    &controlPort_) != 3) {
        error = "unexpected ready line: " + readyLine_;
        return false;
    }
    return true;
}

int EmulatorProcess::Stop() {
    if (pid_ <= 0) return -1;
    kill(pid_, SIGTERM);
    int status = 0;
    for (int waited = 0; waited < 500; ++waited) {
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid_, SIGKILL);
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return -1;
}

Bytes EmulatorProcess::Datagram(const Bytes& request, int timeoutMs) const {
    FileDescriptor fd(socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0));
    const sockaddr_in address = Address(address_, snmpPort_);
    sendto(fd.Get(), request.data(), request.size(), 0, reinterpret_cast<const sockaddr*>(&address),
           sizeof address);
    if (!WaitReadable(fd.Get(), timeoutMs)) return {};
    Bytes reply(65536);
    const ssize_t count = recv(fd.Get(), reply.data(), reply.size(), 0);
    reply.resize(count > 0 ? static_cast<std::size_t>(count) : 0);
    return reply;
}

std::vector<Bytes> EmulatorProcess::Control(const std::vector<Bytes>& commands,
                                            int timeoutMs) const {
    std::vector<Bytes> replies;
    FileDescriptor fd = ConnectControl();
    if (!fd.Valid()) return replies;
    for (const Bytes& command : commands) {
        send(fd.Get(), command.data(), command.size(), MSG_NOSIGNAL);
        Bytes reply(4096);
        ssize_t count = 0;
        if (WaitReadable(fd.Get(), timeoutMs))
            count = recv(fd.Get(), reply.data(), reply.size(), 0);
        reply.resize(count > 0 ? static_cast<std::size_t>(count) : 0);
        replies.push_back(reply);
    }
    return replies;
}

FileDescriptor EmulatorProcess::ConnectRaw() const {
    return Connect(address_, rawPort_);
}

FileDescriptor EmulatorProcess::ConnectControl() const {
    return Connect(address_, controlPort_);
}

bool EmulatorProcess::Job(const Bytes& job) const {
    FileDescriptor fd = ConnectRaw();
    if (!fd.Valid()) return false;
    std::size_t sent = 0;
    while (sent < job.size()) {
        const ssize_t count = send(fd.Get(), job.data() + sent, job.size() - sent, MSG_NOSIGNAL);
        if (count <= 0) return false;
        sent += static_cast<std::size_t>(count);
    }
    shutdown(fd.Get(), SHUT_WR);
    char byte = 0;
    return WaitReadable(fd.Get(), 5000) && recv(fd.Get(), &byte, 1, 0) == 0;
}

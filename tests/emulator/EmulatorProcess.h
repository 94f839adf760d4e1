#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "Bytes.h"
#include "FileDescriptor.h"

// A printer-emulator child process for tests: started with free ports on the given address,
// stopped with SIGTERM (killed if it does not stop) when the object goes away.
class EmulatorProcess {
  public:
    EmulatorProcess() = default;
    ~EmulatorProcess();
    EmulatorProcess(const EmulatorProcess&) = delete;
    EmulatorProcess& operator=(const EmulatorProcess&) = delete;

    // False (with the reason) when it did not print its ready line within five seconds.
    bool Start(const std::string& address, const std::vector<std::string>& arguments,
               std::string& error);
    // SIGTERM and wait; the exit status, or -1 when it had to be killed.
    int Stop();

    const std::string& ReadyLine() const { return readyLine_; }
    int RawPort() const { return rawPort_; }
    int SnmpPort() const { return snmpPort_; }
    int ControlPort() const { return controlPort_; }

    // One datagram to the SNMP port and its answer; empty after timeoutMs without one.
    Bytes Datagram(const Bytes& request, int timeoutMs = 2000) const;
    // Commands to the control port on one connection, one reply read after each.
    std::vector<Bytes> Control(const std::vector<Bytes>& commands, int timeoutMs = 2000) const;
    // One raw job: connect, write, half-close, wait for the printer to close. False on failure.
    bool Job(const Bytes& job) const;
    // A connection to the raw port, for a job sent piece by piece.
    FileDescriptor ConnectRaw() const;
    // A connection to the control port; invalid when refused.
    FileDescriptor ConnectControl() const;

  private:
    pid_t pid_ = -1;
    std::string address_;
    std::string readyLine_;
    int rawPort_ = 0;
    int snmpPort_ = 0;
    int controlPort_ = 0;
};

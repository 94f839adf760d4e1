#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "comm/ReadyWaitView.h"

class Clock;
class CommLibrary;
class StatusReply;
class WaitProgress;

// The channel to one printer for the length of one user action: opens and closes channels, reads
// the status block, exchanges commands and replies. Every operation answers -1 without calling
// anything when there is no library.
class PrinterLink {
  public:
    // Commands as they are, replies as they come.
    static constexpr int32_t kPlainChannel = 0x10010003;
    // Commands wrapped in an SNMP GetRequest, replies found by their marker.
    static constexpr int32_t kWrappedChannel = 4;

    // library may be null; waits and time-outs are measured on clock.
    PrinterLink(CommLibrary* library, Clock& clock);

    // kPlainChannel or kWrappedChannel when the printer offers it fully, the plain one first; 0
    // when neither is usable, -1 when the list cannot be held, else the library's failing result.
    int32_t SelectChannelType(const std::string& printerName);
    // Channel handle (1 or more) or -1.
    int32_t OpenChannel(const std::string& printerName);
    void CloseChannel(int32_t channel);
    // The library's result (1 or more = success, the block taken over when it has one), or -1
    // when the block is refused.
    int32_t ReadStatus(int32_t channel, StatusReply& status);
    // Sends one command and receives its reply into `reply` (at most 512 bytes are used): bytes
    // received (1 or more) or the failing step's result; 0 when nothing came within the time-out.
    int32_t Exchange(int32_t channel, std::span<const uint8_t> command, std::span<uint8_t> reply,
                     int32_t timeoutMs);
    // Exchange on a channel of its own: -1 when no channel could be opened.
    int32_t Query(const std::string& printerName, std::span<const uint8_t> command,
                  std::span<uint8_t> reply, int32_t timeoutMs);
    // 1 ready, 0 not ready within two further 5-second waits or no channel, -1 no library. The view
    // says how the window is kept alive meanwhile.
    int32_t WaitUntilReady(const std::string& printerName, const ReadyWaitView& view);
    // The "DES:" field of the printer's device ID equals `expected` exactly.
    bool DeviceDescriptionMatches(const std::string& printerName, const std::string& expected);

    int32_t channelType() const { return channelType_; }

  private:
    bool HasChannelType() const;
    bool ChooseChannelType(const std::string& printerName);
    int32_t SendWrapped(int32_t channel, std::span<const uint8_t> command);
    int32_t ReceivePlain(int32_t channel, std::span<uint8_t> reply, int32_t timeoutMs);
    int32_t ReceiveWrapped(int32_t channel, std::span<uint8_t> reply, int32_t timeoutMs);
    // After a receive that gave nothing usable: false when the time-out has run out, else a short
    // pause so a library that answers at once cannot spin.
    bool MayReceiveAgain(int64_t startMs, int32_t timeoutMs, int32_t& remainingMs);
    bool IsReadyNow(int32_t channel, StatusReply& status);
    // Keeps the progress window (when shown, else the window events when asked) alive while
    // waiting.
    void WaitBetweenAttempts(WaitProgress* progress, bool pumpEvents);

    Clock& clock_;
    CommLibrary* library_;
    int32_t channelType_ = -1;
};

// The library's C entry points. Each forwards to the one RqLibrary object; nothing here throws,
// blocks beyond its time-out or keeps state of its own.
#include "RqApi.h"

#include "RqLibrary.h"

#define RQAPI_EXPORT extern "C" __attribute__((visibility("default")))

using rqapi::RqLibrary;

RQAPI_EXPORT int32_t RQInitialize(void) {
    return RqLibrary::Instance().Initialize();
}

RQAPI_EXPORT int32_t RQRelease(void) {
    return RqLibrary::Instance().Release();
}

RQAPI_EXPORT int32_t RQGetDeviceID(int32_t, const char* printer, char* buffer, int32_t* size) {
    return RqLibrary::Instance().GetDeviceID(printer, buffer, size);
}

RQAPI_EXPORT int32_t RQGetAvailableChannel(int32_t, const char* printer, uint8_t* buffer,
                                           int32_t* size) {
    return RqLibrary::Instance().GetAvailableChannel(printer, buffer, size);
}

RQAPI_EXPORT int32_t RQOpenChannel(int32_t, const char* printer, int32_t channelType) {
    return RqLibrary::Instance().OpenChannel(printer, channelType);
}

RQAPI_EXPORT int32_t RQCloseChannel(int32_t channel) {
    return RqLibrary::Instance().CloseChannel(channel);
}

RQAPI_EXPORT int32_t RQSetOption(int32_t channel, int32_t option, void* value, int32_t size) {
    return RqLibrary::Instance().SetOption(channel, option, value, size);
}

RQAPI_EXPORT int32_t RQGetOption(int32_t channel, int32_t option, void* value, int32_t* size) {
    return RqLibrary::Instance().GetOption(channel, option, value, size);
}

RQAPI_EXPORT int32_t RQReceiveCancel(int32_t channel) {
    return RqLibrary::Instance().ReceiveCancel(channel);
}

RQAPI_EXPORT int32_t RQGetStatus(int32_t channel, uint8_t* buffer, int32_t* size) {
    return RqLibrary::Instance().GetStatus(channel, buffer, size);
}

RQAPI_EXPORT int32_t RQSend(int32_t channel, const uint8_t* data, int32_t length) {
    return RqLibrary::Instance().Send(channel, data, length);
}

RQAPI_EXPORT int32_t RQReceive(int32_t channel, uint8_t* buffer, int32_t* size, int32_t timeoutMs) {
    return RqLibrary::Instance().Receive(channel, buffer, size, timeoutMs);
}

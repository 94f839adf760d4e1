#pragma once

// The entry points of librqapi.so, as the program binds them by name. Results: 0 or a count of
// 1 or more on success, a negative code of ResultCode.h on failure.
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

int32_t RQInitialize(void);
int32_t RQRelease(void);
int32_t RQGetDeviceID(int32_t port, const char* printer, char* buffer, int32_t* size);
int32_t RQGetAvailableChannel(int32_t port, const char* printer, uint8_t* buffer, int32_t* size);
int32_t RQOpenChannel(int32_t port, const char* printer, int32_t channelType);
int32_t RQCloseChannel(int32_t channel);
int32_t RQSetOption(int32_t channel, int32_t option, void* value, int32_t size);
int32_t RQGetOption(int32_t channel, int32_t option, void* value, int32_t* size);
int32_t RQReceiveCancel(int32_t channel);
int32_t RQGetStatus(int32_t channel, uint8_t* buffer, int32_t* size);
int32_t RQSend(int32_t channel, const uint8_t* data, int32_t length);
int32_t RQReceive(int32_t channel, uint8_t* buffer, int32_t* size, int32_t timeoutMs);

#ifdef __cplusplus
}
#endif

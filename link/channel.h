/*
 * channel.h -- the one command/query channel to the instrument, through
 * TELVOR. It honours the host's "_offline" switch on every call.
 */
#ifndef TORVEX_CHANNEL_H
#define TORVEX_CHANNEL_H

#include <windows.h>
#include <stdint.h>

#include "../plugin/host_services.h"

enum { InstrumentQueryMode = 0x4900, InstrumentWriteMode = 0x4A00 };

/* Size of every reply buffer, NUL included. */
#define REPLY_SIZE 256

/* The library-wide reply buffer for replies that are read at once or not kept. */
extern char ReplyBuffer[REPLY_SIZE];

/* Message 4: reads "_offline"; opens the TVLD device unless it is exactly 1.0. */
uint16_t OpenInstrumentConnection(PluginHandle handle);

/* Writes or queries `command`. `reply` must hold REPLY_SIZE characters in every
   mode: failures write the empty text there. Low 16 bits of the result: status. */
uint32_t InstrumentChannel(HWND window, uint32_t mode, const char *command, char *reply);

static inline uint32_t InstrumentQuery(HWND window, const char *command, char *reply)
{
    return InstrumentChannel(window, InstrumentQueryMode, command, reply);
}
static inline uint32_t InstrumentWrite(HWND window, const char *command, char *reply)
{
    return InstrumentChannel(window, InstrumentWriteMode, command, reply);
}

/* Forget the connection (library unload). */
void InstrumentChannelReset(void);

#endif

/*
 * channel.cpp -- the instrument connection and the one command/query
 * channel. The offline switch is read on every call; nothing is retried and
 * nothing is reported to the user: callers work from the reply text alone.
 */
#include <windows.h>
#include <string.h>

#include "channel.h"
#include "telvor.h"

char ReplyBuffer[REPLY_SIZE];

namespace {

const char kOfflineVariable[] = "_offline";
const char kDeviceName[] = "TVLD";
const uint16_t kDeviceMode = 11;

PluginHandle s_channelHandle;  /* set when an online connection was opened */
uint32_t s_connection;

} // namespace

uint16_t OpenInstrumentConnection(PluginHandle handle)
{
    double offline = 0.0;
    uint16_t status = HostGetVariable(handle, kOfflineVariable, &offline);
    if (status != 0)
        return status;
    if (offline == 1.0)
        return 0;
    s_channelHandle = handle;
    return HostOpenDevice(handle, kDeviceName, kDeviceMode, &s_connection, 0);
}

void InstrumentChannelReset(void)
{
    s_channelHandle = NULL;
    s_connection = 0;
}

uint32_t InstrumentChannel(HWND window, uint32_t mode, const char *command, char *reply)
{
    double offline = 0.0;
    if (HostGetVariable(s_channelHandle, kOfflineVariable, &offline) != 0 || offline != 0.0) {
        reply[0] = '\0';
        return 1;
    }
    uint32_t length = static_cast<uint32_t>(strlen(command));
    if (mode == InstrumentWriteMode)
        return _tvl_Write(s_connection, 0, 0, 0, 0, command, length);
    if (mode != InstrumentQueryMode) {
        reply[0] = '\0';
        return 1;
    }

    char local[REPLY_SIZE];
    local[0] = '\0';
    uint32_t replyLength = 0;
    uint32_t result = _tvl_QueryString(s_connection, 0, 0, &replyLength, 0, command, length, local, REPLY_SIZE);
    if ((result & 0xFFFF) != 0) {
        reply[0] = '\0';
        return 1;
    }
    int16_t got = static_cast<int16_t>(replyLength & 0xFFFF);
    if (got <= 0)
        return 0;
    local[REPLY_SIZE - 1] = '\0'; /* whatever the library wrote, the text ends here */
    if (got <= REPLY_SIZE - 1 && local[got - 1] == '\n')
        local[got - 1] = '\0';
    memcpy(reply, local, strlen(local) + 1);
    return 0;
}

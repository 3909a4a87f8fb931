/*
 * host_services.cpp -- HostCall, the numbered host services, command
 * arguments, string-table helpers, host variables by string id and the
 * host-side formatting of message 0x500.
 */
#include <windows.h>
#include <stdarg.h>
#include <string.h>

#include "format_slots.h"
#include "host_services.h"
#include "plugin_instance.h"

HINSTANCE g_module;

namespace {

char s_stringBuffer[256];

/* Calls the host with the instance's context; 1 without a usable instance. */
uint32_t CallHost(PluginHandle handle, uint32_t code, HostWord a, HostWord b, BOOL *called)
{
    *called = FALSE;
    if (handle == NULL)
        return 1;
    PluginInstance *instance = static_cast<PluginInstance *>(LocalLock(handle));
    if (instance == NULL)
        return 1;
    HostCallback callback = reinterpret_cast<HostCallback>(instance->hostCallback);
    HostWord context = instance->hostContext;
    uint32_t result = 1;
    if (callback != NULL) {
        result = callback(context, code, a, b);
        *called = TRUE;
    }
    LocalUnlock(handle);
    return result;
}

HostWord Ptr(const void *p)
{
    return reinterpret_cast<HostWord>(p);
}

} // namespace

uint16_t HostCall(PluginHandle handle, uint32_t code, HostWord a, HostWord b)
{
    BOOL called;
    return static_cast<uint16_t>(CallHost(handle, code, a, b, &called) & 0xFFFF);
}

void *HostResolveHandle(PluginHandle handle, HostWord hostData)
{
    void *result = NULL;
    BOOL called;
    CallHost(handle, HOSTSVC_RESOLVE_HANDLE, hostData, Ptr(&result), &called);
    return called ? result : NULL;
}

uint16_t HostRegisterCommand(PluginHandle handle, CommandRecord *record, const uint8_t *argumentTypes)
{
    return HostCall(handle, HOSTSVC_REGISTER_COMMAND, Ptr(record), Ptr(argumentTypes));
}

uint16_t HostGetWindow(PluginHandle handle, HWND *windowOut)
{
    HostWord window = 0;
    uint16_t status = HostCall(handle, HOSTSVC_GET_WINDOW, HOST_WINDOW_SELECTOR, Ptr(&window));
    *windowOut = status == 0 ? reinterpret_cast<HWND>(window) : NULL;
    return status;
}

uint16_t HostGetVariable(PluginHandle handle, const char *name, double *valueOut)
{
    return HostCall(handle, HOSTSVC_GET_VARIABLE, Ptr(name), Ptr(valueOut));
}

uint16_t HostSetVariable(PluginHandle handle, const char *name, const double *value)
{
    return HostCall(handle, HOSTSVC_SET_VARIABLE, Ptr(name), Ptr(value));
}

void HostShowText(PluginHandle handle, const char *text)
{
    HostCall(handle, HOSTSVC_SHOW_TEXT, Ptr(text), 0);
}

uint16_t HostOpenDevice(PluginHandle handle, const char *deviceName, uint16_t mode, uint32_t *connectionOut,
                        uint32_t last)
{
    OpenDeviceRecord record;
    record.zero = 0;
    record.mode = mode;
    record.connection = Ptr(connectionOut);
    record.last = last;
    return HostCall(handle, HOSTSVC_OPEN_DEVICE, Ptr(&record), Ptr(deviceName));
}

void HostReportStatus(PluginHandle handle, uint16_t kind, const char *text)
{
    HostCall(handle, HOSTSVC_REPORT_STATUS, kind, Ptr(text));
}

void HostShowHelp(PluginHandle handle, HostWord a, uint16_t low, uint16_t high)
{
    HostCall(handle, HOSTSVC_SHOW_HELP, a, (static_cast<uint32_t>(high) << 16) | low);
}

void *CommandArgument(PluginHandle handle, HostWord argumentList, int16_t index)
{
    const HostWord *elements = static_cast<const HostWord *>(HostResolveHandle(handle, argumentList));
    if (elements == NULL)
        return NULL;
    HostWord element = elements[index - 1];
    if (element == 0)
        return NULL;
    return HostResolveHandle(handle, element);
}

const char *LoadResString(UINT id)
{
    if (LoadStringA(g_module, id, s_stringBuffer, sizeof s_stringBuffer) <= 0)
        s_stringBuffer[0] = '\0';
    return s_stringBuffer;
}

int ResMessageBox(HWND window, UINT textId, UINT captionId, UINT flags)
{
    char text[130];
    char caption[130];
    if (LoadStringA(g_module, textId, text, sizeof text) <= 0)
        return 0;
    if (captionId != 0 && LoadStringA(g_module, captionId, caption, sizeof caption) <= 0)
        return 0;
    return MessageBoxA(window, text, captionId != 0 ? caption : NULL, flags);
}

namespace {

const char kLoadStringFailed[] = "LoadString faild.";

/* Loads the variable name of string nameId; FALSE (and the host told) when missing. */
BOOL VariableName(PluginHandle handle, UINT nameId, char (&name)[132])
{
    if (LoadStringA(g_module, nameId, name, sizeof name) <= 0) {
        HostShowText(handle, kLoadStringFailed);
        return FALSE;
    }
    return TRUE;
}

} // namespace

uint16_t HostGetVariableById(PluginHandle handle, UINT nameId, double *valueOut)
{
    char name[132];
    if (!VariableName(handle, nameId, name))
        return 1;
    return HostGetVariable(handle, name, valueOut);
}

uint16_t HostSetVariableById(PluginHandle handle, UINT nameId, const double *value)
{
    char name[132];
    if (!VariableName(handle, nameId, name))
        return 1;
    return HostSetVariable(handle, name, value);
}

uint32_t HostFormat(PluginHandle handle, char *output, const char *format, ...)
{
    FormatRecord record;
    memset(&record, 0, sizeof record);
    record.output = Ptr(output);
    record.format = Ptr(format);
    record.result = 0;
    output[0] = '\0';

    FormatSlotKind kinds[HOST_FORMAT_SLOTS];
    size_t count = FormatSlotKinds(format, kinds, HOST_FORMAT_SLOTS);
    va_list args;
    va_start(args, format);
    for (size_t i = 0; i < count; ++i) {
        uint8_t *slot = record.slots[i];
        switch (kinds[i]) {
        case SlotDouble: {
            double value = va_arg(args, double);
            memcpy(slot, &value, sizeof value);
            break;
        }
        case SlotInt16: {
            uint16_t value = static_cast<uint16_t>(va_arg(args, int));
            memcpy(slot, &value, sizeof value);
            break;
        }
        case SlotInt32: {
            uint32_t value = va_arg(args, uint32_t);
            memcpy(slot, &value, sizeof value);
            break;
        }
        case SlotPointer: { /* a pointer-sized word: 32 bits in the product */
            HostWord value = va_arg(args, HostWord);
            memcpy(slot, &value, sizeof value);
            break;
        }
        case SlotEmpty:
            break;
        }
    }
    va_end(args);

    HWND window;
    if (HostGetWindow(handle, &window) != 0)
        return 0;
    SendMessageA(window, HOST_FORMAT_MESSAGE, 0, reinterpret_cast<LPARAM>(&record));
    return record.result;
}

/*
 * entry.cpp -- library load and unload, the OOCPSRV message dispatch with
 * command registration, and the version items of GVI.
 */
#include <windows.h>
#include <string.h>

#include "commands.h"
#include "version.h"
#include "host_services.h"
#include "link/channel.h"

/* KTCUSTOM.dll, imported by ordinal: 102 initialises the DLGINFO control class. */
extern "C" __declspec(dllimport) BOOL WINAPI KtCustomInit(void);

extern "C" uint16_t WINAPI OOCPSRV(HostWord handle, uint16_t message, void *record, HostWord extra);
extern "C" uint32_t WINAPI GVI(uint16_t item, char *buffer, int32_t size);

const CommandEntry kCommandTable[15] = {
    {"MaintLens", MaintLensProc, 0, {0}},
    {"MaintVacuum", MaintVacuumProc, 0, {0}},
    {"MaintRF", MaintRFProc, 0, {0}},
    {"MaintQP", MaintQPProc, 0, {0}},
    {"MaintDetector", MaintDetectorProc, 0, {0}},
    {"MaintOctPole", MaintOctPoleProc, 0, {0}},
    {"MaintWater", MaintWaterProc, 0, {0}},
    {"MaintGas", MaintGasProc, 0, {0}},
    {"MaintSC", MaintSCProc, 0, {0}},
    {"MaintPeriPump", MaintPeriPumpProc, 0, {0}},
    {"MaintXYZ", MaintXYZProc, 0, {0}},
    {"MaintHousing", MaintHousingProc, 0, {0}},
    {"ReadRom", ReadRomProc, 3, {HOSTARG_TEXT, HOSTARG_NUMBER, HOSTARG_TEXT}},
    {"WriteRom", WriteRomProc, 1, {HOSTARG_TEXT}},
    {"CalLens", CalLensProc, 0, {0}},
};

namespace {

BOOL s_initialised;

const char kVersionText[] = TORVEX_VERSION_TEXT;
const char kDescription[] = TORVEX_LIBRARY_NAME;
const char kNotice[] = TORVEX_NOTICE;

HostWord Ptr(const void *p)
{
    return reinterpret_cast<HostWord>(p);
}

uint16_t CreateInstance(CreateRecord *record)
{
    /* Make room first: the list grows by five when full. */
    PluginHandle handle = PluginInstanceCreate(record->context, record->callback);
    if (handle == NULL)
        return 1;
    if (InstanceListAdd(handle) != 0) {
        LocalFree(handle);
        return 1;
    }
    record->entry = Ptr(reinterpret_cast<const void *>(&OOCPSRV));
    record->handle = Ptr(handle);
    return 0;
}

uint16_t RegisterCommands(PluginHandle handle)
{
    for (const CommandEntry &entry : kCommandTable) {
        CommandRecord record;
        record.handle = Ptr(handle);
        record.name = Ptr(entry.name);
        record.procedure = Ptr(reinterpret_cast<const void *>(entry.procedure));
        record.reserved1 = 0;
        record.reserved2 = 0;
        record.argumentCount = entry.argumentCount;
        uint8_t types[sizeof entry.argumentTypes];
        memcpy(types, entry.argumentTypes, sizeof types);
        uint16_t status = HostRegisterCommand(handle, &record, types);
        if (status != 0)
            return status;
    }
    return 0;
}

uint32_t CopyText(const char *text, char *buffer, int32_t size, uint16_t item)
{
    if (size == 0)
        return item;
    int32_t length = static_cast<int32_t>(strlen(text));
    int32_t n = size > length ? length : size - 1;
    if (n < 0)
        return 0;
    memcpy(buffer, text, static_cast<size_t>(n));
    buffer[n] = '\0';
    return static_cast<uint32_t>(n);
}

} // namespace

extern "C" uint16_t WINAPI OOCPSRV(HostWord handle, uint16_t message, void *record, HostWord extra)
{
    PluginHandle plugin = reinterpret_cast<PluginHandle>(handle);
    uint16_t status;
    switch (message) {
    case CPMSG_CREATE:
        status = record != NULL ? CreateInstance(static_cast<CreateRecord *>(record)) : 1;
        break;
    case CPMSG_REGISTER:
        status = RegisterCommands(plugin);
        break;
    case CPMSG_INIT:
        status = OpenInstrumentConnection(plugin);
        break;
    case CPMSG_END: {
        HWND window;
        status = HostGetWindow(plugin, &window) == 0 ? 0 : 1;
        break;
    }
    case CPMSG_RELEASE:
    case CPMSG_ACCEPT:
        status = 0;
        break;
    default:
        status = 1;
        break;
    }
    if (message == CPMSG_RELEASE)
        InstanceListRemove(plugin);
    return status;
}

extern "C" uint32_t WINAPI GVI(uint16_t item, char *buffer, int32_t size)
{
    switch (item) {
    case 1:
        return (uint32_t{TORVEX_VERSION_MAJOR} << 16) | TORVEX_VERSION_MINOR;
    case 2:
        return CopyText(kVersionText, buffer, size, item);
    case 3:
        return TORVEX_VERSION_DATE;
    case 4:
        return CopyText(kDescription, buffer, size, item);
    case 5:
        return CopyText(kNotice, buffer, size, item);
    default:
        return 0;
    }
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        if (!s_initialised) {
            g_module = instance;
            InstanceListCreate();
            s_initialised = TRUE;
        }
        KtCustomInit();
        return TRUE;
    case DLL_PROCESS_DETACH:
        if (s_initialised) {
            InstanceListDestroy();
            InstrumentChannelReset();
            s_initialised = FALSE;
        }
        return TRUE;
    default:
        return TRUE;
    }
}

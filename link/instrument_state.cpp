/*
 * instrument_state.cpp -- the instrument's state and the installation's
 * switches. Nothing is cached: each call asks the host, the registry, the
 * option file or the instrument again.
 */
#include <windows.h>
#include <stdlib.h>
#include <string.h>

#include "channel.h"
#include "instrument_state.h"
#include "plugin/host_number.h"

namespace {

const char kFakeStatus[] = "fakestatus";
const char kStateQuery[] = "trns:stat?";
const char kInstallKey[] = "SOFTWARE\\Korvane Technologies\\ICP-MS Ionvista\\CurrentVersion";
const char kOptionFile[] = "\\icpexe\\icpgen.ist";
const char kOptionSection[] = "PCS,1";

} // namespace

int InstrumentState(PluginHandle handle, HWND dialog)
{
    double fake = 0.0;
    if (HostGetVariable(handle, kFakeStatus, &fake) == 0)
        return HostNumberToInt(fake);
    char reply[REPLY_SIZE];
    reply[0] = '\0';
    InstrumentQuery(GetParent(dialog), kStateQuery, reply);
    reply[1] = '\0'; /* only the first character counts */
    return atoi(reply);
}

BOOL HostFlagSet(PluginHandle handle, UINT nameId)
{
    double value = 0.0;
    if (HostGetVariableById(handle, nameId, &value) != 0)
        value = 0.0;
    return HostNumberToInt(value) == 1;
}

namespace {

/* <Path of the installation>\icpexe\icpgen.ist; just "\icpexe\icpgen.ist"
   when the registry has no installation path. */
void OptionFilePath(char (&path)[260 + sizeof kOptionFile])
{
    path[0] = '\0';
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kInstallKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
        DWORD size = 260;
        DWORD type = 0;
        if (RegQueryValueExA(key, "Path", NULL, &type, reinterpret_cast<BYTE *>(path), &size) != ERROR_SUCCESS ||
            (type != REG_SZ && type != REG_EXPAND_SZ))
            path[0] = '\0';
        path[size < 260 ? size : 259] = '\0';
        RegCloseKey(key);
    }
    strcat(path, kOptionFile);
}

} // namespace

int OptionValue(PluginHandle handle, const char *optionName)
{
    char path[260 + sizeof kOptionFile];
    OptionFilePath(path);

    double value = 0.0;
    if (HostGetVariable(handle, optionName, &value) == 0)
        return HostNumberToInt(value) > 0 ? 1 : 0;
    return static_cast<int>(GetPrivateProfileIntA(kOptionSection, optionName, 0, path));
}

int OptionFileValue(const char *section, const char *optionName)
{
    char path[260 + sizeof kOptionFile];
    OptionFilePath(path);
    return static_cast<int>(GetPrivateProfileIntA(section, optionName, 0, path));
}

int HostVariableIsOne(PluginHandle handle, const char *name)
{
    double value = 0.0;
    if (HostGetVariable(handle, name, &value) != 0)
        return 0;
    return value >= 0.5 && value < 1.5 ? 1 : 0;
}

double HostVariableOrZero(PluginHandle handle, const char *name)
{
    double value = 0.0;
    if (HostGetVariable(handle, name, &value) != 0)
        return 0.0;
    return value;
}

// testplug.dll: TORVEX2's entry and registration interface, to test the host
// on its own. One panel (901: a DLGINFO control, a label in two group boxes, a
// check box that asks, an edit field that reports its text on losing the
// focus, a polling count, a sub-panel 902) and commands using the host
// services. With the host variable "leak" at 1 it leaves its panel's property
// and timer, a command's memory block and its instance block behind.
#include <windows.h>
#include <stdio.h>
#include <string.h>

#include "plugin/host_abi.h"

static HostCallback s_callback;
static HostWord s_context;
static int s_polls;
static HLOCAL s_instance;

static uint32_t host(uint32_t code, HostWord a, HostWord b)
{
    return s_callback ? s_callback(s_context, code, a, b) : 1;
}

static void showText(const char *text) { host(HOSTSVC_SHOW_TEXT, (HostWord)text, 0); }
static void setVariable(const char *name, double value)
{
    host(HOSTSVC_SET_VARIABLE, (HostWord)name, (HostWord)&value);
}

static bool variableIs(const char *name, double wanted)
{
    double value = 0;
    return host(HOSTSVC_GET_VARIABLE, (HostWord)name, (HostWord)&value) == 0 && value == wanted;
}

static HWND hostWindow()
{
    HWND window = nullptr;
    return host(HOSTSVC_GET_WINDOW, HOST_WINDOW_SELECTOR, (HostWord)&window) == 0 ? window : nullptr;
}

// Formats one value (`size` bytes in the first slot) through the host
// window; the length the host gives back.
static uint32_t format(char *out, const char *fmt, const void *value, size_t size)
{
    FormatRecord r = {};
    memcpy(r.slots[0], value, size);
    out[0] = '\0';
    r.output = (HostWord)out;
    r.format = (HostWord)fmt;
    SendMessageA(hostWindow(), HOST_FORMAT_MESSAGE, 0, (LPARAM)&r);
    return r.result;
}

static void *resolve(HostWord handle)
{
    void *p = nullptr;
    host(HOSTSVC_RESOLVE_HANDLE, handle, (HostWord)&p);
    return p;
}

// Sends a text to the simulated instrument through its entries, when it is
// loaded: a query when `reply` is given. The entries carry their
// standard-call decorations in the i386 build only.
#if UINTPTR_MAX == 0xFFFFFFFFu
#define TELVOR_ENTRY(name, bytes) "_" name "@" #bytes
#else
#define TELVOR_ENTRY(name, bytes) "_" name
#endif
typedef uint32_t(__stdcall *WriteFn)(uint32_t, uint32_t, uint32_t, uint32_t, uint32_t, const char *, uint32_t);
typedef uint32_t(__stdcall *QueryFn)(uint32_t, uint32_t, uint32_t, uint32_t *, uint32_t, const char *, uint32_t,
                                     char *, uint32_t);
static void instrument(const char *text, char *reply)
{
    HMODULE telvor = GetModuleHandleA("TELVOR.dll");
    FARPROC entry = !telvor ? nullptr
                    : reply ? GetProcAddress(telvor, TELVOR_ENTRY("tvl_QueryString", 36))
                            : GetProcAddress(telvor, TELVOR_ENTRY("tvl_Write", 28));
    uint32_t length = 0;
    if (entry && reply)
        ((QueryFn)(void *)entry)(1, 0, 0, &length, 0, text, (uint32_t)strlen(text), reply, 256);
    else if (entry)
        ((WriteFn)(void *)entry)(1, 0, 0, 0, 0, text, (uint32_t)strlen(text));
}

static INT_PTR CALLBACK subProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    bool cancel = message == WM_COMMAND && LOWORD(wParam) == IDCANCEL;
    if (cancel)
        EndDialog(dialog, 0);
    return cancel || message == WM_INITDIALOG;
}

static INT_PTR CALLBACK panelProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    char text[64], line[256];
    switch (message) {
    case WM_INITDIALOG:
        if (variableIs("gate", 1)) {
            MessageBoxA(dialog, "Panel cannot be run now.", "Maintenance", MB_OK | MB_ICONEXCLAMATION);
            EndDialog(dialog, 1);
            return TRUE;
        }
        SetTimer(dialog, 1, 2000, nullptr);
        SetPropA(dialog, "testPanel", (HANDLE)1);
        SetFocus(GetDlgItem(dialog, 8));
        return FALSE;
    case WM_TIMER: {
        int32_t polls = ++s_polls;
        format(text, "%d", &polls, 4);
        SetDlgItemTextA(dialog, 301, text);
        return TRUE;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case 201: {
            bool on = IsDlgButtonChecked(dialog, 201) == BST_CHECKED;
            if (on &&
                MessageBoxA(dialog, "Switch the \"pump\" on?", "Maintenance", MB_YESNO | MB_ICONQUESTION) != IDYES) {
                CheckDlgButton(dialog, 201, BST_UNCHECKED);
                on = false;
            }
            setVariable("pump", on ? 1 : 0);
            return TRUE;
        }
        case 401:
            if (HIWORD(wParam) == EN_KILLFOCUS) {
                GetDlgItemTextA(dialog, 401, text, sizeof text);
                snprintf(line, sizeof line, "commit %s", text);
                showText(line);
            }
            return TRUE;
        case 210:
            DialogBoxParamA(GetModuleHandleA("testplug.dll"), MAKEINTRESOURCEA(902), dialog, subProc, 0);
            return TRUE;
        case IDOK:
            SetFocus(GetDlgItem(dialog, IDOK));
            return TRUE;
        case 9:
            host(HOSTSVC_SHOW_HELP, 0, (901u << 16) | 1u);
            return TRUE;
        case 8:
        case IDCANCEL:
            SetFocus(GetDlgItem(dialog, 8));
            if (!variableIs("leak", 1)) {
                KillTimer(dialog, 1);
                RemovePropA(dialog, "testPanel");
            }
            EndDialog(dialog, 1);
            return TRUE;
        }
    }
    return FALSE;
}

static uint16_t __cdecl panelCommand(HostWord, HostWord)
{
    s_polls = 0;
    if (variableIs("leak", 1))
        LocalAlloc(LMEM_MOVEABLE, 16);
    HINSTANCE module = GetModuleHandleA("testplug.dll");
    setVariable("_BUTTON", (double)DialogBoxParamA(module, MAKEINTRESOURCEA(901), hostWindow(), panelProc, 0));
    return 0;
}

// Reports each of its three arguments (text, number, text).
static uint16_t __cdecl argsCommand(HostWord list, HostWord)
{
    HostWord *handles = (HostWord *)resolve(list);
    if (!handles)
        return 1;
    for (int i = 0; i < 3; ++i) {
        char line[300];
        void *p = handles[i] ? resolve(handles[i]) : nullptr;
        if (!p)
            snprintf(line, sizeof line, "arg%d absent", i + 1);
        else if (i == 1)
            snprintf(line, sizeof line, "arg%d %g", i + 1, *(double *)p);
        else
            snprintf(line, sizeof line, "arg%d %s", i + 1, (const char *)p);
        host(HOSTSVC_REPORT_STATUS, i == 1 ? 1 : 0, (HostWord)line);
    }
    return 0;
}

// Shows two texts the host formats: a percent sign (the count the host gives
// back after it) and one longer than the host writes (cut at 63 characters).
static uint16_t __cdecl formatCommand(HostWord, HostWord)
{
    char out[256], line[300];
    int32_t i = 42;
    snprintf(line, sizeof line, "[%s] %u", out, format(out, "%d%% done", &i, 4));
    showText(line);
    memset(out, 'x', sizeof out);
    double one = 1.0;
    format(out, "%070.1f", &one, 8);
    snprintf(line, sizeof line, "[%s] %u", out, (unsigned)strlen(out));
    showText(line);
    return 0;
}

// Reports the options OPT_X and OPT_Y from the installation's option file.
static uint16_t __cdecl optionCommand(HostWord, HostWord)
{
    char path[300] = "";
    DWORD size = 260;
    RegGetValueA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Korvane Technologies\\ICP-MS Ionvista\\CurrentVersion", "Path",
                 RRF_RT_REG_SZ, nullptr, path, &size);
    strcat(path, "\\icpexe\\icpgen.ist");
    char line[400];
    snprintf(line, sizeof line, "OPT_X=%u OPT_Y=%u", GetPrivateProfileIntA("PCS,1", "OPT_X", 0, path),
             GetPrivateProfileIntA("PCS,1", "OPT_Y", 0, path));
    host(HOSTSVC_REPORT_STATUS, 0, (HostWord)line);
    return 0;
}

static uint16_t __cdecl failCommand(HostWord, HostWord) { return 1; }

// Sends its text to the instrument: as a query when it holds a '?'.
static uint16_t __cdecl sendCommand(HostWord list, HostWord)
{
    HostWord *handles = (HostWord *)resolve(list);
    const char *text = handles && handles[0] ? (const char *)resolve(handles[0]) : nullptr;
    char reply[256];
    if (text)
        instrument(text, strchr(text, '?') ? reply : nullptr);
    return text ? 0 : 1;
}

static const struct {
    const char *name;
    CommandProcedure proc;
    uint16_t count;
    uint8_t types[3];
} s_commands[] = {
    {"TestPanel", panelCommand, 0, {0}},
    {"TestArgs", argsCommand, 3, {HOSTARG_TEXT, HOSTARG_NUMBER, HOSTARG_TEXT}},
    {"TestFormat", formatCommand, 0, {0}},
    {"TestOption", optionCommand, 0, {0}},
    {"TestFail", failCommand, 0, {0}},
    {"TestSend", sendCommand, 1, {HOSTARG_TEXT}},
};

extern "C" uint16_t __stdcall OOCPSRV(HostWord handle, uint16_t message, void *record, HostWord)
{
    switch (message) {
    case CPMSG_CREATE: {
        CreateRecord *c = (CreateRecord *)record;
        s_callback = (HostCallback)(uintptr_t)c->callback;
        s_context = c->context;
        c->entry = (HostWord)&OOCPSRV;
        c->handle = 0x77;
        s_instance = LocalAlloc(LMEM_MOVEABLE, 32);
        HMODULE kt = LoadLibraryA("KTCUSTOM.dll");
        FARPROC init = kt ? GetProcAddress(kt, MAKEINTRESOURCEA(102)) : nullptr;
        if (init)
            ((BOOL(WINAPI *)(void))(void *)init)();
        return 0;
    }
    case CPMSG_REGISTER:
        for (const auto &c : s_commands) {
            CommandRecord r = {};
            r.handle = handle;
            r.name = (HostWord)c.name;
            r.procedure = (HostWord)c.proc;
            r.argumentCount = c.count;
            if (uint16_t status = (uint16_t)host(HOSTSVC_REGISTER_COMMAND, (HostWord)&r, (HostWord)c.types))
                return status;
        }
        return 0;
    case CPMSG_INIT: {
        double offline = 0;
        return host(HOSTSVC_GET_VARIABLE, (HostWord) "_offline", (HostWord)&offline) == 0 ? 0 : 1;
    }
    case CPMSG_RELEASE:
        if (!variableIs("leak", 1))
            LocalFree(s_instance);
        s_instance = nullptr;
        s_callback = nullptr;
        return 0;
    case CPMSG_END:
        return 0;
    default:
        return 1;
    }
}

extern "C" uint32_t __stdcall GVI(uint16_t item, char *, int32_t) { return item == 1 ? 0x10000u : 0; }

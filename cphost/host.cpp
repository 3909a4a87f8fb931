/*
 * host.cpp -- loading the plug-in, the host session, the service callback,
 * the host window that formats text, and the entries of the plug-in that
 * the host watches (dialogs, message boxes, timers, window properties,
 * local memory).
 *
 * Watching: after LoadLibrary the host patches the plug-in module's import
 * address table for DialogBoxParamA, MessageBoxA, SetTimer, KillTimer,
 * SetPropA, RemovePropA, LocalAlloc, LocalReAlloc and LocalFree.
 * DialogBoxParamA runs the dialog with a wrapping dialog procedure, so the
 * host writes "dialog NNN" at WM_INITDIALOG (before anything the dialog
 * sends) and "end NNN R" with the value DialogBoxParamA returns, which is
 * the EndDialog result. MessageBoxA is passed on and its answer written as a
 * "box" line. With automation, SetTimer/KillTimer of the plug-in's dialogs
 * are held back (recorded, not started) so polls happen only at `tick`.
 * Properties, timers and local memory blocks are only counted: what the
 * plug-in has not cleaned up when a dialog goes or the session ends is a
 * leftover (a dialog's are also written as "# left" lines).
 */
#include "cphost/host_impl.h"

#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "cphost/format.h"
#include "plugin/host_abi.h"

namespace cphost {

namespace {

/* The run in progress on this thread (hooks and timer procedures have no
   context of their own). */
Host::Impl *g_run = nullptr;

double microsecondsNow()
{
    static LARGE_INTEGER frequency;
    if (!frequency.QuadPart)
        QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1e6 * (double)now.QuadPart / (double)frequency.QuadPart;
}

/* Adds the time from construction to destruction to `share` (nothing when
   it is null), and the simulator's, the window system's and the
   installation reads' parts of it. */
class Measured {
public:
    Measured(Host::Impl *run, Host::TimeShare *share) : run_(run), share_(share)
    {
        if (share_) {
            instrument_ = run_->sim.busyMicroseconds ? run_->sim.busyMicroseconds() : 0;
            window_ = run_->windowCalls;
            installation_ = run_->installationReads;
            start_ = microsecondsNow();
        }
    }
    ~Measured()
    {
        if (!share_)
            return;
        share_->wall += microsecondsNow() - start_;
        if (run_->sim.busyMicroseconds)
            share_->instrument += run_->sim.busyMicroseconds() - instrument_;
        share_->window += run_->windowCalls.micros - window_.micros;
        share_->windowCalls += run_->windowCalls.calls - window_.calls;
        share_->installation += run_->installationReads.micros - installation_.micros;
        ++share_->calls;
    }
    Measured(const Measured &) = delete;
    Measured &operator=(const Measured &) = delete;

private:
    Host::Impl *run_;
    Host::TimeShare *share_;
    double start_ = 0, instrument_ = 0;
    Host::Impl::Tally window_, installation_;
};

/* The share a message to a dialog procedure counts in. */
Host::TimeShare &shareOf(Host::Timing &timing, UINT message, WPARAM wParam)
{
    switch (message) {
    case WM_INITDIALOG: return timing.open;
    case WM_TIMER: return timing.tick;
    case WM_DESTROY: return timing.close;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            return timing.close;
        break;
    }
    return timing.other;
}

typedef INT_PTR(WINAPI *DialogBoxParamAFn)(HINSTANCE, LPCSTR, HWND, DLGPROC, LPARAM);
typedef int(WINAPI *MessageBoxAFn)(HWND, LPCSTR, LPCSTR, UINT);
typedef UINT_PTR(WINAPI *SetTimerFn)(HWND, UINT_PTR, UINT, TIMERPROC);
typedef BOOL(WINAPI *KillTimerFn)(HWND, UINT_PTR);
typedef BOOL(WINAPI *SetPropAFn)(HWND, LPCSTR, HANDLE);
typedef HANDLE(WINAPI *RemovePropAFn)(HWND, LPCSTR);
typedef HLOCAL(WINAPI *LocalAllocFn)(UINT, SIZE_T);
typedef HLOCAL(WINAPI *LocalReAllocFn)(HLOCAL, SIZE_T, UINT);
typedef HLOCAL(WINAPI *LocalFreeFn)(HLOCAL);

DialogBoxParamAFn realDialogBoxParamA;
MessageBoxAFn realMessageBoxA;
SetTimerFn realSetTimer;
KillTimerFn realKillTimer;
SetPropAFn realSetPropA;
RemovePropAFn realRemovePropA;
LocalAllocFn realLocalAlloc;
LocalReAllocFn realLocalReAlloc;
LocalFreeFn realLocalFree;

void resolveRealEntries()
{
    HMODULE user32 = GetModuleHandleA("user32.dll");
    HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
    realDialogBoxParamA = (DialogBoxParamAFn)(void *)GetProcAddress(user32, "DialogBoxParamA");
    realMessageBoxA = (MessageBoxAFn)(void *)GetProcAddress(user32, "MessageBoxA");
    realSetTimer = (SetTimerFn)(void *)GetProcAddress(user32, "SetTimer");
    realKillTimer = (KillTimerFn)(void *)GetProcAddress(user32, "KillTimer");
    realSetPropA = (SetPropAFn)(void *)GetProcAddress(user32, "SetPropA");
    realRemovePropA = (RemovePropAFn)(void *)GetProcAddress(user32, "RemovePropA");
    realLocalAlloc = (LocalAllocFn)(void *)GetProcAddress(kernel32, "LocalAlloc");
    realLocalReAlloc = (LocalReAllocFn)(void *)GetProcAddress(kernel32, "LocalReAlloc");
    realLocalFree = (LocalFreeFn)(void *)GetProcAddress(kernel32, "LocalFree");
}

std::string numberText(double value)
{
    char buffer[64];
    snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

const char *buttonName(int answer)
{
    switch (answer) {
    case IDOK: return "OK";
    case IDCANCEL: return "Cancel";
    case IDABORT: return "Abort";
    case IDRETRY: return "Retry";
    case IDIGNORE: return "Ignore";
    case IDYES: return "Yes";
    case IDNO: return "No";
    default: return nullptr;
    }
}

INT_PTR CALLBACK wrappedDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Host::Impl *run = g_run;
    if (!run)
        return FALSE;
    DialogFrame *frame = nullptr;
    for (auto it = run->frames.rbegin(); it != run->frames.rend(); ++it)
        if (it->window == window) {
            frame = &*it;
            break;
        }
    if (!frame)
        for (auto it = run->frames.rbegin(); it != run->frames.rend(); ++it)
            if (!it->window) {
                it->window = window;
                frame = &*it;
                break;
            }
    if (!frame || !frame->proc)
        return FALSE;
    if (message == WM_INITDIALOG) {
        int number = dialogInfoNumber(window);
        if (number)
            frame->templateNumber = number;
        run->emit("dialog " + std::to_string(frame->templateNumber) + " \"" + quoteField(windowText(window)) + "\"");
    }
    DLGPROC proc = frame->proc;  // the frame vector may grow while the procedure runs
    Measured measured(run, run->procDepth == 0 ? &shareOf(run->timing, message, wParam) : nullptr);
    ++run->procDepth;
    INT_PTR result = proc(window, message, wParam, lParam);
    --run->procDepth;
    return result;
}

INT_PTR WINAPI hookDialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC proc, LPARAM param)
{
    Host::Impl *run = g_run;
    if (!run)
        return realDialogBoxParamA(instance, templateName, owner, proc, param);
    DialogFrame frame;
    frame.proc = proc;
    frame.templateNumber = IS_INTRESOURCE(templateName) ? (int)(uintptr_t)templateName : 0;
    run->frames.push_back(frame);
    size_t depth = run->frames.size();
    INT_PTR result;
    {
        Measured measured(run, depth == 1 ? &run->timing.dialog : nullptr);
        result = realDialogBoxParamA(instance, templateName, owner, wrappedDialogProc, param);
    }
    int number = run->frames.size() >= depth ? run->frames[depth - 1].templateNumber : frame.templateNumber;
    HWND window = run->frames.size() >= depth ? run->frames[depth - 1].window : nullptr;
    run->frames.resize(depth - 1);
    if (window)
        run->forgetWindow(window, number);
    run->emit("end " + std::to_string(number) + " " + std::to_string((long long)result));
    return result;
}

int WINAPI hookMessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    int answer = realMessageBoxA(owner, text, caption, type);
    if (Host::Impl *run = g_run) {
        const char *name = buttonName(answer);
        run->emit("box \"" + quoteField(caption ? caption : "Error") + "\" \"" + quoteField(text ? text : "") +
                  "\" -> " + (name ? std::string(name) : std::to_string(answer)));
    }
    return answer;
}

bool sameThing(const WindowThing &t, HWND window, const std::string &name)
{
    return t.window == window && t.name == name;
}

void noteThing(std::vector<WindowThing> &things, HWND window, const std::string &name)
{
    for (const WindowThing &t : things)
        if (sameThing(t, window, name))
            return;
    things.push_back(WindowThing{window, name});
}

void dropThing(std::vector<WindowThing> &things, HWND window, const std::string &name)
{
    for (auto it = things.begin(); it != things.end(); ++it)
        if (sameThing(*it, window, name)) {
            things.erase(it);
            return;
        }
}

std::string timerName(UINT_PTR id) { return "timer " + std::to_string((unsigned long long)id); }
std::string propertyName(LPCSTR name)
{
    if (IS_INTRESOURCE(name))
        return "property #" + std::to_string((unsigned)(uintptr_t)name);
    return "property " + std::string(name, strnlen(name, 256));
}

UINT_PTR WINAPI hookSetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc)
{
    Host::Impl *run = g_run;
    if (run && window)
        noteThing(run->windowThings, window, timerName(id));
    if (run && run->automate && !run->realTime && window) {
        for (auto &t : run->heldTimers)
            if (t.first == window && t.second == id)
                return id;
        run->heldTimers.emplace_back(window, id);
        return id;
    }
    return realSetTimer(window, id, elapse, proc);
}

BOOL WINAPI hookKillTimer(HWND window, UINT_PTR id)
{
    if (Host::Impl *run = g_run)
        dropThing(run->windowThings, window, timerName(id));
    if (Host::Impl *run = g_run)
        for (auto it = run->heldTimers.begin(); it != run->heldTimers.end(); ++it)
            if (it->first == window && it->second == id) {
                run->heldTimers.erase(it);
                return TRUE;
            }
    return realKillTimer(window, id);
}

BOOL WINAPI hookSetPropA(HWND window, LPCSTR name, HANDLE value)
{
    BOOL ok = realSetPropA(window, name, value);
    if (ok && g_run && name)
        noteThing(g_run->windowThings, window, propertyName(name));
    return ok;
}

HANDLE WINAPI hookRemovePropA(HWND window, LPCSTR name)
{
    HANDLE value = realRemovePropA(window, name);
    if (g_run && name)
        dropThing(g_run->windowThings, window, propertyName(name));
    return value;
}

/* Only blocks allocated after the plug-in was loaded are counted (its
   library-wide list is made while it loads). */
HLOCAL WINAPI hookLocalAlloc(UINT flags, SIZE_T size)
{
    HLOCAL block = realLocalAlloc(flags, size);
    if (block && g_run)
        g_run->blocks.push_back(block);
    return block;
}

HLOCAL WINAPI hookLocalReAlloc(HLOCAL block, SIZE_T size, UINT flags)
{
    HLOCAL moved = realLocalReAlloc(block, size, flags);
    if (moved && moved != block && g_run)
        for (HLOCAL &b : g_run->blocks)
            if (b == block)
                b = moved;
    return moved;
}

HLOCAL WINAPI hookLocalFree(HLOCAL block)
{
    HLOCAL result = realLocalFree(block);
    if (!result && g_run) {
        auto &blocks = g_run->blocks;
        for (auto it = blocks.begin(); it != blocks.end(); ++it)
            if (*it == block) {
                blocks.erase(it);
                break;
            }
    }
    return result;
}

/* Replaces, in `module`'s import address table, every entry that points at
   `original` by `replacement`. */
void patchImport(HMODULE module, void *original, void *replacement)
{
    if (!original)
        return;
    BYTE *base = (BYTE *)module;
    IMAGE_DOS_HEADER *dos = (IMAGE_DOS_HEADER *)base;
    if (dos->e_magic != IMAGE_DOS_SIGNATURE)
        return;
    IMAGE_NT_HEADERS *nt = (IMAGE_NT_HEADERS *)(base + dos->e_lfanew);
    IMAGE_DATA_DIRECTORY dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!dir.VirtualAddress)
        return;
    for (IMAGE_IMPORT_DESCRIPTOR *d = (IMAGE_IMPORT_DESCRIPTOR *)(base + dir.VirtualAddress); d->Name; ++d) {
        for (IMAGE_THUNK_DATA *t = (IMAGE_THUNK_DATA *)(base + d->FirstThunk); t->u1.Function; ++t) {
            if ((void *)(uintptr_t)t->u1.Function != original)
                continue;
            DWORD protect;
            if (VirtualProtect(&t->u1.Function, sizeof t->u1.Function, PAGE_READWRITE, &protect)) {
                t->u1.Function = (uintptr_t)replacement;
                VirtualProtect(&t->u1.Function, sizeof t->u1.Function, protect, &protect);
            }
        }
    }
}

/* Two kinds of the plug-in's calls are timed apart from its own work: the
   window system's, for its controls (with Wine each is a round trip to the
   server, about 30 us, and setting a static control's text repaints it at
   once), and the installation reads (the registry key and the option file
   it reads the installation's options from). The outermost call counts (a
   notification a call sends to the dialog counts with it). Properties set
   and removed are hooked for the leftover count above and are not timed;
   the host's formatting service (a message to the host window) is a host
   service and counts as the plug-in's. */
int g_timedCallDepth = 0;

template <typename Call>
auto timedCall(Host::Impl::Tally Host::Impl::*tally, Call call) -> decltype(call())
{
    Host::Impl *run = g_run;
    if (!run || g_timedCallDepth > 0)
        return call();
    ++g_timedCallDepth;
    double start = microsecondsNow();
    auto result = call();
    (run->*tally).micros += microsecondsNow() - start;
    ++(run->*tally).calls;
    --g_timedCallDepth;
    return result;
}

#define TIMED_CALL(tally, type, name, parameters, arguments)                                                      \
    type(WINAPI *real##name) parameters;                                                                          \
    type WINAPI hook##name parameters                                                                             \
    {                                                                                                             \
        return timedCall(&Host::Impl::tally, [&] { return real##name arguments; });                               \
    }
#define WINDOW_CALL(...) TIMED_CALL(windowCalls, __VA_ARGS__)
#define INSTALLATION_CALL(...) TIMED_CALL(installationReads, __VA_ARGS__)
WINDOW_CALL(HWND, GetDlgItem, (HWND dialog, int id), (dialog, id))
WINDOW_CALL(UINT, GetDlgItemTextA, (HWND dialog, int id, LPSTR text, int size), (dialog, id, text, size))
WINDOW_CALL(BOOL, SetDlgItemTextA, (HWND dialog, int id, LPCSTR text), (dialog, id, text))
WINDOW_CALL(UINT, GetDlgItemInt, (HWND dialog, int id, BOOL *ok, BOOL sign), (dialog, id, ok, sign))
WINDOW_CALL(BOOL, CheckDlgButton, (HWND dialog, int id, UINT check), (dialog, id, check))
WINDOW_CALL(UINT, IsDlgButtonChecked, (HWND dialog, int id), (dialog, id))
WINDOW_CALL(BOOL, EnableWindow, (HWND window, BOOL enable), (window, enable))
WINDOW_CALL(BOOL, IsWindowEnabled, (HWND window), (window))
WINDOW_CALL(BOOL, ShowWindow, (HWND window, int show), (window, show))
WINDOW_CALL(HANDLE, GetPropA, (HWND window, LPCSTR name), (window, name))
WINDOW_CALL(HWND, GetParent, (HWND window), (window))
WINDOW_CALL(HWND, GetFocus, (void), ())
WINDOW_CALL(HWND, SetFocus, (HWND window), (window))
WINDOW_CALL(int, GetClassNameA, (HWND window, LPSTR name, int size), (window, name, size))
WINDOW_CALL(LRESULT, SendDlgItemMessageA, (HWND dialog, int id, UINT message, WPARAM w, LPARAM l),
            (dialog, id, message, w, l))
INSTALLATION_CALL(LSTATUS, RegOpenKeyExA, (HKEY key, LPCSTR name, DWORD options, REGSAM access, PHKEY result),
                  (key, name, options, access, result))
INSTALLATION_CALL(LSTATUS, RegQueryValueExA, (HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data,
                                             LPDWORD size),
                  (key, name, reserved, type, data, size))
INSTALLATION_CALL(LSTATUS, RegCloseKey, (HKEY key), (key))
INSTALLATION_CALL(UINT, GetPrivateProfileIntA, (LPCSTR section, LPCSTR key, INT fallback, LPCSTR file),
                  (section, key, fallback, file))
#undef INSTALLATION_CALL
#undef WINDOW_CALL
#undef TIMED_CALL

void patchTimedCalls(HMODULE plugin)
{
    HMODULE user32 = GetModuleHandleA("user32.dll");
    HMODULE advapi32 = GetModuleHandleA("advapi32.dll");
    HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
#define HOOK_IN(module, name)                                                                                     \
    real##name = (decltype(real##name))(void *)GetProcAddress(module, #name);                                    \
    patchImport(plugin, (void *)real##name, (void *)hook##name);
#define HOOK(name) HOOK_IN(user32, name)
    HOOK_IN(advapi32, RegOpenKeyExA) HOOK_IN(advapi32, RegQueryValueExA) HOOK_IN(advapi32, RegCloseKey)
    HOOK_IN(kernel32, GetPrivateProfileIntA)
    HOOK(GetDlgItem) HOOK(GetDlgItemTextA) HOOK(SetDlgItemTextA) HOOK(GetDlgItemInt)
    HOOK(CheckDlgButton) HOOK(IsDlgButtonChecked) HOOK(EnableWindow) HOOK(IsWindowEnabled) HOOK(ShowWindow)
    HOOK(GetPropA) HOOK(GetParent) HOOK(GetFocus) HOOK(SetFocus) HOOK(GetClassNameA) HOOK(SendDlgItemMessageA)
#undef HOOK
#undef HOOK_IN
}

uint32_t TORVEX_STDCALL serviceCallback(HostWord context, uint32_t code, HostWord a, HostWord b)
{
    Host::Impl *impl = reinterpret_cast<Host::Impl *>((uintptr_t)context);
    return impl ? impl->service(code, a, b) : 1;
}

void __cdecl simulatorTrace(void *context, int kind, const char *text, int number)
{
    Host::Impl *impl = static_cast<Host::Impl *>(context);
    std::string t = text ? text : "";
    switch (kind) {
    case 1: impl->emit("> " + t); break;
    case 2: impl->emit("? " + t); break;
    case 3: impl->emit(t.empty() ? "<" : "< " + t); break;
    case 4: impl->emit("! " + std::to_string(number)); break;
    case 5: impl->emit("# unknown " + t); break;
    case 6: impl->emit("# fault " + t); break;
    default: impl->emit("# event " + std::to_string(kind) + " " + t); break;
    }
}

LRESULT CALLBACK hostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == HOST_FORMAT_MESSAGE) {
        FormatRecord *record = (FormatRecord *)lParam;
        if (!record || !record->output)
            return 0;
        size_t n = formatSlots((char *)(uintptr_t)record->output, kFormatOutputLimit,
                               (const char *)(uintptr_t)record->format, record->slots, HOST_FORMAT_SLOTS);
        record->result = (uint32_t)n;
        return (LRESULT)n;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND createHostWindow()
{
    static bool registered = false;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!registered) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = hostWindowProc;
        wc.hInstance = instance;
        wc.lpszClassName = "CphostWindow";
        registered = RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }
    return CreateWindowExA(0, "CphostWindow", "cphost", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 640, 480,
                           nullptr, nullptr, instance, nullptr);
}

std::string programFolder()
{
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    if (n == 0 || n >= sizeof path)
        return ".";
    std::string s(path, n);
    size_t slash = s.find_last_of("\\/");
    return slash == std::string::npos ? "." : s.substr(0, slash);
}

std::string fullPath(const std::string &path)
{
    char buffer[MAX_PATH];
    DWORD n = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
    return (n == 0 || n >= sizeof buffer) ? path : std::string(buffer, n);
}

void CALLBACK driverTimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_run)
        g_run->step();
}

}  // namespace

// ---------------------------------------------------------------------------

std::string windowText(HWND window)
{
    char buffer[1024];
    int n = GetWindowTextA(window, buffer, sizeof buffer);
    return std::string(buffer, n > 0 ? (size_t)n : 0);
}

std::string className(HWND window)
{
    char buffer[256];
    int n = GetClassNameA(window, buffer, sizeof buffer);
    return std::string(buffer, n > 0 ? (size_t)n : 0);
}

int dialogInfoNumber(HWND dialog)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!equalsNoCase(className(child), "DLGINFO"))
            continue;
        std::string text = windowText(child);
        if (text.size() > 5 && equalsNoCase(text.substr(0, 5), "KTDLG"))
            return atoi(text.c_str() + 5);
    }
    return 0;
}

void Host::Impl::emit(const std::string &line)
{
    if (keepTranscript)
        lines.push_back(line);
    if (sink)
        sink(line);
}

double *Host::Impl::findVariable(const std::string &name)
{
    for (auto &v : variables)
        if (v.first == name)
            return &v.second;
    return nullptr;
}

HostWord Host::Impl::addData(const HostData &d)
{
    data.push_back(d);
    return kHandleBase + (HostWord)(data.size() - 1);
}

bool Host::Impl::fail(const std::string &message)
{
    if (!failed) {
        failed = true;
        error = message;
    }
    return false;
}

uint32_t Host::Impl::service(uint32_t code, HostWord a, HostWord b)
{
    switch (code) {
    case HOSTSVC_REGISTER_COMMAND: {
        const CommandRecord *record = (const CommandRecord *)(uintptr_t)a;
        if (!record || !record->name)
            return 1;
        CommandInfo info;
        info.name.assign((const char *)(uintptr_t)record->name, strnlen((const char *)(uintptr_t)record->name, 256));
        info.procedure = record->procedure;
        const uint8_t *types = (const uint8_t *)(uintptr_t)b;
        for (unsigned i = 0; i < record->argumentCount && i < 64; ++i)
            info.argumentTypes.push_back(types ? types[i] : (uint8_t)HOSTARG_TEXT);
        commands.push_back(info);
        return 0;
    }
    case HOSTSVC_GET_WINDOW:
        if (a != HOST_WINDOW_SELECTOR || !b || !hostWindow)
            return 1;
        *(HWND *)(uintptr_t)b = hostWindow;
        return 0;
    case HOSTSVC_RESOLVE_HANDLE: {
        void **out = (void **)(uintptr_t)b;
        if (!out)
            return 1;
        if (a < kHandleBase || a - kHandleBase >= data.size())
            return 1;
        HostData &d = data[a - kHandleBase];
        static HostWord emptyList[1] = {0};
        if (d.kind == HostData::Text)
            *out = (void *)d.text.c_str();
        else if (d.kind == HostData::Number)
            *out = &d.number;
        else
            *out = d.list.empty() ? (void *)emptyList : (void *)d.list.data();
        return 0;
    }
    case HOSTSVC_GET_VARIABLE: {
        if (!a || !b)
            return 1;
        double *v = findVariable(std::string((const char *)(uintptr_t)a, strnlen((const char *)(uintptr_t)a, 256)));
        if (!v)
            return 1;
        memcpy((void *)(uintptr_t)b, v, sizeof(double));
        return 0;
    }
    case HOSTSVC_SET_VARIABLE: {
        if (!a || !b)
            return 1;
        std::string name((const char *)(uintptr_t)a, strnlen((const char *)(uintptr_t)a, 256));
        double value;
        memcpy(&value, (const void *)(uintptr_t)b, sizeof value);
        if (double *v = findVariable(name))
            *v = value;
        else
            variables.emplace_back(name, value);
        emit("set " + name + " " + numberText(value));
        return 0;
    }
    case HOSTSVC_SHOW_TEXT:
        emit("text \"" + quoteField(a ? std::string((const char *)(uintptr_t)a, strnlen((const char *)(uintptr_t)a, 4096)) : "") + "\"");
        return 0;
    case HOSTSVC_OPEN_DEVICE: {
        const OpenDeviceRecord *record = (const OpenDeviceRecord *)(uintptr_t)a;
        if (!record || !record->connection)
            return 1;
        *(uint32_t *)(uintptr_t)record->connection = 1;
        return 0;
    }
    case HOSTSVC_REPORT_STATUS:
        emit("status " + std::to_string(a & 0xFFFF) + " \"" +
             quoteField(b ? std::string((const char *)(uintptr_t)b, strnlen((const char *)(uintptr_t)b, 4096)) : "") + "\"");
        return 0;
    case HOSTSVC_SHOW_HELP:
        emit("help " + std::to_string(b >> 16));
        return 0;
    default:
        return 1;
    }
}

std::string SimulatorEntries::why(const char *fallback) const
{
    const char *text = lastError ? lastError() : nullptr;
    return text && *text ? std::string(text) : std::string(fallback);
}

namespace {

/* The fixed reply that a scenario file gives `query` in its [replies]
   section (the last line for it wins), as the simulator reads the file. */
bool scenarioReply(const std::string &path, const std::string &query, std::string &reply)
{
    FILE *f = fopen(path.c_str(), "rb");
    if (!f)
        return false;
    std::string section;
    bool found = false;
    char buffer[1024];
    while (fgets(buffer, sizeof buffer, f)) {
        std::string line = trim(buffer);
        if (line.compare(0, 3, "\xEF\xBB\xBF") == 0)
            line = trim(line.substr(3));
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line[0] == '[') {
            section = trim(line.substr(1, line.size() > 1 ? line.size() - 2 : 0));
            continue;
        }
        size_t eq = line.find('=');
        if (eq == std::string::npos || !equalsNoCase(section, "replies") || !equalsNoCase(trim(line.substr(0, eq)), trim(query)))
            continue;
        reply = trim(line.substr(eq + 1));
        if (reply.size() >= 2 && reply.front() == '"' && reply.back() == '"')
            reply = reply.substr(1, reply.size() - 2);
        found = true;
    }
    fclose(f);
    return found;
}

}  // namespace

bool Host::Impl::installFor(std::string &why)
{
    if (options.empty())
        return true;
    if (layOutInstallation(why))
        return true;
    restoreInstallation();
    return false;
}

void Host::Impl::forgetWindow(HWND window, int number)
{
    for (auto it = windowThings.begin(); it != windowThings.end();) {
        if (it->window != window) {
            ++it;
            continue;
        }
        // A window the host itself ended after a failed action had no
        // chance to clean up.
        if (!failed) {
            emit("# left " + it->name + " " + std::to_string(number));
            leftovers.push_back("dialog " + std::to_string(number) + ": " + it->undone());
        }
        it = windowThings.erase(it);
    }
    for (auto it = heldTimers.begin(); it != heldTimers.end();)
        it = it->first == window ? heldTimers.erase(it) : it + 1;
}

void Host::Impl::restoreReply(const std::string &query)
{
    if (!open || !sim.setReply)
        return;
    for (auto it = replies.rbegin(); it != replies.rend(); ++it)
        if (equalsNoCase(trim(it->first), trim(query))) {
            sim.setReply(it->first.c_str(), it->second.c_str());
            return;
        }
    std::string reply;
    for (auto it = scenariosLoaded.rbegin(); it != scenariosLoaded.rend(); ++it)
        if (scenarioReply(*it, query, reply)) {
            sim.setReply(query.c_str(), reply.c_str());
            return;
        }
    sim.setReply(query.c_str(), nullptr);
}

int Host::Impl::execute(const std::string &command, const std::vector<std::string> &args, bool automated,
                        const std::string &actionText)
{
    if (running) {
        error = "a run is already in progress";
        return kHostFailure;
    }
    lines.clear();
    error.clear();
    actions.clear();
    timing = Host::Timing();
    if (g_run && g_run != this) {
        error = "another run or session is in progress on this thread";
        return kHostFailure;
    }
    if (automated && !parseActions(actionText, actions, error))
        return kUsageError;
    if (explicitSession)
        return this->command(command, args, automated);
    int status = openSession();
    if (status != 0)
        return status;
    status = this->command(command, args, automated);
    int closed = closeSession();
    return status != 0 ? status : closed;
}

int Host::Impl::openSession()
{
    leftovers.clear();
    windowThings.clear();
    blocks.clear();
    commands.clear();
    scenariosLoaded.clear();
    if (g_run && g_run != this) {
        error = "another run or session is in progress on this thread";
        return kHostFailure;
    }
    std::string why;
    if (!desktop.acquire(why)) {
        error = why;
        return kHostFailure;
    }
    int status = startSession();
    if (status != 0)
        desktop.release();
    return status;
}

int Host::Impl::startSession()
{
    if (!realDialogBoxParamA)
        resolveRealEntries();

    std::string pluginFile = fullPath(pluginPath.empty() ? programFolder() + "\\TORVEX2.dll" : pluginPath);
    size_t slash = pluginFile.find_last_of("\\/");
    std::string pluginFolder = slash == std::string::npos ? "." : pluginFile.substr(0, slash);
    std::string simFile = simulatorPath.empty() ? pluginFolder + "\\TELVOR.dll" : fullPath(simulatorPath);

    // The simulator stays loaded as long as the Host (the plug-in binds to
    // this module); it is reset when a session begins.
    if (!simulator)
        simulator = LoadLibraryExA(simFile.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    sim = SimulatorEntries();
    if (simulator) {
        sim.setTrace = (decltype(sim.setTrace))(void *)GetProcAddress(simulator, "tvsim_SetTrace");
        sim.reset = (decltype(sim.reset))(void *)GetProcAddress(simulator, "tvsim_Reset");
        sim.loadScenario = (decltype(sim.loadScenario))(void *)GetProcAddress(simulator, "tvsim_LoadScenario");
        sim.setReply = (decltype(sim.setReply))(void *)GetProcAddress(simulator, "tvsim_SetReply");
        sim.loadMemory = (decltype(sim.loadMemory))(void *)GetProcAddress(simulator, "tvsim_LoadMemory");
        sim.saveMemory = (decltype(sim.saveMemory))(void *)GetProcAddress(simulator, "tvsim_SaveMemory");
        sim.lastError = (decltype(sim.lastError))(void *)GetProcAddress(simulator, "tvsim_LastError");
        sim.busyMicroseconds =
            (decltype(sim.busyMicroseconds))(void *)GetProcAddress(simulator, "tvsim_BusyMicroseconds");
        if (sim.reset)
            sim.reset();
        if (!scenario.empty()) {
            if (!sim.loadScenario || sim.loadScenario(scenario.c_str()) != 0) {
                error = "scenario " + scenario + ": " + sim.why("cannot be loaded");
                return kHostFailure;
            }
            scenariosLoaded.push_back(scenario);
        }
        for (auto &r : replies)
            if (!sim.setReply || sim.setReply(r.first.c_str(), r.second.c_str()) != 0) {
                error = "reply " + r.first + ": " + sim.why("refused by the simulator");
                return kHostFailure;
            }
        if (!memoryLoad.empty() && (!sim.loadMemory || sim.loadMemory(memoryLoad.c_str()) != 0)) {
            error = "memory image " + memoryLoad + ": " + sim.why("cannot be read");
            return kHostFailure;
        }
    } else if (!scenario.empty() || !replies.empty() || !memoryLoad.empty() || !memorySave.empty()) {
        error = "simulator " + simFile + " cannot be loaded";
        return kHostFailure;
    }

    std::string why;
    if (!installFor(why)) {
        error = "installation: " + why;
        return kHostFailure;
    }

    g_run = this;
    hostWindow = createHostWindow();
    plugin = LoadLibraryExA(pluginFile.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    OocpsrvEntry entry = nullptr;
    if (plugin) {
        patchImport(plugin, (void *)realDialogBoxParamA, (void *)hookDialogBoxParamA);
        patchImport(plugin, (void *)realMessageBoxA, (void *)hookMessageBoxA);
        patchImport(plugin, (void *)realSetTimer, (void *)hookSetTimer);
        patchImport(plugin, (void *)realKillTimer, (void *)hookKillTimer);
        patchImport(plugin, (void *)realSetPropA, (void *)hookSetPropA);
        patchImport(plugin, (void *)realRemovePropA, (void *)hookRemovePropA);
        patchImport(plugin, (void *)realLocalAlloc, (void *)hookLocalAlloc);
        patchImport(plugin, (void *)realLocalReAlloc, (void *)hookLocalReAlloc);
        patchImport(plugin, (void *)realLocalFree, (void *)hookLocalFree);
        patchTimedCalls(plugin);
        const char *names[] = {"OOCPSRV", "_OOCPSRV@16", "OOCPSRV@16"};
        for (const char *n : names)
            if (!entry)
                entry = (OocpsrvEntry)(void *)GetProcAddress(plugin, n);
        if (!entry)
            entry = (OocpsrvEntry)(void *)GetProcAddress(plugin, MAKEINTRESOURCEA(3));
    }
    int status = 0;
    if (sim.setTrace)
        sim.setTrace(simulatorTrace, this);
    if (!hostWindow) {
        error = "the host window cannot be created";
        status = kHostFailure;
    } else if (!plugin) {
        error = "plug-in " + pluginFile + " cannot be loaded (error " + std::to_string(GetLastError()) + ")";
        status = kHostFailure;
    } else if (!entry) {
        error = "plug-in " + pluginFile + " has no OOCPSRV entry";
        status = kHostFailure;
    } else {
        CreateRecord create = {};
        create.callback = (HostWord)&serviceCallback;
        create.context = (HostWord)this;
        uint16_t created = entry(0, CPMSG_CREATE, &create, 0);
        if (created != 0) {
            error = "the plug-in refused message 2 (status " + std::to_string(created) + ")";
            status = kHostFailure;
        } else {
            instanceEntry = create.entry ? (OocpsrvEntry)(uintptr_t)create.entry : entry;
            instance = create.handle;
            open = true;
            // A refused registration keeps the commands registered before it;
            // a refused initialisation leaves the plug-in offline. Both go on,
            // as the host's own start-up does.
            instanceEntry(instance, CPMSG_REGISTER, nullptr, 0);
            instanceEntry(instance, CPMSG_INIT, nullptr, 0);
        }
    }
    restoreInstallation();
    if (status != 0)
        closeSession();
    return status;
}

int Host::Impl::closeSession()
{
    int status = 0;
    bool started = open;
    if (open) {
        std::string why;
        bool installed = installFor(why);
        instanceEntry(instance, CPMSG_END, nullptr, 0);
        instanceEntry(instance, CPMSG_RELEASE, nullptr, 0);
        if (installed)
            restoreInstallation();
        open = false;
        for (const WindowThing &t : windowThings)
            leftovers.push_back("window " + windowText(t.window) + ": " + t.undone());
        if (!blocks.empty())
            leftovers.push_back(std::to_string(blocks.size()) + " local memory block(s) still held after message 6");
    }
    if (sim.setTrace)
        sim.setTrace(nullptr, nullptr);
    if (started && !memorySave.empty()) {
        if (!sim.saveMemory || sim.saveMemory(memorySave.c_str()) != 0) {
            if (error.empty())
                error = "memory image " + memorySave + ": " + sim.why("cannot be written");
            status = kHostFailure;
        }
    }
    if (plugin)
        FreeLibrary(plugin);
    plugin = nullptr;
    if (hostWindow)
        DestroyWindow(hostWindow);
    hostWindow = nullptr;
    windowThings.clear();
    blocks.clear();
    heldTimers.clear();
    explicitSession = false;
    if (g_run == this)
        g_run = nullptr;
    desktop.release();
    return status;
}

int Host::Impl::command(const std::string &name, const std::vector<std::string> &args, bool automated)
{
    data.clear();
    heldTimers.clear();
    frames.clear();
    nextAction = 0;
    actionSince = idleSince = 0;
    waiting = failed = false;

    const CommandInfo *found = nullptr;
    for (const CommandInfo &c : commands)
        if (equalsNoCase(c.name, name))
            found = &c;
    if (!found) {
        std::string known;
        for (const CommandInfo &c : commands)
            known += (known.empty() ? "" : ", ") + c.name;
        error = "unknown command '" + name + "' (the plug-in registers: " + known + ")";
        return kUsageError;
    }
    if (args.size() > found->argumentTypes.size()) {
        error = name + " takes " + std::to_string(found->argumentTypes.size()) + " argument(s), " +
                std::to_string(args.size()) + " given";
        return kUsageError;
    }
    HostData list;
    list.kind = HostData::List;
    for (size_t i = 0; i < found->argumentTypes.size(); ++i) {
        if (i >= args.size()) {
            list.list.push_back(0);  // absent: the plug-in's own check answers
            continue;
        }
        HostData d;
        if (found->argumentTypes[i] == HOSTARG_NUMBER) {
            const char *text = args[i].c_str();
            char *end = nullptr;
            d.kind = HostData::Number;
            d.number = strtod(text, &end);
            while (end && *end == ' ')
                ++end;
            if (args[i].empty() || !end || *end || !isfinite(d.number)) {
                error = "argument " + std::to_string(i + 1) + " of " + found->name + " must be a number, not '" +
                        args[i] + "'";
                return kUsageError;
            }
        } else {
            d.kind = HostData::Text;
            d.text = args[i];
        }
        list.list.push_back(addData(d));
    }
    std::string why;
    if (!installFor(why)) {
        error = "installation: " + why;
        return kHostFailure;
    }
    HostWord listHandle = addData(list);
    CommandProcedure proc = (CommandProcedure)(uintptr_t)found->procedure;
    std::string commandName = found->name;  // `commands` is not touched while it runs, but be safe
    size_t blocksBefore = blocks.size();
    running = true;
    automate = automated;
    if (automated)
        driverTimer = realSetTimer(nullptr, 0, 10, driverTimerProc);
    int status;
    {
        Measured measured(this, &timing.command);
        status = proc(listHandle, instance);
    }
    if (automated) {
        afterCommand();
        realKillTimer(nullptr, driverTimer);
        driverTimer = 0;
        if (failed)
            status = kActionFailed;
    }
    automate = false;
    running = false;
    heldTimers.clear();
    restoreInstallation();
    if (blocks.size() > blocksBefore)
        leftovers.push_back(commandName + ": " + std::to_string(blocks.size() - blocksBefore) +
                            " local memory block(s) allocated and not freed");
    return status;
}

// ---------------------------------------------------------------------------

Host::Host() : impl_(new Impl)
{
    // The host's own switch: present and 0 unless the run is offline.
    impl_->variables.emplace_back("_offline", 0.0);
}

Host::~Host()
{
    if (impl_->explicitSession)
        impl_->closeSession();
    if (impl_->simulator)
        FreeLibrary(impl_->simulator);
}

void Host::setPluginPath(const std::string &path) { impl_->pluginPath = path; }
void Host::setSimulatorPath(const std::string &path) { impl_->simulatorPath = path; }

void Host::setVariable(const std::string &name, double value)
{
    if (double *v = impl_->findVariable(name))
        *v = value;
    else
        impl_->variables.emplace_back(name, value);
}

void Host::removeVariable(const std::string &name)
{
    auto &v = impl_->variables;
    for (auto it = v.begin(); it != v.end(); ++it)
        if (it->first == name) {
            v.erase(it);
            return;
        }
}

bool Host::variable(const std::string &name, double *value) const
{
    double *v = impl_->findVariable(name);
    if (v && value)
        *value = *v;
    return v != nullptr;
}

void Host::setOption(const std::string &name, long value)
{
    for (auto &o : impl_->options)
        if (o.first == name) {
            o.second = value;
            return;
        }
    impl_->options.emplace_back(name, value);
}

void Host::clearOptions() { impl_->options.clear(); }

void Host::setScenario(const std::string &path) { impl_->scenario = path; }

void Host::addReply(const std::string &query, const std::string &replies)
{
    impl_->replies.emplace_back(query, replies);
    if (impl_->open && impl_->sim.setReply)
        impl_->sim.setReply(query.c_str(), replies.c_str());
}

void Host::clearReplies()
{
    std::vector<std::pair<std::string, std::string>> before;
    before.swap(impl_->replies);
    for (auto &r : before)
        impl_->restoreReply(r.first);
}

void Host::removeReply(const std::string &query)
{
    auto &r = impl_->replies;
    for (size_t i = r.size(); i-- > 0;)
        if (r[i].first == query) {
            r.erase(r.begin() + (ptrdiff_t)i);
            impl_->restoreReply(query);
            return;
        }
}

void Host::setMemoryImage(const std::string &loadPath, const std::string &savePath)
{
    impl_->memoryLoad = loadPath;
    impl_->memorySave = savePath;
}

void Host::setRealTime(bool realTime) { impl_->realTime = realTime; }
void Host::setActionTimeout(int milliseconds) { impl_->actionTimeout = milliseconds < 0 ? 0 : milliseconds; }
void Host::setKeepTranscript(bool keep) { impl_->keepTranscript = keep; }

void Host::setTraceSink(std::function<void(const std::string &)> sink) { impl_->sink = std::move(sink); }

int Host::run(const std::string &command, const std::vector<std::string> &args, const std::string &actions)
{
    return impl_->execute(command, args, true, actions);
}

int Host::runInteractive(const std::string &command, const std::vector<std::string> &args)
{
    return impl_->execute(command, args, false, std::string());
}

int Host::beginSession()
{
    if (impl_->explicitSession)
        return 0;
    if (impl_->running) {
        impl_->error = "a run is in progress";
        return kHostFailure;
    }
    impl_->lines.clear();
    impl_->error.clear();
    int status = impl_->openSession();
    impl_->explicitSession = status == 0;
    return status;
}

int Host::endSession()
{
    if (!impl_->explicitSession || impl_->running)
        return 0;
    impl_->error.clear();
    return impl_->closeSession();
}

bool Host::inSession() const { return impl_->explicitSession; }

int Host::applyScenario(const std::string &path)
{
    Impl &i = *impl_;
    i.error.clear();
    if (!i.explicitSession) {
        i.error = "no session is open";
        return kHostFailure;
    }
    if (!i.sim.loadScenario || i.sim.loadScenario(path.c_str()) != 0) {
        i.error = "scenario " + path + ": " + i.sim.why("cannot be loaded");
        return kHostFailure;
    }
    i.scenariosLoaded.push_back(path);
    return 0;
}

const std::vector<std::string> &Host::leftovers() const { return impl_->leftovers; }
const std::vector<std::string> &Host::transcript() const { return impl_->lines; }
const Host::Timing &Host::timing() const { return impl_->timing; }
const std::string &Host::error() const { return impl_->error; }
const std::vector<CommandInfo> &Host::commands() const { return impl_->commands; }

}  // namespace cphost

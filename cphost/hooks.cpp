/*
 * hooks.cpp -- the entries of the plug-in that the host watches, and the
 * timing of its calls.
 *
 * After LoadLibrary the host patches the plug-in module's import address
 * table for DialogBoxParamA, MessageBoxA, SetTimer, KillTimer, SetPropA,
 * RemovePropA, LocalAlloc, LocalReAlloc and LocalFree.
 * DialogBoxParamA runs the dialog with a wrapping dialog procedure, so the
 * host writes "dialog NNN" at WM_INITDIALOG (before anything the dialog
 * sends) and "end NNN R" with the value DialogBoxParamA returns, which is
 * the EndDialog result. MessageBoxA is passed on and its answer written as a
 * "box" line. With automation, SetTimer/KillTimer of the plug-in's dialogs
 * are held back (recorded, not started) so polls happen only at `tick`.
 * Properties, timers and local memory blocks are only counted (windows.cpp
 * keeps the record): what the plug-in has not cleaned up when a dialog goes
 * or the session ends is a leftover (a dialog's are also written as
 * "# left" lines). The calls that read and set its controls and its
 * installation reads are passed on and timed.
 */
#include "cphost/host_impl.h"

#include <string.h>

#include "cphost/format.h"

namespace cphost {

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

namespace {

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

}  // namespace

void hookPlugin(HMODULE plugin)
{
    if (!realDialogBoxParamA)
        resolveRealEntries();
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
}

}  // namespace cphost

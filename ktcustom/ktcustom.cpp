/*
 * KTCUSTOM.dll -- the custom-control library that the maintenance dialogs
 * rely on.
 *
 * Ordinal 102 initialises the library: it registers the window class
 * "DLGINFO" that every dialog template contains. A DLGINFO control is
 * invisible; its window text ("KTDLG225" ...) names the template, so a host
 * or a test can tell which template a dialog was built from.
 *
 * Ordinal 20 pauses for about count x 100 ms while the given window's
 * messages keep flowing (timers, paints), as an engineer would expect of a
 * dialog that waits for the instrument.
 */
#include <windows.h>

static HINSTANCE s_module;
static BOOL s_registered;

static LRESULT CALLBACK DlgInfoProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        /* Never shown, never in the tab order. */
        SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) & ~(WS_VISIBLE | WS_TABSTOP));
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(window, &ps);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

/* Ordinal 102: registers the DLGINFO class once per process. Answers TRUE. */
extern "C" BOOL WINAPI KtCustomInit(void)
{
    if (s_registered)
        return TRUE;
    WNDCLASSA wc = {};
    wc.style = CS_GLOBALCLASS;
    wc.lpfnWndProc = DlgInfoProc;
    wc.hInstance = s_module;
    wc.lpszClassName = "DLGINFO";
    wc.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    s_registered = RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    return s_registered;
}

/* Ordinal 20: waits about count x 100 ms, dispatching the thread's messages
   (so the window's timers and paints go on). Answers 0. */
extern "C" int WINAPI KtCustomPause(HWND window, int count)
{
    if (count <= 0)
        return 0;
    DWORD total = (DWORD)count * 100u;
    DWORD start = GetTickCount();
    for (;;) {
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= total)
            break;
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage((int)msg.wParam);
                return 0;
            }
            if (!IsDialogMessageA(window && IsWindow(window) ? GetAncestor(window, GA_ROOT) : msg.hwnd, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
        MsgWaitForMultipleObjects(0, NULL, FALSE, total - elapsed, QS_ALLINPUT);
    }
    return 0;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        s_module = instance;
        DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH && s_registered) {
        UnregisterClassA("DLGINFO", s_module);
        s_registered = FALSE;
    }
    return TRUE;
}

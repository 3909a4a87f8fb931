/*
 * telvor_win.cpp -- the Windows side of TELVOR.dll: DllMain, the lock
 * (a critical section), Sleep and the performance counter. Everything else
 * is portable (telvor_api.cpp and the sim_ sources).
 */
#include <windows.h>

#include "sim_platform.h"

namespace {

CRITICAL_SECTION g_lock;

}  // namespace

void tvsim::PlatformLock() { EnterCriticalSection(&g_lock); }
void tvsim::PlatformUnlock() { LeaveCriticalSection(&g_lock); }
void tvsim::PlatformSleep(unsigned ms) { Sleep(ms); }

double tvsim::PlatformMicroseconds()
{
    static LARGE_INTEGER frequency;
    if (!frequency.QuadPart)
        QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return (double)now.QuadPart * 1e6 / (double)frequency.QuadPart;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved)
{
    if (reason == DLL_PROCESS_ATTACH) {
        InitializeCriticalSection(&g_lock);
    } else if (reason == DLL_PROCESS_DETACH && !reserved) {
        tvsim::ShutDown();
        DeleteCriticalSection(&g_lock);
    }
    return TRUE;
}

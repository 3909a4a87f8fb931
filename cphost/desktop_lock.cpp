/*
 * desktop_lock.cpp -- one host at a time per desktop.
 *
 * Two hosts driving dialogs on one desktop take the window activation from
 * each other: an edit field that loses the focus to the other program's
 * window commits again, and a scripted transcript gains a write. So every
 * session (an isolated run is one too) holds a named mutex for its desktop,
 * from before the installation is laid out until the plug-in is unloaded;
 * a second host waits for it, at most CPHOST_DESKTOP_WAIT seconds (default
 * 600), and then fails naming the cause. The mutex is the thread's own, so
 * one thread may take it again (a session that runs the cphost program).
 */
#include "cphost/host_impl.h"

#include <ctype.h>
#include <stdio.h>
#include <stdlib.h>

namespace cphost {

namespace {

std::string objectName(HANDLE object)
{
    char buffer[256];
    DWORD needed = 0;
    if (!object || !GetUserObjectInformationA(object, UOI_NAME, buffer, sizeof buffer, &needed))
        return std::string();
    buffer[sizeof buffer - 1] = '\0';
    return buffer;
}

/* The window station and desktop of this thread, "WinSta0\Default". */
std::string desktopName()
{
    std::string station = objectName(GetProcessWindowStation());
    std::string desktop = objectName(GetThreadDesktop(GetCurrentThreadId()));
    return (station.empty() ? "station" : station) + "\\" + (desktop.empty() ? "desktop" : desktop);
}

DWORD waitMilliseconds()
{
    char text[32];
    DWORD n = GetEnvironmentVariableA("CPHOST_DESKTOP_WAIT", text, sizeof text);
    if (n == 0 || n >= sizeof text)
        return 600 * 1000;
    long seconds = atol(text);
    return seconds <= 0 ? 0 : seconds > 86400 ? 86400 * 1000 : (DWORD)seconds * 1000;
}

}  // namespace

std::string desktopMutexName()
{
    std::string name = "Local\\TORVEX-cphost-";
    for (char c : desktopName())
        name += (isalnum((unsigned char)c) || c == '-' || c == '_' || c == '.') ? c : '-';
    return name;
}

bool DesktopLock::acquire(std::string &why)
{
    if (held_)
        return true;
    std::string name = desktopMutexName();
    if (!handle_)
        handle_ = CreateMutexA(nullptr, FALSE, name.c_str());
    if (!handle_) {
        why = "the desktop's mutex " + name + " cannot be made (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    DWORD limit = waitMilliseconds();
    DWORD result = WaitForSingleObject(handle_, 0);
    if (result == WAIT_TIMEOUT && limit > 0) {
        fprintf(stderr, "cphost: another host drives dialogs on desktop %s; waiting for it (at most %lu s)\n",
                desktopName().c_str(), (unsigned long)(limit / 1000));
        fflush(stderr);
        result = WaitForSingleObject(handle_, limit);
    }
    if (result == WAIT_OBJECT_0 || result == WAIT_ABANDONED) {  // abandoned: its holder died; ours now
        held_ = true;
        return true;
    }
    why = "another host has been driving dialogs on desktop " + desktopName() + " for " +
          std::to_string(limit / 1000) + " s (it holds " + name +
          "); two hosts on one desktop take the window activation from each other, so this one gave up "
          "(CPHOST_DESKTOP_WAIT sets the wait in seconds)";
    return false;
}

void DesktopLock::release()
{
    if (held_)
        ReleaseMutex(handle_);
    held_ = false;
}

DesktopLock::~DesktopLock()
{
    release();
    if (handle_)
        CloseHandle(handle_);
}

}  // namespace cphost

/*
 * windows.cpp -- the host's record of what the plug-in holds on each window
 * (properties and timers, noted by the hooks) and what a dialog leaves
 * behind when it goes; window texts and a dialog's template number.
 */
#include "cphost/host_impl.h"

#include <stdlib.h>
#include <string.h>

namespace cphost {

namespace {

bool sameThing(const WindowThing &t, HWND window, const std::string &name)
{
    return t.window == window && t.name == name;
}

}  // namespace

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
}  // namespace cphost

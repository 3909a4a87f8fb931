/*
 * services.cpp -- what the host answers the plug-in: the service callback
 * and its host data, host variables, the transcript, the simulator's trace
 * and reply overrides, and the host window that formats text.
 */
#include "cphost/host_impl.h"

#include <stdio.h>
#include <string.h>

#include "cphost/format.h"

namespace cphost {

namespace {

std::string numberText(double value)
{
    char buffer[64];
    snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
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

}  // namespace

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
}  // namespace cphost

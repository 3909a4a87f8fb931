/*
 * session.cpp -- the host session: the simulator set up, the plug-in loaded
 * and hooked, messages 2 to 6, and one command run with its arguments and
 * the automation driver's timer.
 */
#include "cphost/host_impl.h"

#include <math.h>
#include <stdlib.h>

#include "cphost/format.h"

namespace cphost {

namespace {

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

bool Host::Impl::fail(const std::string &message)
{
    if (!failed) {
        failed = true;
        error = message;
    }
    return false;
}
bool Host::Impl::installFor(std::string &why)
{
    if (options.empty())
        return true;
    if (layOutInstallation(why))
        return true;
    restoreInstallation();
    return false;
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
        hookPlugin(plugin);
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
        driverTimer = SetTimer(nullptr, 0, 10, driverTimerProc);
    int status;
    {
        Measured measured(this, &timing.command);
        status = proc(listHandle, instance);
    }
    if (automated) {
        afterCommand();
        KillTimer(nullptr, driverTimer);
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

}  // namespace cphost

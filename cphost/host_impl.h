/*
 * host_impl.h -- the inside of cphost::Host, shared by its sources
 * (host.cpp: the interface; session.cpp: loading, messages, commands;
 * services.cpp: service callback, variables, transcript, simulator replies;
 * hooks.cpp: the plug-in's watched and timed entries; windows.cpp: what its
 * windows hold; driver.cpp: actions; install.cpp: option file and registry;
 * desktop_lock.cpp: one host per desktop).
 */
#ifndef CPHOST_HOST_IMPL_H
#define CPHOST_HOST_IMPL_H

#include <windows.h>

#include "plugin/host_abi.h"

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "cphost/actions.h"
#include "cphost/host.h"

namespace cphost {

/* A value the host hands to the plug-in by handle (service 99). */
struct HostData {
    enum Kind { Text, Number, List } kind = Text;
    std::string text;
    double number = 0;
    std::vector<HostWord> list;
};

/* A modal dialog opened through DialogBoxParamA, innermost last. */
struct DialogFrame {
    DLGPROC proc = nullptr;  // the plug-in's dialog procedure
    HWND window = nullptr;   // bound at its first message
    int templateNumber = 0;  // from its DLGINFO text, else the template id
};

/* The registry state that an installation set-up changed. */
struct RegistryBackup {
    bool active = false;
    bool valueExisted = false;
    DWORD valueType = 0;
    std::vector<BYTE> value;
    std::vector<std::string> createdKeys;  // outermost first
    std::string folder;                    // the installation folder laid out
};

typedef void(__cdecl *TvsimTraceFn)(void *, int, const char *, int);

/* The simulator's tvsim_ entries that the host uses (any may be missing). */
struct SimulatorEntries {
    void(__cdecl *setTrace)(TvsimTraceFn, void *) = nullptr;
    void(__cdecl *reset)(void) = nullptr;
    int(__cdecl *loadScenario)(const char *) = nullptr;
    int(__cdecl *setReply)(const char *, const char *) = nullptr;
    int(__cdecl *loadMemory)(const char *) = nullptr;
    int(__cdecl *saveMemory)(const char *) = nullptr;
    const char *(__cdecl *lastError)(void) = nullptr;
    double(__cdecl *busyMicroseconds)(void) = nullptr;
    std::string why(const char *fallback) const;  // lastError() or the fallback
};

/* Something the plug-in set up on a window through its imports and has not
   undone yet: a property or a timer. */
struct WindowThing {
    HWND window = nullptr;
    std::string name;  // "property NAME" ("property #N" for an atom) or "timer N"
    std::string undone() const { return name + (name.rfind("timer ", 0) == 0 ? " not killed" : " not removed"); }
};

/* The named mutex of this thread's desktop (desktop_lock.cpp), held by a
   session: one host at a time drives dialogs there. */
class DesktopLock {
public:
    DesktopLock() = default;
    ~DesktopLock();
    DesktopLock(const DesktopLock &) = delete;
    DesktopLock &operator=(const DesktopLock &) = delete;
    /* Waits for the desktop (CPHOST_DESKTOP_WAIT seconds at most, default
       600); false and the reason when it is not had. */
    bool acquire(std::string &why);
    void release();

private:
    HANDLE handle_ = nullptr;
    bool held_ = false;
};

struct Host::Impl {
    // ---- configuration, kept across runs ----
    std::string pluginPath;
    std::string simulatorPath;
    std::vector<std::pair<std::string, double>> variables;  // in order of creation
    std::vector<std::pair<std::string, long>> options;
    std::string scenario;
    std::vector<std::pair<std::string, std::string>> replies;
    std::string memoryLoad, memorySave;
    bool realTime = false;
    int actionTimeout = 5000;
    std::function<void(const std::string &)> sink;
    bool keepTranscript = true;

    // ---- the last run ----
    std::vector<std::string> lines;
    std::string error;
    std::deque<HostData> data;  // handle = kHandleBase + index
    RegistryBackup registry;
    bool running = false;       // a command is in progress
    Host::Timing timing;
    struct Tally {
        double micros = 0;
        unsigned long calls = 0;
    };
    Tally windowCalls;          // the plug-in's window system calls, all told
    Tally installationReads;    // its registry and option file reads, all told
    int procDepth = 0;          // dialog procedure calls in progress

    // ---- the session (one per isolated run, or beginSession..endSession) ----
    bool open = false;          // plug-in loaded, messages 2, 3 and 4 sent
    bool explicitSession = false;
    std::vector<CommandInfo> commands;
    HWND hostWindow = nullptr;
    HMODULE plugin = nullptr;
    HMODULE simulator = nullptr;
    SimulatorEntries sim;
    OocpsrvEntry instanceEntry = nullptr;
    HostWord instance = 0;
    std::vector<std::string> scenariosLoaded;  // in this session, in order
    std::vector<std::string> leftovers;
    std::vector<WindowThing> windowThings;     // what each window holds of the plug-in's
    std::vector<HLOCAL> blocks;                // local memory the plug-in holds
    DesktopLock desktop;                       // held from open to close

    // ---- automation ----
    bool automate = false;
    std::vector<Action> actions;
    size_t nextAction = 0;
    DWORD actionSince = 0;   // when the pending action was first tried (0: not yet)
    DWORD idleSince = 0;     // when the actions ran out with a window still up
    DWORD waitUntil = 0;
    bool waiting = false;
    bool failed = false;
    UINT_PTR driverTimer = 0;
    std::vector<std::pair<HWND, UINT_PTR>> heldTimers;
    std::vector<DialogFrame> frames;

    static constexpr uint32_t kHandleBase = 0x4000;

    // services.cpp
    void emit(const std::string &line);
    double *findVariable(const std::string &name);
    uint32_t service(uint32_t code, HostWord a, HostWord b);
    HostWord addData(const HostData &d);
    void restoreReply(const std::string &query);

    // session.cpp
    int execute(const std::string &command, const std::vector<std::string> &args, bool automated,
                const std::string &actionText);
    int openSession();   // takes the desktop, loads and starts the plug-in; on failure closes again
    int startSession();  // openSession's part after the desktop is had
    int closeSession();  // 5, 6, unload, memory image
    int command(const std::string &name, const std::vector<std::string> &args, bool automated);
    bool installFor(std::string &why);  // lays out the installation when options are set
    bool fail(const std::string &message);  // records an action failure; answers false

    // windows.cpp
    /* Dialog NNN is gone: what it still held is reported, as "# left ..."
       lines and leftovers, and forgotten. */
    void forgetWindow(HWND window, int number);

    // driver.cpp
    void step();              // one turn of the automation driver (thread timer)
    void afterCommand();      // checks what is left once the command returned
    HWND topWindow() const;   // the window that is on top (enabled dialog or box)

    // install.cpp
    bool layOutInstallation(std::string &why);
    void restoreInstallation();
};

// hooks.cpp
/* The run in progress on this thread (hooks and timer procedures have no
   context of their own). */
extern Host::Impl *g_run;
double microsecondsNow();
/* Patches the plug-in's import address table: the watched entries and the
   timed calls. */
void hookPlugin(HMODULE plugin);

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

// services.cpp
uint32_t TORVEX_STDCALL serviceCallback(HostWord context, uint32_t code, HostWord a, HostWord b);
void __cdecl simulatorTrace(void *context, int kind, const char *text, int number);
/* The hidden host window that formats text (message 0x500). */
HWND createHostWindow();

// windows.cpp
/* What each window holds of the plug-in's: a property or timer set, or taken back. */
void noteThing(std::vector<WindowThing> &things, HWND window, const std::string &name);
void dropThing(std::vector<WindowThing> &things, HWND window, const std::string &name);
std::string timerName(UINT_PTR id);
std::string propertyName(LPCSTR name);
/* Text of a window, bounded. */
std::string windowText(HWND window);
std::string className(HWND window);
/* Template number from the dialog's DLGINFO control ("KTDLG225" -> 225), 0 without one. */
int dialogInfoNumber(HWND dialog);
/* A PNG picture of `window` (frame, client and child controls). */
bool captureWindow(HWND window, const std::string &path, std::string &why);

}  // namespace cphost

#endif

/*
 * host.h -- the in-process host for the TORVEX2 command plug-in.
 *
 * A Host loads the plug-in, answers its service callback, runs one command
 * per run() and writes what happened into a transcript: the instrument
 * traffic seen by the simulated instrument (TELVOR.dll), the dialogs and
 * message boxes, host variables set, status and help requests.
 *
 *   cphost::Host host;
 *   host.setVariable("fakestatus", 1);
 *   host.addReply("PRTC:AIN:PGAN?", "1E-5");
 *   int rc = host.run("MaintVacuum", {}, "click Ignore Timeout; escape");
 *   const std::vector<std::string> &lines = host.transcript();
 *
 * Outside a session every run loads the plug-in afresh (LoadLibrary/
 * FreeLibrary) and resets the simulator first, so runs are independent of
 * each other. Between beginSession() and endSession() the runs are commands
 * of one host session, as in the data system: the plug-in loaded once, one
 * simulated instrument whose state and memory carry over from run to run.
 *
 *   host.beginSession();
 *   host.run("WriteRom", {"r.txt"}, "");
 *   host.run("ReadRom", {"#H0100", "32", "b.txt"}, "");  // the restored bytes
 *   host.endSession();
 *
 * A Host and its runs belong to the thread that created it (dialogs, timers
 * and hooks are per thread); only one run or session may be in progress per
 * thread, and one per desktop: a session holds the desktop's mutex
 * (desktopMutexName()), and a host of another thread or process waits for
 * it.
 *
 * Nothing here throws; failures come back as statuses and error().
 */
#ifndef CPHOST_HOST_H
#define CPHOST_HOST_H

#include <stdint.h>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace cphost {

/* Statuses of run() beside the command's own (which is 0 or 1 for every
   command of the plug-in). */
enum RunStatus {
    kUsageError = 2,      // unknown command, wrong arguments, bad action syntax
    kActionFailed = 3,    // an action could not be carried out or an expectation failed
    kHostFailure = 4      // plug-in or simulator not loadable, a message refused, option setup failed
};

/* A command as the plug-in registered it. */
struct CommandInfo {
    std::string name;
    uintptr_t procedure = 0;  // the procedure's address
    std::vector<uint8_t> argumentTypes;  // 1 text, 0 number
};

class Host {
public:
    Host();
    ~Host();
    Host(const Host &) = delete;
    Host &operator=(const Host &) = delete;

    /* Plug-in to load; default "TORVEX2.dll" beside the running program. */
    void setPluginPath(const std::string &path);
    /* Simulator library; default "TELVOR.dll" beside the plug-in. When it
       cannot be loaded the run goes on without instrument lines. */
    void setSimulatorPath(const std::string &path);

    /* Host variables: set before a run, read by the plug-in, kept across
       runs (the plug-in's own writes, "_BUTTON" for example, too). */
    void setVariable(const std::string &name, double value);
    void removeVariable(const std::string &name);
    /* True and the value when the variable exists. */
    bool variable(const std::string &name, double *value) const;

    /* An entry of the installation's option file, section "PCS,1". With at
       least one option set, each run lays out an installation folder, points
       the registry value "Path" of HKLM "SOFTWARE\Korvane Technologies\
       ICP-MS Ionvista\CurrentVersion" at it and puts the registry back as it
       found it when the run ends. */
    void setOption(const std::string &name, long value);
    void clearOptions();

    /* Simulator set-up, applied after its reset at the start of every run
       or session: the scenario file (empty: none), the reply overrides in
       order, then the memory image (below). A reply added while a session is
       open takes effect at once. */
    void setScenario(const std::string &path);
    void addReply(const std::string &query, const std::string &replies);
    void clearReplies();
    /* Takes back the latest override of `query` (as added); in a session the
       query is then answered as before it was added: by an earlier override
       of the same query (from its first reply), the scenario's fixed reply,
       or the instrument. */
    void removeReply(const std::string &query);

    /* The simulator's 64 KiB memory image: read from `loadPath` when a run or
       session begins (after the scenario), written to `savePath` when it
       ends. Empty: none. So a backup, a restore and a comparison can run as
       separate processes on one instrument memory. */
    void setMemoryImage(const std::string &loadPath, const std::string &savePath);

    /* With automation the dialogs' own timers are held back (polls only at
       `tick`); realTime lets them run as for a person. */
    void setRealTime(bool realTime);
    /* How long an action waits for the window or control it needs (ms). */
    void setActionTimeout(int milliseconds);

    /* Called with every transcript line as it is written. */
    void setTraceSink(std::function<void(const std::string &)> sink);
    /* false: lines go only to the sink, transcript() stays empty (runs that
       exchange millions of times, measured for memory). Default true. */
    void setKeepTranscript(bool keep);

    /* Runs one command with automation: `actions` is the `--do` text (may be
       empty: then any dialog that opens is an action failure). Arguments are
       converted by the registered types; fewer are passed as absent. Runs in
       the open session, else as a session of its own (loaded, reset and
       unloaded for this command alone). Answers the command's status, or a
       RunStatus with error() set. */
    int run(const std::string &command, const std::vector<std::string> &args, const std::string &actions);
    /* Runs one command with its dialogs left to a person (needs a display). */
    int runInteractive(const std::string &command, const std::vector<std::string> &args);

    /* Opens a host session: resets and sets up the simulator, loads the
       plug-in and sends messages 2, 3 and 4. Until endSession() every run is
       a command of this session. Answers 0 or kHostFailure with error(). */
    int beginSession();
    /* Sends messages 5 and 6, unloads the plug-in, writes the memory image.
       Answers 0, or kHostFailure when the image cannot be written. Nothing
       happens without an open session. */
    int endSession();
    bool inSession() const;
    /* Loads a scenario on top of the present instrument of the open session
       (its [host] section is the caller's business). 0 or kHostFailure. */
    int applyScenario(const std::string &path);

    /* What the plug-in left behind that it should have cleaned up, one line
       each: window properties and timers of a dialog still there when the
       dialog was destroyed, properties on other windows and local memory
       blocks still held when the session ended (after message 6), blocks a
       command allocated and did not free. Collected from the start of the
       last session or isolated run. */
    const std::vector<std::string> &leftovers() const;

    /* Where the time of the last run went, for measuring what the plug-in
       adds to the instrument link (microseconds, QueryPerformanceCounter).
       Each share is the wall time of one kind of call into the plug-in and,
       of that, the time spent in the simulator (its exchanges, latency
       included), in the window system (the plug-in's calls that find, read
       and set its controls: texts, checks, enabled and shown states,
       properties, with the repainting they cause) and in the installation
       reads (registry and option file). A message handled while another is
       being handled counts in the outer one, and so does a sub-dialog opened
       from a message, with its waits for actions. */
    struct TimeShare {
        double wall = 0;
        double instrument = 0;
        double window = 0;
        unsigned long windowCalls = 0;
        double installation = 0;
        unsigned calls = 0;
        /* The plug-in's own, with the host services it calls and its
           installation reads. */
        double own() const { return wall - instrument - window; }
    };
    struct Timing {
        TimeShare command;  // the command procedure, call to return (its dialogs included)
        TimeShare dialog;   // inside DialogBoxParamA: window system, waits for actions, messages
        TimeShare open;     // the dialog procedure's WM_INITDIALOG
        TimeShare tick;     // WM_TIMER (the polling timer)
        TimeShare close;    // WM_COMMAND of IDOK or IDCANCEL, and WM_DESTROY
        TimeShare other;    // every other message to the dialog procedure
    };
    const Timing &timing() const;

    /* The lines of the last run (cleared when a run or a session starts;
       what messages 5 and 6 cause is added to the last run's). */
    const std::vector<std::string> &transcript() const;
    /* What went wrong in the last run, one line ("" when nothing did). */
    const std::string &error() const;
    /* The commands registered in the last run or the open session. */
    const std::vector<CommandInfo> &commands() const;

    struct Impl;

private:
    std::unique_ptr<Impl> impl_;
};

/* The name of the mutex that a host holds for this thread's desktop while a
   session is open ("Local\TORVEX-cphost-WinSta0-Default"): a second host,
   in this process or another, waits for it (CPHOST_DESKTOP_WAIT seconds at
   most, default 600) and otherwise fails with kHostFailure. */
std::string desktopMutexName();

/* The cphost program: parses the command line, runs, prints the error line to
   `err`; answers the exit status. Also used by tests. */
int cphostMain(int argc, char **argv, std::FILE *err);

}  // namespace cphost

#endif

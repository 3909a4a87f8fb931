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
 * Every run loads the plug-in afresh (LoadLibrary/FreeLibrary) and resets the
 * simulator first, so runs are independent of each other. A Host and its
 * runs belong to the thread that created it (dialogs, timers and hooks are
 * per thread); only one run may be in progress per thread.
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

    /* Simulator set-up, applied after its reset at the start of every run:
       the scenario file (empty: none), then the reply overrides in order. */
    void setScenario(const std::string &path);
    void addReply(const std::string &query, const std::string &replies);
    void clearReplies();

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
       converted by the registered types; fewer are passed as absent.
       Answers the command's status, or a RunStatus with error() set. */
    int run(const std::string &command, const std::vector<std::string> &args, const std::string &actions);
    /* Runs one command with its dialogs left to a person (needs a display). */
    int runInteractive(const std::string &command, const std::vector<std::string> &args);

    /* The lines of the last run (cleared when a run starts). */
    const std::vector<std::string> &transcript() const;
    /* What went wrong in the last run, one line ("" when nothing did). */
    const std::string &error() const;
    /* The commands registered in the last run. */
    const std::vector<CommandInfo> &commands() const;

    struct Impl;

private:
    std::unique_ptr<Impl> impl_;
};

/* The cphost program: parses the command line, runs, prints the error line to
   `err`; answers the exit status. Also used by tests. */
int cphostMain(int argc, char **argv, std::FILE *err);

}  // namespace cphost

#endif

/*
 * cli.cpp -- the cphost program: command line, script files, trace output.
 *
 *   cphost [OPTIONS] [COMMAND [ARG ...]]
 *
 * Options end at the first word that is not an option (the command) or at
 * "--"; everything after the command is its arguments. A script line is
 * read the same way, so it may carry options of its own (--do, --set, ...)
 * on top of those of the command line.
 *
 * A script is one host session: the plug-in is loaded once and every line is
 * a command of that session against one simulated instrument. A line's
 * --do, --reply, --option and --real-time apply to that line; host variables
 * it sets (--set, --offline, a --scenario's [host] section) stay set; its
 * --scenario is loaded on top of the instrument as it is. A --fresh line is
 * a session of its own (the session before it ends; the next line begins a
 * new one), as is every line with --fresh on the command line.
 */
#include <windows.h>

#include <ctype.h>
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <fstream>

#include "cphost/actions.h"
#include "cphost/host.h"

namespace cphost {

namespace {

const char kUsage[] =
    "usage: cphost [--plugin PATH] [--set NAME=NUMBER] [--offline] [--option NAME=INTEGER]\n"
    "              [--scenario FILE] [--reply QUERY=TEXT] [--trace FILE|-] [--do ACTIONS]\n"
    "              [--real-time] [--fresh] [--load-memory FILE] [--save-memory FILE]\n"
    "              (--script FILE | COMMAND [ARG ...])";

struct Settings {
    std::string plugin;
    std::vector<std::pair<std::string, double>> variables;
    std::vector<std::pair<std::string, long>> options;
    std::string scenario;
    std::vector<std::pair<std::string, std::string>> replies;
    std::string trace;
    bool haveActions = false;
    std::string actions;
    bool realTime = false;
    bool fresh = false;
    std::string memoryLoad, memorySave;
    std::string script;
    std::string command;
    std::vector<std::string> args;
};

bool splitAssignment(const std::string &text, std::string &name, std::string &value)
{
    size_t eq = text.find('=');
    if (eq == std::string::npos)
        return false;
    name = trim(text.substr(0, eq));
    value = trim(text.substr(eq + 1));
    return !name.empty();
}

/* Parses words into `s` (which may already hold settings). */
bool parseWords(const std::vector<std::string> &words, Settings &s, bool allowScript, std::string &error)
{
    size_t i = 0;
    auto operand = [&](const std::string &option, std::string &out) {
        if (i + 1 >= words.size()) {
            error = option + " needs a value";
            return false;
        }
        out = words[++i];
        return true;
    };
    for (; i < words.size(); ++i) {
        const std::string &w = words[i];
        std::string v, name, value;
        if (w == "--") {
            ++i;
            break;
        }
        if (w.size() < 2 || w[0] != '-' || w[1] != '-')
            break;
        if (!allowScript && (w == "--script" || w == "--trace" || w == "--load-memory" || w == "--save-memory")) {
            error = w + " belongs on the command line, not on a script line";
            return false;
        }
        if (w == "--plugin") {
            if (!operand(w, s.plugin))
                return false;
        } else if (w == "--script" && allowScript) {
            if (!operand(w, s.script))
                return false;
        } else if (w == "--set") {
            if (!operand(w, v))
                return false;
            char *end = nullptr;
            double number = 0;
            if (splitAssignment(v, name, value)) {
                errno = 0;
                number = strtod(value.c_str(), &end);
            }
            if (name.empty() || value.empty() || !end || *end || errno) {
                error = "--set needs NAME=NUMBER, not '" + v + "'";
                return false;
            }
            s.variables.emplace_back(name, number);
        } else if (w == "--offline") {
            s.variables.emplace_back("_offline", 1.0);
        } else if (w == "--option") {
            if (!operand(w, v))
                return false;
            char *end = nullptr;
            long number = 0;
            if (splitAssignment(v, name, value)) {
                errno = 0;
                number = strtol(value.c_str(), &end, 10);
            }
            if (name.empty() || value.empty() || !end || *end || errno) {
                error = "--option needs NAME=INTEGER, not '" + v + "'";
                return false;
            }
            s.options.emplace_back(name, number);
        } else if (w == "--scenario") {
            if (!operand(w, s.scenario))
                return false;
        } else if (w == "--reply") {
            if (!operand(w, v))
                return false;
            size_t eq = v.find('=');
            if (eq == std::string::npos || eq == 0) {
                error = "--reply needs QUERY=TEXT, not '" + v + "'";
                return false;
            }
            s.replies.emplace_back(v.substr(0, eq), v.substr(eq + 1));
        } else if (w == "--trace" && allowScript) {
            if (!operand(w, s.trace))
                return false;
        } else if (w == "--do") {
            if (!operand(w, s.actions))
                return false;
            s.haveActions = true;
        } else if (w == "--real-time") {
            s.realTime = true;
        } else if (w == "--fresh") {
            s.fresh = true;
        } else if (w == "--load-memory" && allowScript) {
            if (!operand(w, s.memoryLoad))
                return false;
        } else if (w == "--save-memory" && allowScript) {
            if (!operand(w, s.memorySave))
                return false;
        } else {
            error = "unknown option " + w;
            return false;
        }
    }
    if (i < words.size()) {
        s.command = words[i];
        s.args.assign(words.begin() + (ptrdiff_t)i + 1, words.end());
    }
    return true;
}

/* The host variables a scenario asks for: its [host] section, NAME = NUMBER
   per line (an instrument with the automatic flow controller wants _AFC = 1).
   The simulator skips that section; --set on the command line wins. */
void applyScenarioVariables(Host &host, const std::string &scenario)
{
    char path[MAX_PATH];
    if (scenario.empty() || GetFullPathNameA(scenario.c_str(), sizeof path, path, nullptr) == 0)
        return;
    std::vector<char> section(32768);
    DWORD n = GetPrivateProfileSectionA("host", section.data(), (DWORD)section.size(), path);
    for (const char *p = section.data(); p < section.data() + n && *p; p += strlen(p) + 1) {
        const char *equals = strchr(p, '=');
        if (!equals)
            continue;
        std::string name(p, equals);
        while (!name.empty() && isspace((unsigned char)name.back()))
            name.pop_back();
        char *end = nullptr;
        double value = strtod(equals + 1, &end);
        if (!name.empty() && end != equals + 1)
            host.setVariable(name, value);
    }
}

void reportLeftovers(const Host &host, FILE *err)
{
    for (const std::string &l : host.leftovers())
        fprintf(err, "cphost: left behind: %s\n", l.c_str());
}

/* Sets `host` up for a run or session with the settings of the command line
   (or of a --fresh line on top of them). */
void configure(Host &host, const Settings &s, const std::function<void(const std::string &)> &sink)
{
    if (!s.plugin.empty())
        host.setPluginPath(s.plugin);
    applyScenarioVariables(host, s.scenario);
    for (auto &v : s.variables)
        host.setVariable(v.first, v.second);
    for (auto &o : s.options)
        host.setOption(o.first, o.second);
    host.setScenario(s.scenario);
    for (auto &r : s.replies)
        host.addReply(r.first, r.second);
    host.setMemoryImage(s.memoryLoad, s.memorySave);
    host.setRealTime(s.realTime);
    host.setTraceSink(sink);
}

int runCommand(Host &host, const Settings &s, FILE *err)
{
    int status = s.haveActions ? host.run(s.command, s.args, s.actions) : host.runInteractive(s.command, s.args);
    if (!host.error().empty())
        fprintf(err, "cphost: %s\n", host.error().c_str());
    return status;
}

int runOne(const Settings &s, const std::function<void(const std::string &)> &sink, FILE *err)
{
    Host host;
    configure(host, s, sink);
    int status = runCommand(host, s, err);
    reportLeftovers(host, err);
    return status;
}

/* One line of a session: `line` holds the line's own options only. */
int runSessionLine(Host &host, const Settings &global, const Settings &line, FILE *err)
{
    applyScenarioVariables(host, line.scenario);
    for (auto &v : line.variables)
        host.setVariable(v.first, v.second);
    if (!line.scenario.empty() && host.applyScenario(line.scenario) != 0) {
        fprintf(err, "cphost: %s\n", host.error().c_str());
        return kHostFailure;
    }
    for (auto &r : line.replies)
        host.addReply(r.first, r.second);
    for (auto &o : line.options)
        host.setOption(o.first, o.second);
    host.setRealTime(global.realTime || line.realTime);
    Settings s = line;
    if (!line.haveActions) {
        s.haveActions = global.haveActions;
        s.actions = global.actions;
    }
    int status = runCommand(host, s, err);
    for (auto it = line.replies.rbegin(); it != line.replies.rend(); ++it)
        host.removeReply(it->first);
    if (!line.options.empty()) {
        host.clearOptions();
        for (auto &o : global.options)
            host.setOption(o.first, o.second);
    }
    host.setRealTime(global.realTime);
    return status;
}

/* Ends the open session of `host`, if any; answers its status. */
int endSession(Host &host, FILE *err)
{
    if (!host.inSession())
        return 0;
    int status = host.endSession();
    if (!host.error().empty())
        fprintf(err, "cphost: %s\n", host.error().c_str());
    reportLeftovers(host, err);
    return status;
}

int runScript(const Settings &global, const std::function<void(const std::string &)> &sink, FILE *err)
{
    std::ifstream in(global.script, std::ios::binary);
    if (!in) {
        fprintf(err, "cphost: cannot read %s\n", global.script.c_str());
        return kUsageError;
    }
    Host host;  // the script's host: its variables live as long as the script
    configure(host, global, sink);
    int status = 0;
    std::string text, error;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        std::string t = trim(text);
        if (t.empty() || t[0] == '#')
            continue;
        std::vector<std::string> words;
        Settings merged = global, own;
        merged.script.clear();
        if (!splitWords(t, words, error) || !parseWords(words, merged, false, error) ||
            !parseWords(words, own, false, error) || own.command.empty()) {
            fprintf(err, "cphost: %s line %d: %s\n", global.script.c_str(), number,
                    error.empty() ? "no command" : error.c_str());
            status = kUsageError;
            break;
        }
        std::vector<Action> parsed;
        if (own.haveActions && !parseActions(own.actions, parsed, error)) {
            fprintf(err, "cphost: %s line %d: %s\n", global.script.c_str(), number, error.c_str());
            status = kUsageError;
            break;
        }
        bool fresh = global.fresh || own.fresh;
        if (!fresh && !own.plugin.empty()) {
            fprintf(err, "cphost: %s line %d: --plugin on a line needs --fresh (the session's plug-in stays loaded)\n",
                    global.script.c_str(), number);
            status = kUsageError;
            break;
        }
        sink("line " + std::to_string(number) + " begin " + t);
        int rc;
        if (fresh) {
            rc = endSession(host, err);
            if (rc == 0)
                rc = runOne(merged, sink, err);
        } else {
            rc = host.inSession() ? 0 : host.beginSession();
            if (rc != 0)
                fprintf(err, "cphost: %s\n", host.error().c_str());
            else
                rc = runSessionLine(host, global, own, err);
        }
        sink("line " + std::to_string(number) + " end " + std::to_string(rc));
        if (rc >= kUsageError) {
            status = rc;  // usage, action and host failures stop the script
            break;
        }
        if (status == 0)
            status = rc;
    }
    int ended = endSession(host, err);
    return status >= kUsageError || ended == 0 ? status : ended;
}

}  // namespace

int cphostMain(int argc, char **argv, FILE *err)
{
    std::vector<std::string> words(argv + 1, argv + argc);
    Settings global;
    std::string error;
    if (!parseWords(words, global, true, error)) {
        fprintf(err, "cphost: %s\n%s\n", error.c_str(), kUsage);
        return kUsageError;
    }
    if (global.script.empty() == global.command.empty()) {
        fprintf(err, "cphost: %s\n%s\n", global.script.empty() ? "no command given" : "--script and a command exclude each other",
                kUsage);
        return kUsageError;
    }
    // Actions are checked before anything runs, so a typo costs no run.
    if (global.haveActions) {
        std::vector<Action> parsed;
        if (!parseActions(global.actions, parsed, error)) {
            fprintf(err, "cphost: %s\n", error.c_str());
            return kUsageError;
        }
    }

    FILE *trace = nullptr;
    bool closeTrace = false;
    if (global.trace == "-") {
        trace = stdout;
    } else if (!global.trace.empty()) {
        trace = fopen(global.trace.c_str(), "wb");
        if (!trace) {
            fprintf(err, "cphost: cannot write %s\n", global.trace.c_str());
            return kUsageError;
        }
        closeTrace = true;
    }
    auto sink = [trace](const std::string &line) {
        if (trace) {
            fputs(line.c_str(), trace);
            fputc('\n', trace);
            fflush(trace);
        }
    };

    int status = global.script.empty() ? runOne(global, sink, err) : runScript(global, sink, err);
    if (closeTrace)
        fclose(trace);
    return status;
}

}  // namespace cphost

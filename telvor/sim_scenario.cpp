#include "sim_scenario.h"

#include <climits>
#include <cstdio>

#include "sim_engine.h"
#include "sim_text.h"

namespace tvsim {

namespace {

std::string Unquote(const std::string &value)
{
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

std::string Resolve(const std::string &directory, const std::string &file)
{
    bool absolute = !file.empty() && (file[0] == '/' || file[0] == '\\' || (file.size() > 1 && file[1] == ':'));
    return absolute || directory.empty() ? file : directory + "/" + file;
}

// One `key = value` line of a section; false with `error` set when it cannot apply.
bool ApplyLine(Engine &engine, const std::string &section, const std::string &key, const std::string &value,
               const std::string &directory, std::string *error)
{
    Model &model = engine.model();
    long n = 0;
    if (section == "INSTRUMENT") {
        std::string k = Upper(key);
        if (k == "STATE" && ParseInteger(value, &n) && n >= INT_MIN && n <= INT_MAX) {
            model.SetState((int)n);
        } else if ((k == "LATENCY_MS" || k == "LATENCY") && ParseInteger(value, &n) && n >= 0 && n <= (long)kMaxDelayMs) {
            engine.SetLatency((unsigned)n);
        } else if (k == "TURBOS" && ParseInteger(value, &n) && (n == 1 || n == 2)) {
            model.SetTurboCount((int)n);
        } else {
            *error = "bad [instrument] setting: " + key + " = " + value;
            return false;
        }
        return true;
    }
    if (section == "VALUES")
        return model.SetValue(key, Unquote(value), error);
    if (section == "REPLIES") {
        if (engine.SetReply(key, Unquote(value).c_str()))
            return true;
        *error = "empty query in [replies]";
        return false;
    }
    if (section == "SEQUENCES")
        return model.SetTiming(key, value, error);
    if (section == "FAULTS")
        return engine.AddFault(value, error);
    if (section == "MEMORY") {
        std::string k = Upper(key), file = Resolve(directory, Unquote(value));
        if (k == "LOAD")
            return model.memory().Load(file, error);
        if (k == "IMAGE") {
            // The memory lives in this file: read it when it exists, written after every change.
            std::FILE *f = std::fopen(file.c_str(), "rb");
            if (f) {
                std::fclose(f);
                if (!model.memory().Load(file, error))
                    return false;
            }
            engine.SetMemoryImage(file);
            return engine.SaveMemoryImage(error);
        }
        if (k == "SAVE") {
            engine.SetMemoryImage(file);
            return engine.SaveMemoryImage(error);
        }
        *error = "bad [memory] setting: " + key;
        return false;
    }
    if (section == "HOST")
        return true;
    *error = "unknown section [" + section + "]";
    return false;
}

}  // namespace

int ApplyScenarioText(Engine &engine, const std::string &text, const std::string &name, const std::string &directory,
                      std::string *error)
{
    std::string section;
    size_t start = 0;
    int lineNumber = 0;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        start = 3;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        std::string line = Trim(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        ++lineNumber;
        start = end == std::string::npos ? text.size() + 1 : end + 1;
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        std::string problem;
        if (line[0] == '[') {
            if (line.back() != ']') {
                problem = "bad section line: " + line;
            } else {
                section = Upper(Trim(line.substr(1, line.size() - 2)));
            }
        } else {
            size_t eq = line.find('=');
            if (eq == std::string::npos || section.empty()) {
                problem = section.empty() ? "setting outside a section: " + line : "no '=' in: " + line;
            } else {
                ApplyLine(engine, section, Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)), directory, &problem);
            }
        }
        if (!problem.empty()) {
            *error = Format("%s:%d: %s", name.c_str(), lineNumber, problem.c_str());
            return ScenarioInvalid;
        }
    }
    return ScenarioOk;
}

int LoadScenario(Engine &engine, const std::string &path, std::string *error)
{
    std::FILE *f = std::fopen(path.c_str(), "rb");
    if (!f) {
        *error = "cannot open scenario " + path;
        return ScenarioUnreadable;
    }
    std::string text;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        text.append(buffer, n);
    std::fclose(f);
    size_t slash = path.find_last_of("/\\");
    std::string directory = slash == std::string::npos ? std::string() : path.substr(0, slash);
    return ApplyScenarioText(engine, text, path, directory, error);
}

}  // namespace tvsim

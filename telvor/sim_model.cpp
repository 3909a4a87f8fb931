#include "sim_model.h"

#include <algorithm>
#include <cmath>

#include "sim_model_parts.h"
#include "sim_text.h"

namespace tvsim {

Request ParseRequest(const std::string &text, const std::string &prefix)
{
    Request r;
    r.text = Trim(text);
    size_t blank = r.text.find_first_of(" \t");
    std::string header = r.text.substr(0, blank);
    r.args = blank == std::string::npos ? std::string() : Trim(r.text.substr(blank));
    if (!header.empty() && header[0] == ':') {
        header.erase(0, 1);  // from the root, whatever the prefix
    } else if (!header.empty() && header[0] != '*' && !prefix.empty()) {
        header = prefix + header;
        r.text = prefix + r.text;
    }
    r.header = Upper(header);
    if (!r.header.empty() && r.header.back() == '?') {
        r.query = true;
        r.header.pop_back();
    }
    return r;
}

// ---------------------------------------------------------------- helpers of the modules

void RelaxLinear(double &value, double target, double rate)
{
    value += (target - value) * rate;
    if (std::fabs(target - value) < 1e-4 * std::max(1.0, std::fabs(target)))
        value = target;
}

void RelaxLog(double &value, double target, double rate)
{
    if (value <= 0 || target <= 0) {
        value = target;
        return;
    }
    value = std::exp(std::log(value) + (std::log(target) - std::log(value)) * rate);
    if (std::fabs(value / target - 1) < 1e-3)
        value = target;
}

bool ParseSwitch(const std::string &args, bool *on)
{
    std::string a = Upper(Trim(args));
    if (a == "ON" || a == "1")
        *on = true;
    else if (a == "OFF" || a == "0")
        *on = false;
    else
        return false;
    return true;
}

bool ParseIndex(const std::string &text, int low, int high, int *index)
{
    long v = 0;
    if (!ParseInteger(text, &v) || v < low || v > high)
        return false;
    *index = (int)v;
    return true;
}

namespace {

std::string Join(const std::vector<std::string> &items, size_t from)
{
    std::string text;
    for (size_t i = from; i < items.size(); ++i) {
        if (i > from)
            text += ',';
        text += items[i];
    }
    return text;
}

bool AllNumbers(const std::vector<std::string> &items, size_t from)
{
    double v;
    for (size_t i = from; i < items.size(); ++i)
        if (!ParseNumber(items[i], &v))
            return false;
    return true;
}

}  // namespace

Model::Model() { Reset(); }

void Model::Reset()
{
    nodes_.clear();
    stored_.clear();
    switches_.clear();
    setpoints_.clear();
    errors_.clear();
    tuned_.clear();
    memory_.FillPattern();
    turbos_ = 2;
    plasma_ = lensCal_ = flowAdj_ = xyzInit_ = Sequence();
    plasmaPurge_ = {2, 0};
    plasmaIgnite_ = {2, 0};
    lensCalPhase_ = {5, 0};
    flowAdjPhase_ = {3, 0};
    xyzInitPhase_ = {3, 0};
    plasmaFails_ = false;
    calibrations_ = adjustments_ = 0;
    Build();
    Defaults();
}

// ---------------------------------------------------------------- building

Model::Node &Model::Add(const std::string &path, Kind kind)
{
    Node &n = nodes_[path];
    n = Node();
    n.kind = kind;
    return n;
}

void Model::AddStored(const char *path, const char *value)
{
    Add(path, Kind::Stored).fields = (int)Split(value, ',').size();
    stored_[path] = value;
}

void Model::AddSwitch(const char *path, bool on)
{
    Add(path, Kind::Switch);
    switches_[path] = on;
}

void Model::AddSetpoint(const char *path, double value, const char *format)
{
    Add(path, Kind::Setpoint).format = format;
    setpoints_[path] = value;
}

void Model::AddInput(const char *path, const char *format, double level, ComputeFn compute, double *state)
{
    Node &n = Add(path, Kind::Input);
    n.format = format;
    n.level = level;
    n.compute = compute;
    n.state = state;
    if (state)
        *state = level;
}

void Model::AddCustom(const char *path, QueryFn query, CommandFn command, SetFn set)
{
    Node &n = Add(path, Kind::Custom);
    n.query = query;
    n.command = command;
    n.set = set;
}

void Model::AddRows(const StoredRow *rows, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        AddStored(rows[i].path, rows[i].value);
}

void Model::AddRows(const SwitchRow *rows, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        AddSwitch(rows[i].path, rows[i].on);
}

void Model::AddRows(const SetpointRow *rows, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        AddSetpoint(rows[i].path, rows[i].value, rows[i].format);
}

void Model::AddRows(const InputRow *rows, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        AddInput(rows[i].path, rows[i].format, rows[i].level);
}

void Model::Tune(const std::string &path)
{
    tuned_[path] = setpoints_[path];
}

// One builder per hardware module, each in its own source.
void Model::Build()
{
    BuildVacuum();
    BuildPlasma();
    BuildIonOptics();
    BuildOctopole();
    BuildDetector();
    BuildGas();
    BuildWaterChiller();
    BuildStage();
    BuildSystem();
    BuildMemory();
}

void Model::Defaults()
{
    now_ = 0;
    gate_ = 0;
    chiller_ = true;
    chillerSet_ = 2.0;
    tmps_ = 2.05;
    gateCode_ = 15;
    mass_ = -2;
    for (int i = 0; i < 3; ++i)
        stage_[i] = setpoints_[i == 0 ? "FRCD:XYZ:XPOS" : i == 1 ? "FRCD:XYZ:YPOS" : "FRCD:XYZ:ZPOS"];
}

// ---------------------------------------------------------------- reading the model

bool Model::On(const char *path) const
{
    auto it = switches_.find(path);
    return it != switches_.end() && it->second;
}

double Model::Set(const char *path) const
{
    auto it = setpoints_.find(path);
    return it == setpoints_.end() ? 0.0 : it->second;
}

double Model::Level(const char *path) const
{
    auto it = nodes_.find(path);
    return it == nodes_.end() ? 0.0 : it->second.level;
}

double Model::StoredField(const char *path, int field) const
{
    auto it = stored_.find(path);
    if (it == stored_.end())
        return 0.0;
    std::vector<std::string> items = Split(it->second, ',');
    double v = 0;
    if (field < 1 || field > (int)items.size() || !ParseNumber(items[field - 1], &v))
        return 0.0;
    return v;
}

// ---------------------------------------------------------------- physics

void Model::Tick(double nowMs)
{
    now_ = nowMs;
    TickVacuum();
    TickGas();
    TickIonOptics();
    TickDetector();
    TickWaterChiller();
    TickStage();

    Advance(plasma_, false);
    Advance(lensCal_, false);
    Advance(flowAdj_, false);
    Advance(xyzInit_, false);
}

// ---------------------------------------------------------------- sequences

const Phase &Model::PhaseOf(const Sequence &seq) const
{
    if (&seq == &plasma_)
        return seq.code == 1 ? plasmaPurge_ : plasmaIgnite_;
    if (&seq == &lensCal_)
        return lensCalPhase_;
    if (&seq == &flowAdj_)
        return flowAdjPhase_;
    return xyzInitPhase_;
}

// Ends the phases that are over; a status query then counts in the phase it answers.
void Model::Advance(Sequence &seq, bool statusQuery)
{
    while (seq.code != 0 && !(&seq == &plasma_ && seq.code == 3)) {
        const Phase &ph = PhaseOf(seq);
        bool over = (ph.polls == 0 && ph.ms == 0) || (ph.polls > 0 && seq.count >= ph.polls) ||
                    (ph.ms > 0 && now_ - seq.start >= ph.ms);
        if (!over)
            break;
        Finish(seq);
    }
    if (statusQuery)
        ++seq.count;
}

void Model::Finish(Sequence &seq)
{
    int next = 0;
    if (&seq == &plasma_)
        next = FinishPlasma(seq.code);
    else if (&seq == &lensCal_)
        FinishLensCalibration();
    else if (&seq == &flowAdj_)
        FinishFlowAdjustment();
    else
        FinishStageInit();
    seq = Sequence{next, 0, now_};
}

// ---------------------------------------------------------------- requests

bool Model::Knows(const Request &r) const
{
    auto it = nodes_.find(r.header);
    if (it == nodes_.end())
        return false;
    const Node &n = it->second;
    switch (n.kind) {
    case Kind::Input:
        return r.query;
    case Kind::Custom:
        return r.query ? n.query != nullptr : n.command != nullptr;
    default:
        return true;
    }
}

Outcome Model::Query(const Request &r, std::string *out)
{
    if (!r.query || !Knows(r))
        return Outcome::Unknown;
    Node &n = nodes_[r.header];
    int index = 0;
    switch (n.kind) {
    case Kind::Stored:
    case Kind::StoredOnOff:
        if (!r.args.empty())
            return Outcome::Malformed;
        *out = stored_[r.header];
        return Outcome::Ok;
    case Kind::StoredIndexed:
        if (!ParseIndex(r.args, n.indexMin, n.indexMax, &index))
            return Outcome::Malformed;
        *out = stored_[r.header + Format(" %d", index)];
        return Outcome::Ok;
    case Kind::Switch:
        if (!r.args.empty())
            return Outcome::Malformed;
        *out = switches_[r.header] ? "1" : "0";
        return Outcome::Ok;
    case Kind::Setpoint:
        if (!r.args.empty())
            return Outcome::Malformed;
        *out = Format(n.format, setpoints_[r.header]);
        return Outcome::Ok;
    case Kind::SetpointIndexed:
        if (!ParseIndex(r.args, n.indexMin, n.indexMax, &index))
            return Outcome::Malformed;
        *out = Format(n.format, setpoints_[r.header + Format(" %d", index)]);
        return Outcome::Ok;
    case Kind::Input: {
        if (!r.args.empty())
            return Outcome::Malformed;
        double v = n.compute ? n.compute(*this, n.level) : n.state ? *n.state : n.level;
        *out = Format(n.format, v);
        if (!out->empty() && (*out)[0] == '-' && out->find_first_not_of("0.", 1) == std::string::npos)
            out->erase(0, 1);  // no "-0.000" from a value that rounds to zero
        return Outcome::Ok;
    }
    case Kind::Custom:
        return n.query(*this, r.args, out);
    }
    return Outcome::Unknown;
}

Outcome Model::Command(const Request &r)
{
    if (r.query || !Knows(r))
        return Outcome::Unknown;
    Node &n = nodes_[r.header];
    std::vector<std::string> items = Split(r.args, ',');
    int index = 0;
    bool on = false;
    double v = 0;
    switch (n.kind) {
    case Kind::Stored:
        if ((int)items.size() != n.fields || !AllNumbers(items, 0))
            return Outcome::Malformed;
        stored_[r.header] = Join(items, 0);
        return Outcome::Ok;
    case Kind::StoredOnOff:
        if (!ParseSwitch(r.args, &on))
            return Outcome::Malformed;
        stored_[r.header] = on ? "1" : "0";
        return Outcome::Ok;
    case Kind::StoredIndexed:
        if ((int)items.size() != n.fields + 1 || !ParseIndex(items[0], n.indexMin, n.indexMax, &index) ||
            !AllNumbers(items, 1))
            return Outcome::Malformed;
        stored_[r.header + Format(" %d", index)] = Join(items, 1);
        return Outcome::Ok;
    case Kind::Switch:
        if (!ParseSwitch(r.args, &on))
            return Outcome::Malformed;
        switches_[r.header] = on;
        return Outcome::Ok;
    case Kind::Setpoint:
        if (!ParseNumber(r.args, &v))
            return Outcome::Malformed;
        setpoints_[r.header] = v;
        return Outcome::Ok;
    case Kind::SetpointIndexed:
        if (items.size() != 2 || !ParseIndex(items[0], n.indexMin, n.indexMax, &index) || !ParseNumber(items[1], &v))
            return Outcome::Malformed;
        setpoints_[r.header + Format(" %d", index)] = v;
        return Outcome::Ok;
    case Kind::Custom:
        return n.command(*this, r.args);
    case Kind::Input:
        break;
    }
    return Outcome::Unknown;
}

// ---------------------------------------------------------------- scenario settings

bool Model::SetValue(const std::string &name, const std::string &value, std::string *error)
{
    std::string key = Upper(Trim(name));
    if (!key.empty() && key.back() == '?')
        key.pop_back();
    size_t blank = key.find(' ');
    std::string header = Trim(key.substr(0, blank));
    std::string index = blank == std::string::npos ? std::string() : Trim(key.substr(blank));
    auto it = nodes_.find(header);
    if (it == nodes_.end()) {
        *error = "no such value: " + name;
        return false;
    }
    Node &n = it->second;
    if (n.kind == Kind::Input) {
        double v = 0;
        if (!ParseNumber(value, &v) || !index.empty()) {
            *error = "not a number for " + name + ": " + value;
            return false;
        }
        n.level = v;
        if (n.state)
            *n.state = v;
        return true;
    }
    if (n.set) {
        if (n.set(*this, Trim(value)))
            return true;
        *error = "bad value for " + name + ": " + value;
        return false;
    }
    Request r;
    r.header = header;
    r.text = name + " " + value;
    r.args = index.empty() ? Trim(value) : index + "," + Trim(value);
    if (Command(r) == Outcome::Ok) {
        if (n.kind == Kind::Switch)
            Settle();
        return true;
    }
    *error = "bad value for " + name + ": " + value;
    return false;
}

bool Model::SetTiming(const std::string &key, const std::string &value, std::string *error)
{
    long v = 0;
    if (!ParseInteger(value, &v) || v < 0) {
        *error = "not a count for " + key + ": " + value;
        return false;
    }
    std::string k = Upper(Trim(key));
    if (k == "PLASMA_FAILS") {
        plasmaFails_ = v != 0;
        return true;
    }
    static const struct {
        const char *name;
        Phase Model::*phase;
    } kPhases[] = {
        {"PLASMA_PURGE", &Model::plasmaPurge_},         {"PLASMA_IGNITE", &Model::plasmaIgnite_},
        {"LENS_CALIBRATION", &Model::lensCalPhase_},    {"FLOW_ADJUST", &Model::flowAdjPhase_},
        {"XYZ_INIT", &Model::xyzInitPhase_},
    };
    for (const auto &p : kPhases) {
        std::string base = p.name;
        if (k == base + "_POLLS") {
            (this->*p.phase).polls = (int)v;
            return true;
        }
        if (k == base + "_MS") {
            (this->*p.phase).ms = (int)v;
            return true;
        }
    }
    *error = "no such timing: " + key;
    return false;
}

void Model::SetState(int state)
{
    nodes_["TRNS:STAT"].level = state;
}

void Model::NoteError(const std::string &entry)
{
    if (errors_.size() < 16)
        errors_.push_back(entry);
}

}  // namespace tvsim

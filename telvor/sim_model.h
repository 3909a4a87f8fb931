/*
 * sim_model.h -- the simulated instrument itself (portable): its command
 * set, its stored parameters, outputs and inputs, the physics that ties
 * inputs to outputs, and the sequences it runs on its own (plasma ignition,
 * lens calibration, flow adjustment, torch stage initialisation).
 *
 * The model sees one request at a time: one command or one sub-query of a
 * compound line, already split and with its header path completed.
 */
#ifndef TORVEX_SIM_MODEL_H
#define TORVEX_SIM_MODEL_H

#include <deque>
#include <functional>
#include <string>
#include <unordered_map>

#include "sim_memory.h"

namespace tvsim {

/* One command or sub-query. */
struct Request {
    std::string text;    // as sent, the header path completed for a later part of a compound line
    std::string header;  // upper case, without a leading ':' and without the final '?'
    std::string args;    // what follows the header, trimmed, original case
    bool query = false;  // the header ended in '?'
};

/* Splits one command text (no ';') into header and arguments. `prefix` is
   prepended to a relative header (later parts of a compound line). */
Request ParseRequest(const std::string &text, const std::string &prefix);

enum class Outcome { Ok, Unknown, Malformed };

/* Rows of the modules' tables: stored values, switches with their state in
   Standby, analog set points with their reply format, readings at rest. */
struct StoredRow {
    const char *path;
    const char *value;
};
struct SwitchRow {
    const char *path;
    bool on;
};
struct SetpointRow {
    const char *path;
    double value;
    const char *format;
};
struct InputRow {
    const char *path;
    const char *format;
    double level;
};

/* Timing of one phase of a sequence: it ends after `polls` status queries or
   after `ms` milliseconds, whichever comes first (0 = criterion unused; both
   0 = the phase ends at once). */
struct Phase {
    int polls = 0;
    int ms = 0;
};

class Model {
public:
    Model();
    void Reset();  // the built-in healthy instrument in Standby

    /* One exchange happened at `nowMs` (a monotonic clock): outputs act on
       inputs (pumps spin, pressures settle, valves travel), timed phases end. */
    void Tick(double nowMs);

    /* Header known for this direction (a query or a command)? Arguments are
       not looked at. */
    bool Knows(const Request &request) const;
    Outcome Query(const Request &request, std::string *value);
    Outcome Command(const Request &request);

    /* Scenario settings. `name` is a node path, with an index where the node
       has one ("SYS:ADJ:LENS 5"); `value` its value as a command would carry
       it, or an input's level. */
    bool SetValue(const std::string &name, const std::string &value, std::string *error);
    /* [sequences] keys: plasma_purge_polls, lens_calibration_ms, ... */
    bool SetTiming(const std::string &key, const std::string &value, std::string *error);
    /* [instrument] turbos = 1 or 2. */
    void SetTurboCount(int count) { turbos_ = count == 1 ? 1 : 2; }
    void SetState(int state);

    /* The instrument's error queue ("SYST:ERR?"). */
    void NoteError(const std::string &entry);

    Memory &memory() { return memory_; }
    /* Called after every memory write by "POC:EROM". */
    std::function<void()> onMemoryWritten;

private:
    enum class Kind { Stored, StoredOnOff, StoredIndexed, Switch, Setpoint, SetpointIndexed, Input, Custom };
    using ComputeFn = double (*)(const Model &, double level);
    using QueryFn = Outcome (*)(Model &, const std::string &args, std::string *out);
    using CommandFn = Outcome (*)(Model &, const std::string &args);
    using SetFn = bool (*)(Model &, const std::string &value);
    struct Node {
        Kind kind = Kind::Custom;
        const char *format = "%g";       // Setpoint, Input: reply format
        int fields = 1;                  // Stored: number of values
        int indexMin = 0, indexMax = 0;  // indexed kinds
        double level = 0;                // Input: value at rest, as the scenario sets it
        double *state = nullptr;         // Input with physics: its present value
        ComputeFn compute = nullptr;     // Input: present reading
        QueryFn query = nullptr;         // Custom
        CommandFn command = nullptr;     // Custom
        SetFn set = nullptr;             // Custom: scenario value
    };
    struct Sequence {
        int code = 0;      // the status the instrument reports; 0 idle
        int count = 0;     // status queries in this phase
        double start = 0;  // when this phase began
    };

    void Build();
    void Defaults();
    void Settle();
    Node &Add(const std::string &path, Kind kind);
    void AddStored(const char *path, const char *value);
    void AddSwitch(const char *path, bool on);
    void AddSetpoint(const char *path, double value, const char *format);
    void AddInput(const char *path, const char *format, double level, ComputeFn compute = nullptr,
                  double *state = nullptr);
    void AddCustom(const char *path, QueryFn query, CommandFn command, SetFn set = nullptr);
    void AddRows(const StoredRow *rows, size_t count);
    void AddRows(const SwitchRow *rows, size_t count);
    void AddRows(const SetpointRow *rows, size_t count);
    void AddRows(const InputRow *rows, size_t count);
    /* The set point's present value is what "TUNE:HSET" brings back. */
    void Tune(const std::string &path);

    // One source per hardware module: its nodes, its physics per exchange,
    // the end of its sequences.
    void BuildVacuum();      // sim_vacuum.cpp
    void BuildPlasma();      // sim_plasma.cpp
    void BuildIonOptics();   // sim_ion_optics.cpp: mass filter, lenses, lens calibration
    void BuildOctopole();    // sim_octopole.cpp
    void BuildDetector();    // sim_detector.cpp
    void BuildGas();         // sim_gas.cpp
    void BuildWaterChiller();  // sim_water.cpp
    void BuildStage();       // sim_stage.cpp
    void BuildSystem();      // sim_system.cpp: state, housing, pumps, service commands
    void BuildMemory();      // sim_memory.cpp
    void TickVacuum();
    void TickGas();
    void TickIonOptics();
    void TickDetector();
    void TickWaterChiller();
    void TickStage();
    int FinishPlasma(int code);  // answers the next status
    void FinishLensCalibration();
    void FinishFlowAdjustment();
    void FinishStageInit();

    // Present values, for the physics.
    bool On(const char *path) const;
    double Set(const char *path) const;
    double Level(const char *path) const;
    double StoredField(const char *path, int field) const;
    void SetOutput(const char *path, double value) { setpoints_[path] = value; }
    void Switch(const char *path, bool on) { switches_[path] = on; }

    // Sequences.
    void Advance(Sequence &seq, bool statusQuery);
    const Phase &PhaseOf(const Sequence &seq) const;
    void Finish(Sequence &seq);
    bool PlasmaLit() const { return plasma_.code == 3; }
    double ForwardPower() const;
    bool GeneratorSupplied() const;  // sim_plasma.cpp: the +48 V supply is on, or the ignition holds it
    void StartIgnition();            // sim_plasma.cpp
    void StopPlasma();               // sim_plasma.cpp
    double GasFlow(const char *setpoint) const;
    double TurboCurrent(int pump, double level, double accelerating) const;

    std::unordered_map<std::string, Node> nodes_;
    std::unordered_map<std::string, std::string> stored_;
    std::unordered_map<std::string, bool> switches_;
    std::unordered_map<std::string, double> setpoints_;
    std::unordered_map<std::string, double> tuned_;  // what "TUNE:HSET" restores
    std::deque<std::string> errors_;
    Memory memory_;

    // Physics state.
    int turbos_ = 2;
    double now_ = 0;
    double pibk_ = 0, piif_ = 0, piifbk_ = 0, pgan_ = 0;
    double speed_[3] = {0, 0, 0};  // TPI, TPA, TMP in %
    double gate_ = 0;              // gate valve travel, 0 closed .. 1 open
    double pgar_ = 0;              // argon line pressure, kPa
    double tmpqp_ = 0, tmps_ = 0, tloga_ = 0;
    double emhv_[2] = {0, 0};      // detector analog and pulse high voltages as they stand (sim_detector.cpp)
    bool chiller_ = false;
    double chillerSet_ = 0;
    int gateCode_ = 15;
    double mass_ = -2;
    double stage_[3] = {0, 0, 0};
    double onTrack_ = 1;  // the stage knows its position (1) or not (0)
    int calibrations_ = 0, adjustments_ = 0;

    Sequence plasma_, lensCal_, flowAdj_, xyzInit_;
    Phase plasmaPurge_, plasmaIgnite_, lensCalPhase_, flowAdjPhase_, xyzInitPhase_;
    bool plasmaFails_ = false;
};

}  // namespace tvsim

#endif

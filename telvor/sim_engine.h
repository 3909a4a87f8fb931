/*
 * sim_engine.h -- one exchange with the simulated instrument (portable): a
 * written command or a query and its reply, with fixed replies, injected
 * faults, latency, trace events and the caller's reply buffer. The Windows
 * layer (telvor_win.cpp) only adds the DLL entries, a lock, Sleep and a clock.
 */
#ifndef TORVEX_SIM_ENGINE_H
#define TORVEX_SIM_ENGINE_H

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "sim_faults.h"
#include "sim_model.h"

namespace tvsim {

/* Trace event kinds, the values of TvsimEventKind in telvor_sim.h. */
enum Event { EvWrite = 1, EvQuery = 2, EvReply = 3, EvFailed = 4, EvUnknown = 5, EvFault = 6 };

/* Status words (low 16 bits of an entry's result). */
enum : uint32_t {
    StatusOk = 0,
    StatusBadCall = 3,  // null or empty reply buffer, null command with a length
    StatusTimeout = 5,  // no reply came: a query outside the command set, a line without a query
};

struct Platform {
    void (*sleep)(unsigned ms) = nullptr;
    double (*microseconds)() = nullptr;  // a monotonic clock
};

class Engine {
public:
    using TraceFn = void (*)(void *context, int kind, const char *text, int number);

    explicit Engine(const Platform &platform);
    void Reset();  // everything but the trace callback

    uint32_t Write(const char *command, uint32_t length);
    uint32_t Query(const char *command, uint32_t length, char *reply, uint32_t replySize, uint32_t *replyLength);

    void SetTrace(TraceFn trace, void *context)
    {
        trace_ = trace;
        traceContext_ = context;
    }
    /* `replies` "a|b|c" (the last repeating); null removes the override. */
    bool SetReply(const std::string &query, const char *replies);
    bool AddFault(const std::string &ruleText, std::string *error);
    void ClearFaults() { faults_.Clear(); }
    void SetLatency(unsigned ms) { latency_ = ms; }
    /* Memory image written after every memory change ("" none). */
    void SetMemoryImage(const std::string &path) { image_ = path; }
    bool SaveMemoryImage(std::string *error);
    void WriteMemory(unsigned address, const uint8_t *data, unsigned count);

    Model &model() { return model_; }
    unsigned exchanges() const { return exchanges_; }
    double busyMicroseconds() const { return busy_; }
    std::string lastError;

private:
    struct Override {
        std::vector<std::string> replies;
        size_t next = 0;
    };
    struct Part {
        Request request;
        bool overridden = false;
    };

    void Emit(int kind, const std::string &text, int number = 0);
    void Begin(const char *command, uint32_t length, std::string *text);
    std::vector<Part> Parts(const std::string &text);
    bool TakeOverride(const std::string &text, std::string *reply);
    void Flag(const Request &request, Outcome outcome);
    bool Answer(const std::string &text, std::string *value);
    void Perform(const std::string &text);
    void FlagUnknownOnly(const std::string &text, bool query);
    void Finish(double start, const std::vector<const FaultRule *> &applied);

    Platform platform_;
    Model model_;
    FaultSet faults_;
    std::unordered_map<std::string, Override> overrides_;
    TraceFn trace_ = nullptr;
    void *traceContext_ = nullptr;
    unsigned latency_ = 0;
    unsigned exchanges_ = 0;
    double busy_ = 0;
    std::string image_;
};

}  // namespace tvsim

#endif

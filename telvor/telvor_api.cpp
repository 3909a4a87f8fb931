/*
 * telvor_api.cpp -- the two entries of the instrument communication library
 * and the tvsim_ functions, over the portable engine. Portable: the system
 * supplies only a lock, a pause and a clock (sim_platform.h).
 */
#include <cstdlib>
#include <string>

#include "link/telvor.h"
#include "sim_engine.h"
#include "sim_platform.h"
#include "sim_scenario.h"
#include "telvor/telvor_sim.h"

static_assert((int)TVSIM_EV_WRITE == tvsim::EvWrite && (int)TVSIM_EV_QUERY == tvsim::EvQuery &&
                  (int)TVSIM_EV_REPLY == tvsim::EvReply && (int)TVSIM_EV_FAILED == tvsim::EvFailed &&
                  (int)TVSIM_EV_UNKNOWN == tvsim::EvUnknown && (int)TVSIM_EV_FAULT == tvsim::EvFault,
              "trace event numbers");

namespace {

tvsim::Engine *g_engine = nullptr;
bool g_started = false;
std::string g_error;  // what tvsim_LastError hands out

// Holds the lock; makes the engine on first use and then loads the scenario
// that TELVOR_SCENARIO names, if any (a failure is kept for tvsim_LastError).
class Session {
public:
    Session()
    {
        tvsim::PlatformLock();
        if (!g_engine) {
            tvsim::Platform platform;
            platform.sleep = tvsim::PlatformSleep;
            platform.microseconds = tvsim::PlatformMicroseconds;
            g_engine = new tvsim::Engine(platform);
        }
        if (!g_started) {
            g_started = true;
            const char *path = std::getenv("TELVOR_SCENARIO");
            std::string error;
            if (path && *path && tvsim::LoadScenario(*g_engine, path, &error) != tvsim::ScenarioOk)
                g_engine->lastError = error;
        }
    }
    ~Session() { tvsim::PlatformUnlock(); }
    tvsim::Engine *operator->() const { return g_engine; }

private:
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;
};

int Result(tvsim::Engine *engine, bool ok, const std::string &error)
{
    if (!ok)
        engine->lastError = error;
    return ok ? 0 : 1;
}

}  // namespace

void tvsim::ShutDown()
{
    delete g_engine;
    g_engine = nullptr;
    g_started = false;
}

// ---------------------------------------------------------------- the two entries

extern "C" uint32_t __stdcall _tvl_Write(uint32_t, uint32_t, uint32_t, uint32_t, uint32_t, const char *command,
                                         uint32_t length)
{
    Session s;
    return s->Write(command, length);
}

extern "C" uint32_t __stdcall _tvl_QueryString(uint32_t, uint32_t, uint32_t, uint32_t *replyLength, uint32_t,
                                               const char *command, uint32_t length, char *reply, uint32_t replySize)
{
    Session s;
    return s->Query(command, length, reply, replySize, replyLength);
}

// ---------------------------------------------------------------- tvsim_

extern "C" {

void tvsim_SetTrace(TvsimTrace trace, void *context)
{
    Session s;
    s->SetTrace(trace, context);
}

void tvsim_Reset(void)
{
    Session s;
    s->Reset();
}

int tvsim_LoadScenario(const char *path)
{
    Session s;
    std::string error;
    int code = path ? tvsim::LoadScenario(*g_engine, path, &error) : tvsim::ScenarioUnreadable;
    if (code != tvsim::ScenarioOk)
        s->lastError = path ? error : "no scenario named";
    return code;
}

int tvsim_SetReply(const char *query, const char *replies)
{
    Session s;
    bool ok = query && s->SetReply(query, replies);
    return Result(g_engine, ok, "tvsim_SetReply: no query");
}

void tvsim_SetState(int state)
{
    Session s;
    s->model().SetState(state);
}

void tvsim_SetLatency(int milliseconds)
{
    Session s;
    s->SetLatency(milliseconds > 0 ? (unsigned)milliseconds : 0);
}

int tvsim_LoadMemory(const char *path)
{
    Session s;
    std::string error;
    bool ok = path && s->model().memory().Load(path, &error);
    return Result(g_engine, ok, path ? error : "no file named");
}

int tvsim_SaveMemory(const char *path)
{
    Session s;
    std::string error;
    bool ok = path && s->model().memory().Save(path, &error);
    return Result(g_engine, ok, path ? error : "no file named");
}

void tvsim_ReadMemory(unsigned address, unsigned char *out, unsigned count)
{
    Session s;
    if (out)
        s->model().memory().Read(address, out, count);
}

void tvsim_WriteMemory(unsigned address, const unsigned char *data, unsigned count)
{
    Session s;
    if (data)
        s->WriteMemory(address, data, count);
}

unsigned tvsim_ExchangeCount(void)
{
    Session s;
    return s->exchanges();
}

double tvsim_BusyMicroseconds(void)
{
    Session s;
    return s->busyMicroseconds();
}

const char *tvsim_LastError(void)
{
    Session s;
    g_error = s->lastError;
    return g_error.c_str();
}

int tvsim_AddFault(const char *rule)
{
    Session s;
    std::string error;
    bool ok = rule && s->AddFault(rule, &error);
    return Result(g_engine, ok, rule ? error : "no rule given");
}

void tvsim_ClearFaults(void)
{
    Session s;
    s->ClearFaults();
}

int tvsim_SetValue(const char *name, const char *value)
{
    Session s;
    std::string error;
    bool ok = name && value && s->model().SetValue(name, value, &error);
    return Result(g_engine, ok, name && value ? error : "no name or value given");
}

}  // extern "C"

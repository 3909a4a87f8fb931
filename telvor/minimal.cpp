/*
 * minimal.cpp -- the smallest TELVOR.dll the plug-in and cphost can run
 * against: the two library entries and the tvsim_* interface over a table of
 * healthy replies, reply overrides (successive replies, the last repeating),
 * set-point writes remembered for their query, the 64 KiB parameter memory
 * and the exchange trace. The full instrument model (sequences, scenarios,
 * faults) replaces it.
 */
#include <windows.h>
#include <ctype.h>
#include <stdio.h>
#include <string.h>

#include <map>
#include <string>
#include <vector>

#include "link/telvor.h"
#include "telvor_sim.h"

namespace {

std::string Upper(std::string s)
{
    for (char &c : s)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return s;
}

struct Override {
    std::vector<std::string> replies;
    size_t next = 0;
};

TvsimTrace s_trace;
void *s_context;
std::map<std::string, Override> s_overrides;
std::map<std::string, std::string> s_values;
unsigned char s_memory[65536];
int s_state = 1;
int s_latency;
unsigned s_exchanges;
double s_busy;
std::string s_error;

const char *const kDefaults[][2] = {
    {"PRTC:AIN:PIIF?", "120.5"}, {"PRTC:AIN:PIBK?", "2.35"}, {"PRTC:AIN:PIIFBK?", "2.41"},
    {"PRTC:AIN:PGAN?", "3.2E-4"}, {"PRTC:AIN:RTPI?", "100.0"}, {"PRTC:AIN:RTPA?", "100.0"},
    {"PRTC:AIN:RTMP?", "100.0"}, {"PRTC:AIN:ITPI?", "0.412"}, {"PRTC:AIN:ITPA?", "0.385"},
    {"PRTC:AIN:ITMP?", "0.398"}, {"PRTC:AIN:VP75?", "74.9"}, {"PRTC:AIN:MVM?", "0.00"},
    {"PRTC:AIN:IISOV?", "0.000"}, {"PRTC:AIN:CVM?", "23.9"}, {"PRTC:AIN:CCM?", "0.21"},
    {"PRTC:BIN:ISOV1?", "0"}, {"PRTC:BIN:ISOV2?", "1"}, {"PRTC:BIN:VAON?", "1"}, {"MNTE:SVC:STB?", "1"},
    {"PRTC:AIN:TMP1?", "27.4"}, {"PRTC:AIN:TMP3?", "33.8"}, {"PRTC:AIN:HVS24?", "24.1"},
    {"SYS:TMP1?", "50.0,40.0"}, {"SYS:TMP3?", "60.0,50.0"},
    {"SYS:PIBK:TPON?", "100.00,120.00,60"}, {"SYS:PIIFBK:TPON?", "100.00,120.00,60"},
    {"SYS:PIBK:PGON?", "25.00,500.00,300"}, {"SYS:PIIFBK:PGON?", "25.00,500.00,300"},
    {"SYS:PGAN:STB?", "5.000E-04,2.000E-03,18000,15"}, {"SYS:PIIF:ISOV?", "450.00,500.00,120,20"},
    {"SYS:PIIFBK:ISOV?", "450.00,500.00,120,20"}, {"SYS:PGAN:ANA?", "1.200E-03,2.000E-03,180"},
    {"SYS:PIIF:ANA?", "530.00,200.00,490.00"}, {"SYS:PIIFBK:ANA?", "530.00,200.00,490.00"},
    {"SYS:PGAN:TBSLOW?", "2.000E-04"}, {"SYS:TDISOV?", "30"}, {"SYS:TPRT?", "80,5,80,5"},
    {"SYS:TPRTMP?", "80,5"}, {"SYS:TPRTSTB?", "60,60"}, {"SYS:TPRTMPSTB?", "60"}, {"SYS:AUTOS?", "0"},
    {"SYS:PIBK:COLTPON?", "120.00"}, {"SYS:PIIFBK:COLTPON?", "120.00"},
    {"SYS:PGAN:COLSTB?", "2.000E-03,2.000E-03,30"}, {"SYS:PGAN:COLANA?", "2.000E-03,2.000E-03,30"},
};

void Trace(int kind, const std::string &text, int number = 0)
{
    if (s_trace != NULL)
        s_trace(s_context, kind, text.c_str(), number);
}

bool KnownQuery(const std::string &q)
{
    return q.rfind("PRTC:", 0) == 0 || q.rfind("SYS:", 0) == 0 || q.rfind("MNTE:", 0) == 0 ||
           q.rfind("PLSM:", 0) == 0 || q.rfind("FRCD:", 0) == 0 || q == "TRNS:STAT?";
}

/* The answer to one simple query, or false when the instrument does not know it. */
bool Answer(const std::string &query, std::string &reply)
{
    std::string q = Upper(query);
    auto o = s_overrides.find(q);
    if (o != s_overrides.end()) {
        Override &ov = o->second;
        reply = ov.replies[ov.next];
        if (ov.next + 1 < ov.replies.size())
            ++ov.next;
        return true;
    }
    if (q == "TRNS:STAT?") {
        reply = std::to_string(s_state);
        return true;
    }
    unsigned address;
    if (sscanf(q.c_str(), "PEC:EROM? #H%4x,16", &address) == 1) {
        char block[80];
        size_t n = 0;
        for (unsigned i = 0; i < 16; ++i)
            n += snprintf(block + n, sizeof block - n, "%s#H%02X", i ? "," : "", s_memory[(address + i) & 0xFFFF]);
        reply = block;
        return true;
    }
    auto v = s_values.find(q);
    if (v != s_values.end()) {
        reply = v->second;
        return true;
    }
    for (const auto &row : kDefaults)
        if (q == row[0]) {
            reply = row[1];
            return true;
        }
    if (!KnownQuery(q))
        return false;
    reply = "0";
    return true;
}

void Write(const std::string &command)
{
    std::string c = Upper(command);
    unsigned address;
    if (sscanf(c.c_str(), "POC:EROM #H%4x,16,", &address) == 1) {
        const char *p = strchr(c.c_str(), ',');
        p = p ? strchr(p + 1, ',') : NULL;
        for (unsigned i = 0; p != NULL && i < 16; ++i) {
            unsigned byte;
            if (sscanf(p + 1, "#H%2x", &byte) != 1)
                break;
            s_memory[(address + i) & 0xFFFF] = static_cast<unsigned char>(byte);
            p = strchr(p + 1, ',');
        }
        return;
    }
    size_t blank = c.find(' ');
    if (blank != std::string::npos && c.rfind("SYS:", 0) == 0)
        s_values[c.substr(0, blank) + "?"] = c.substr(blank + 1);
}

void Pattern()
{
    for (unsigned i = 0; i < sizeof s_memory; ++i)
        s_memory[i] = static_cast<unsigned char>((i * 7 + (i >> 8)) & 0xFF);
}

} // namespace

extern "C" uint32_t __stdcall _tvl_Write(uint32_t, uint32_t, uint32_t, uint32_t, uint32_t, const char *command,
                                         uint32_t length)
{
    std::string text(command, length);
    Trace(TVSIM_EV_WRITE, text);
    ++s_exchanges;
    if (s_latency > 0)
        Sleep(s_latency);
    Write(text);
    return 0;
}

extern "C" uint32_t __stdcall _tvl_QueryString(uint32_t, uint32_t, uint32_t, uint32_t *replyLength, uint32_t,
                                               const char *command, uint32_t length, char *reply, uint32_t size)
{
    std::string text(command, length);
    Trace(TVSIM_EV_QUERY, text);
    ++s_exchanges;
    if (s_latency > 0)
        Sleep(s_latency);
    std::string answer;
    bool known;
    auto whole = s_overrides.find(Upper(text));
    if (whole != s_overrides.end() || text.find(';') == std::string::npos) {
        known = Answer(text, answer);
    } else {
        /* A compound query: later parts continue the first part's header path. */
        known = true;
        std::string path;
        size_t start = 0;
        while (start <= text.size()) {
            size_t end = text.find(';', start);
            std::string part = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
            if (start == 0) {
                size_t colon = part.rfind(':');
                path = colon == std::string::npos ? "" : part.substr(0, colon + 1);
            } else {
                part = path + part;
            }
            std::string one;
            known = Answer(part, one) && known;
            answer += (start == 0 ? "" : ";") + one;
            if (end == std::string::npos)
                break;
            start = end + 1;
        }
    }
    if (!known) {
        Trace(TVSIM_EV_UNKNOWN, text);
        reply[0] = '\0';
        *replyLength = 0;
        Trace(TVSIM_EV_REPLY, "");
        Trace(TVSIM_EV_FAILED, "", 1);
        return 1;
    }
    Trace(TVSIM_EV_REPLY, answer);
    std::string line = answer + "\n";
    size_t n = line.size() < size ? line.size() : size - 1;
    memcpy(reply, line.data(), n);
    reply[n] = '\0';
    *replyLength = static_cast<uint32_t>(n);
    return 0;
}

TVSIM_API void tvsim_SetTrace(TvsimTrace trace, void *context)
{
    s_trace = trace;
    s_context = context;
}

TVSIM_API void tvsim_Reset(void)
{
    s_overrides.clear();
    s_values.clear();
    s_state = 1;
    s_latency = 0;
    s_exchanges = 0;
    s_busy = 0;
    Pattern();
}

TVSIM_API int tvsim_LoadScenario(const char *path)
{
    s_error = std::string("scenarios are read by the full instrument model, not this one: ") + path;
    return 1;
}

TVSIM_API int tvsim_SetReply(const char *query, const char *replies)
{
    Override ov;
    std::string all = replies;
    size_t start = 0;
    for (;;) {
        size_t bar = all.find('|', start);
        ov.replies.push_back(all.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }
    s_overrides[Upper(query)] = ov;
    return 0;
}

TVSIM_API void tvsim_SetState(int state) { s_state = state; }
TVSIM_API void tvsim_SetLatency(int milliseconds) { s_latency = milliseconds; }

TVSIM_API int tvsim_LoadMemory(const char *path)
{
    FILE *f = fopen(path, "rb");
    if (f == NULL)
        return 1;
    size_t n = fread(s_memory, 1, sizeof s_memory, f);
    fclose(f);
    return n == sizeof s_memory ? 0 : 1;
}

TVSIM_API int tvsim_SaveMemory(const char *path)
{
    FILE *f = fopen(path, "wb");
    if (f == NULL)
        return 1;
    size_t n = fwrite(s_memory, 1, sizeof s_memory, f);
    fclose(f);
    return n == sizeof s_memory ? 0 : 1;
}

TVSIM_API void tvsim_ReadMemory(unsigned address, unsigned char *out, unsigned count)
{
    for (unsigned i = 0; i < count; ++i)
        out[i] = s_memory[(address + i) & 0xFFFF];
}

TVSIM_API void tvsim_WriteMemory(unsigned address, const unsigned char *data, unsigned count)
{
    for (unsigned i = 0; i < count; ++i)
        s_memory[(address + i) & 0xFFFF] = data[i];
}

TVSIM_API unsigned tvsim_ExchangeCount(void) { return s_exchanges; }
TVSIM_API double tvsim_BusyMicroseconds(void) { return s_busy; }
TVSIM_API const char *tvsim_LastError(void) { return s_error.c_str(); }

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        Pattern();
    return TRUE;
}

// Scenario files for the simulated instrument: any text applies, or stops
// at a line it names; the instrument then still answers. The [memory]
// section reads and writes files by name, so inputs that mention it are
// left to the hostile-scenario tests, which use files of their own. (A
// `long` fault with report=full states the length as sent, by design.)
#include <ctype.h>
#include <stdint.h>
#include <string.h>

#include <string>

#include "fuzz_fail.h"
#include "fuzz_engine.h"
#include "sim_scenario.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 8192)
        return 0;
    std::string text(reinterpret_cast<const char *>(data), size);
    std::string lower = text;
    for (char &c : lower)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    if (lower.find("memory") != std::string::npos)
        return 0;
    tvsim::Engine &engine = FuzzEngine();
    std::string error;
    int rc = tvsim::ApplyScenarioText(engine, text, "fuzz.ini", "/nonexistent", &error);
    if (rc == tvsim::ScenarioInvalid && error.find("fuzz.ini:") == std::string::npos)
        FUZZ_FAIL();
    if (rc != tvsim::ScenarioOk && rc != tvsim::ScenarioInvalid)
        FUZZ_FAIL();
    char reply[256];
    uint32_t got = 0;
    for (const char *q : {"trns:stat?", "PRTC:AIN:PF?;PR?", "PLSM:STAT?", "PEC:EROM? #H0000,16", "SYS:TMP1?"}) {
        engine.Query(q, static_cast<uint32_t>(strlen(q)), reply, sizeof reply, &got);
        if (memchr(reply, 0, sizeof reply) == nullptr)
            FUZZ_FAIL();
    }
    engine.Write("PRTC:BOUT:TPI ON", 16);
    return 0;
}

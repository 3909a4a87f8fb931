// perf_bench -- what the plug-in adds to the instrument link.
//
// Runs the real TORVEX2.dll in the in-process host against the simulated
// instrument, with no latency and with 1 ms per exchange, and measures per
// panel: one poll tick, one open and close, and ReadRom/WriteRom of 8 KiB
// and 64 KiB. Every figure is set against the raw time of the very same
// exchanges sent straight to TELVOR in the same run, so what is left is the
// plug-in's own time (with the host's services it calls: HostFormat through
// the host window, the transcript). Prints a Markdown report; with --out
// FILE also writes it there.
//
//   perf_bench [--rounds N] [--ticks N] [--out FILE] [--quick]
#include <windows.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cphost/host.h"
#include "link/telvor.h"
#include "telvor/telvor_sim.h"

namespace {

// A panel as the engineer opens it: the command and the host variables that
// choose its template. A new panel adds a row.
struct PanelRow {
    const char *label;
    const char *command;
    std::vector<std::pair<const char *, double>> variables;
};

const PanelRow kPanels[] = {
    {"225 Vacuum", "MaintVacuum", {}},
    {"226 Plasma RF", "MaintRF", {}},
    {"314 Plasma RF (new generator)", "MaintRF", {{"OPT_New_RF", 1}}},
    {"261 QP", "MaintQP", {}},
    {"289 Lenses", "MaintLens", {}},
    {"263 Lenses", "MaintLens", {{"_Lens", 1}}},
    {"320 Lenses", "MaintLens", {{"_Lens", 1}, {"_Lens2", 1}}},
    {"293 Lens calibration", "CalLens", {}},
    {"266 Octopole", "MaintOctPole", {}},
    {"267 Detector", "MaintDetector", {}},
    {"268 Water", "MaintWater", {}},
    {"269 Gas", "MaintGas", {}},
    {"336 Gas (AFC)", "MaintGas", {{"_AFC", 1}}},
    {"270 Chiller", "MaintSC", {}},
    {"271 PeriPump", "MaintPeriPump", {}},
    {"272 XYZ stage", "MaintXYZ", {}},
    {"274 Housing", "MaintHousing", {}},
};

double Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1e6 * double(t.QuadPart) / double(frequency.QuadPart);  // microseconds
}

struct Stats {
    std::vector<double> samples;
    void add(double v) { samples.push_back(v); }
    double pick(double q) const
    {
        if (samples.empty())
            return 0;
        std::vector<double> s = samples;
        std::sort(s.begin(), s.end());
        return s[std::min(s.size() - 1, size_t(q * double(s.size() - 1) + 0.5))];
    }
    double min() const { return pick(0); }
    double median() const { return pick(0.5); }
    double max() const { return pick(1); }
};

std::string Range(const Stats &s, const char *format)
{
    char a[32], b[32], c[32];
    snprintf(a, sizeof a, format, s.min());
    snprintf(b, sizeof b, format, s.median());
    snprintf(c, sizeof c, format, s.max());
    return std::string(a) + " / " + b + " / " + c;
}

// The instrument exchanges of a transcript between two markers (the "do"
// lines that open and close a stretch), as the channel sent them.
struct Exchange {
    bool query;
    std::string text;
};

std::vector<Exchange> ExchangesBetween(const std::vector<std::string> &lines, const std::string &from,
                                       const std::string &to)
{
    std::vector<Exchange> out;
    bool inside = from.empty();
    for (const std::string &line : lines) {
        if (!inside) {
            inside = line == from;
            continue;
        }
        if (!to.empty() && line == to)
            break;
        if (line.rfind("? ", 0) == 0)
            out.push_back({true, line.substr(2)});
        else if (line.rfind("> ", 0) == 0)
            out.push_back({false, line.substr(2)});
    }
    return out;
}

// The raw link: the same exchanges straight through TELVOR's two entries.
double Replay(const std::vector<Exchange> &exchanges, int latency)
{
    tvsim_SetTrace(nullptr, nullptr);
    tvsim_SetLatency(latency);
    char reply[256];
    double t0 = Now();
    for (const Exchange &e : exchanges) {
        uint32_t length = 0;
        if (e.query)
            _tvl_QueryString(1, 0, 0, &length, 0, e.text.c_str(), (uint32_t)e.text.size(), reply, sizeof reply);
        else
            _tvl_Write(1, 0, 0, 0, 0, e.text.c_str(), (uint32_t)e.text.size());
    }
    return Now() - t0;
}

std::string g_scenario[2];  // scenario files: no latency, 1 ms

void Prepare(cphost::Host &host, const PanelRow &row, int latency)
{
    host.setVariable("fakestatus", 1);
    for (const char *name : {"OPT_New_RF", "_Lens", "_Lens2", "_Lens3", "_AFC"})
        host.removeVariable(name);
    for (const auto &v : row.variables)
        host.setVariable(v.first, v.second);
    host.setScenario(g_scenario[latency]);
}

struct Timed {
    double total = 0;
    std::vector<std::string> lines;
    bool ok = false;
};

Timed Run(cphost::Host &host, const std::string &command, const std::vector<std::string> &args,
          const std::string &script)
{
    Timed t;
    double t0 = Now();
    int rc = host.run(command, args, script);
    t.total = Now() - t0;
    t.ok = rc == 0;
    t.lines = host.transcript();
    return t;
}

// The window system's share of an open and close: the same template created
// and destroyed with a procedure that does nothing.
INT_PTR CALLBACK Inert(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

double DialogCreation(HMODULE plugin, int templateId)
{
    double t0 = Now();
    HWND w = CreateDialogParamA(plugin, MAKEINTRESOURCEA(templateId), NULL, Inert, 0);
    if (w == NULL)
        return -1;
    DestroyWindow(w);
    return Now() - t0;
}

int TemplateOpened(const std::vector<std::string> &lines)
{
    for (const std::string &line : lines)
        if (line.rfind("dialog ", 0) == 0)
            return atoi(line.c_str() + 7);
    return 0;
}

std::string g_report;

void Say(const char *format, ...)
{
    char text[1024];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    fputs(text, stdout);
    fflush(stdout);
    g_report += text;
}

std::string TempPath(const char *name)
{
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    return std::string(folder) + name;
}

void WriteFile(const std::string &path, const std::string &text)
{
    FILE *f = fopen(path.c_str(), "wb");
    if (f) {
        fputs(text.c_str(), f);
        fclose(f);
    }
}

}  // namespace

int main(int argc, char **argv)
{
    int rounds = 5, ticks = 20;
    bool quick = false;
    std::string out;
    for (int i = 1; i < argc; ++i) {
        if (!strcmp(argv[i], "--rounds") && i + 1 < argc)
            rounds = atoi(argv[++i]);
        else if (!strcmp(argv[i], "--ticks") && i + 1 < argc)
            ticks = atoi(argv[++i]);
        else if (!strcmp(argv[i], "--out") && i + 1 < argc)
            out = argv[++i];
        else if (!strcmp(argv[i], "--quick"))
            quick = true;
    }
    if (quick) {
        rounds = 2;
        ticks = 5;
    }
    g_scenario[0] = TempPath("perf_latency0.ini");
    g_scenario[1] = TempPath("perf_latency1.ini");
    WriteFile(g_scenario[0], "[instrument]\nlatency_ms = 0\n");
    WriteFile(g_scenario[1], "[instrument]\nlatency_ms = 1\n");

    HMODULE plugin = LoadLibraryA("TORVEX2.dll");  // for the templates; also registers the DLGINFO class
    cphost::Host host;

    Say("# Performance: what the plug-in adds to the instrument link\n\n");
    Say("Produced by `perf_bench` (%d rounds, %d ticks per round; figures are min / median / max over the "
        "rounds).\n\n", rounds, ticks);

    // ---- the simulator alone
    {
        Stats rate;
        std::vector<Exchange> one = {{true, "PRTC:AIN:PIBK?"}};
        std::vector<Exchange> many;
        for (int i = 0; i < 20000; ++i)
            many.push_back(one[0]);
        for (int r = 0; r < rounds; ++r)
            rate.add(20000.0 / Replay(many, 0) * 1e6);
        Stats link;
        std::vector<Exchange> hundred(many.begin(), many.begin() + 100);
        for (int r = 0; r < rounds; ++r)
            link.add(Replay(hundred, 1) / 100.0);
        Say("## The simulator and the link\n\n| what | min / median / max |\n|---|---|\n");
        Say("| simulator throughput, no latency (exchanges/s) | %s |\n", Range(rate, "%.0f").c_str());
        Say("| one exchange at 1 ms latency, straight to TELVOR (us) | %s |\n\n", Range(link, "%.0f").c_str());
    }

    // ---- poll ticks
    const std::string tickScript = "tick " + std::to_string(ticks) + "; escape";
    for (int latency = 0; latency <= 1; ++latency) {
        Say("## Poll tick, %s\n\n", latency ? "1 ms per exchange" : "no latency");
        Say("| panel | exchanges per tick | raw link per tick (us) | plug-in per tick (us) | plug-in / link |\n"
            "|---|---|---|---|---|\n");
        for (const PanelRow &row : kPanels) {
            Stats raw, own, ratio;
            size_t exchanges = 0;
            bool timer = true, failed = false;
            for (int r = 0; r < rounds && !failed; ++r) {
                Prepare(host, row, latency);
                Timed base = Run(host, row.command, {}, "escape");
                Prepare(host, row, latency);
                Timed ticked = Run(host, row.command, {}, tickScript);
                if (!base.ok || !ticked.ok) {
                    failed = true;
                    break;
                }
                std::vector<Exchange> tick = ExchangesBetween(ticked.lines, "do tick " + std::to_string(ticks),
                                                              "do escape");
                if (tick.empty()) {
                    timer = false;
                    break;
                }
                exchanges = tick.size() / size_t(ticks);
                double rawTime = Replay(tick, latency);
                double ownTime = (ticked.total - base.total) - rawTime;
                raw.add(rawTime / ticks);
                own.add(std::max(0.0, ownTime) / ticks);
                ratio.add(100.0 * std::max(0.0, ownTime) / rawTime);
            }
            if (failed)
                Say("| %s | (does not open: %s) | | | |\n", row.label, host.error().c_str());
            else if (!timer)
                Say("| %s | no polling timer | | | |\n", row.label);
            else
                Say("| %s | %u | %s | %s | %s %% |\n", row.label, (unsigned)exchanges, Range(raw, "%.0f").c_str(),
                    Range(own, "%.0f").c_str(), Range(ratio, latency ? "%.2f" : "%.0f").c_str());
        }
        Say("\n");
    }

    // ---- open and close
    Say("## Open and close, 1 ms per exchange\n\n");
    Say("| panel | exchanges | raw link (ms) | window system: dialog creation (ms) | plug-in and host (ms) | "
        "plug-in and host / link |\n|---|---|---|---|---|---|\n");
    for (const PanelRow &row : kPanels) {
        Stats raw, window, own, ratio;
        size_t exchanges = 0;
        bool failed = false;
        for (int r = 0; r < rounds; ++r) {
            Prepare(host, row, 1);
            Timed t = Run(host, row.command, {}, "escape");
            if (!t.ok) {
                failed = true;
                break;
            }
            std::vector<Exchange> all = ExchangesBetween(t.lines, "", "");
            exchanges = all.size();
            double rawTime = Replay(all, 1);
            double creation = plugin ? DialogCreation(plugin, TemplateOpened(t.lines)) : 0;
            double ownTime = t.total - rawTime - std::max(0.0, creation);
            raw.add(rawTime / 1000);
            window.add(creation / 1000);
            own.add(ownTime / 1000);
            if (rawTime > 0)
                ratio.add(100.0 * ownTime / rawTime);
        }
        if (failed)
            Say("| %s | (does not open: %s) | | | | |\n", row.label, host.error().c_str());
        else
            Say("| %s | %u | %s | %s | %s | %s |\n", row.label, (unsigned)exchanges, Range(raw, "%.1f").c_str(),
                Range(window, "%.1f").c_str(), Range(own, "%.1f").c_str(),
                ratio.samples.empty() ? "(no exchanges)" : (Range(ratio, "%.1f") + " %").c_str());
    }
    Say("\n");

    // ---- memory commands
    Say("## ReadRom and WriteRom, 1 ms per exchange\n\n");
    Say("| command | blocks | raw link (ms) | plug-in and host (ms) | per block (us) | plug-in and host / link |\n"
        "|---|---|---|---|---|---|\n");
    // ReadRom takes at most 8 KiB: 64 KiB is eight commands, whose files
    // together are the one file WriteRom restores.
    const std::string file = TempPath("perf_rom.txt");
    for (unsigned bytes : {8192u, 65536u}) {
        for (int write = 0; write <= 1; ++write) {
            Stats raw, own, per, ratio;
            int memoryRounds = bytes > 8192 ? std::max(1, rounds / 2) : rounds;
            std::string failure;
            for (int r = 0; r < memoryRounds && failure.empty(); ++r) {
                double total = 0, rawTime = 0;
                std::string image;
                for (unsigned at = 0; at < (write ? 1u : bytes) && failure.empty(); at += 8192) {
                    host.setScenario(g_scenario[1]);
                    host.setVariable("fakestatus", 1);
                    Timed t;
                    if (write) {
                        t = Run(host, "WriteRom", {file}, "");
                    } else {
                        char address[16];
                        snprintf(address, sizeof address, "#H%04X", at);
                        t = Run(host, "ReadRom", {address, "8192", file}, "");
                        FILE *f = fopen(file.c_str(), "rb");
                        char buffer[4096];
                        size_t n;
                        while (f && (n = fread(buffer, 1, sizeof buffer, f)) > 0)
                            image.append(buffer, n);
                        if (f)
                            fclose(f);
                    }
                    if (!t.ok)
                        failure = host.error();
                    total += t.total;
                    rawTime += Replay(ExchangesBetween(t.lines, "", ""), 1);
                }
                if (!write)
                    WriteFile(file, image);
                double ownTime = total - rawTime;
                raw.add(rawTime / 1000);
                own.add(ownTime / 1000);
                per.add(ownTime / (bytes / 16));
                ratio.add(100.0 * ownTime / rawTime);
            }
            if (!failure.empty())
                Say("| %s %u KiB | (failed: %s) | | | | |\n", write ? "WriteRom" : "ReadRom", bytes / 1024,
                    failure.c_str());
            else
                Say("| %s %u KiB | %u | %s | %s | %s | %s %% |\n", write ? "WriteRom" : "ReadRom", bytes / 1024,
                    bytes / 16, Range(raw, "%.0f").c_str(), Range(own, "%.1f").c_str(), Range(per, "%.1f").c_str(),
                    Range(ratio, "%.2f").c_str());
        }
    }
    Say("\n");
    DeleteFileA(file.c_str());
    if (!out.empty())
        WriteFile(out, g_report);
    return 0;
}

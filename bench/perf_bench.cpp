// perf_bench -- what the plug-in adds to the instrument link.
//
// Runs the real TORVEX2.dll in the in-process host against the simulated
// instrument, with no latency and with 1 ms per exchange, and measures per
// panel: one poll tick, one open and close, and ReadRom/WriteRom of 8 KiB
// and 64 KiB. The host times each call into the plug-in (the command
// procedure, each message to a dialog procedure) and the simulator's share
// of it, so the plug-in's own time is the call's time less the simulator's;
// it is set against the raw time of the very same exchanges sent straight
// to TELVOR in the same run. "Own" includes the host services the plug-in
// calls (HostFormat through the host window, the transcript). Prints a
// Markdown report; with --out FILE also writes it there.
//
//   perf_bench [--rounds N] [--ticks N] [--out FILE] [--quick] [--panel TEXT]
//
// --panel: only the panels whose label holds TEXT, and no memory commands.
#include <windows.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <functional>
#include <vector>

#include "cphost/host.h"
#include "link/telvor.h"
#include "resources/resource.h"
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
    for (const char *name : {"OPT_New_RF", "OPT_PMP2", "_Lens", "_Lens2", "_Lens3", "_AFC"})
        host.removeVariable(name);
    for (const auto &v : row.variables)
        host.setVariable(v.first, v.second);
    host.setScenario(g_scenario[latency]);
}

struct Timed {
    cphost::Host::Timing timing;
    std::vector<std::string> lines;
    bool ok = false;
};

Timed Run(cphost::Host &host, const std::string &command, const std::vector<std::string> &args,
          const std::string &script)
{
    Timed t;
    t.ok = host.run(command, args, script) == 0;
    t.timing = host.timing();
    t.lines = host.transcript();
    return t;
}

// The plug-in's own time in opening and closing a panel: the command
// procedure outside its dialog, and the dialog procedure's messages; not
// the window system's work inside DialogBoxParamA, nor the waits there.
double OwnOpenClose(const cphost::Host::Timing &t)
{
    return t.command.own() - t.dialog.own() + t.open.own() + t.close.own() + t.other.own() + t.tick.own();
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

// What the window system charges for the calls a poll makes, each timed on a
// visible vacuum template (the plug-in's resources, an inert procedure).
void WindowSystemCosts(HMODULE plugin)
{
    HWND w = CreateDialogParamA(plugin, MAKEINTRESOURCEA(IDD_VACUUM), NULL, Inert, 0);
    if (w == NULL)
        return;
    ShowWindow(w, SW_SHOW);
    const int display = IDC_VAC_PIBK;
    SetPropA(w, "srvPasskey", (HANDLE)1);
    char text[64];
    int flip = 0;
    struct Call {
        const char *what;
        std::function<void()> call;
    } calls[] = {
        {"GetPropA", [&] { GetPropA(w, "srvPasskey"); }},
        {"GetDlgItem", [&] { GetDlgItem(w, display); }},
        {"GetWindowTextA (a display)", [&] { GetWindowTextA(GetDlgItem(w, display), text, sizeof text); }},
        {"GetDlgItemTextA (a display)", [&] { GetDlgItemTextA(w, display, text, sizeof text); }},
        {"SetDlgItemTextA, the same text", [&] { SetDlgItemTextA(w, display, "1.5E-04"); }},
        {"SetDlgItemTextA, another text", [&] { SetDlgItemTextA(w, display, (flip ^= 1) ? "1.5E-04" : "1.6E-04"); }},
        {"CheckDlgButton, unchanged", [&] { CheckDlgButton(w, IDC_VAC_IGNORE_TO, BST_UNCHECKED); }},
        {"IsDlgButtonChecked", [&] { IsDlgButtonChecked(w, IDC_VAC_IGNORE_TO); }},
        {"EnableWindow, unchanged", [&] { EnableWindow(GetDlgItem(w, display), TRUE); }},
        {"FindResource + LoadResource (a definition)",
         [&] { LoadResource(plugin, FindResourceA(plugin, MAKEINTRESOURCEA(1128), MAKEINTRESOURCEA(1000))); }},
    };
    Say("## What the window system charges (Wine, no latency)\n\n| call | us per call |\n|---|---|\n");
    for (Call &c : calls) {
        const int n = 2000;
        c.call();
        double t0 = Now();
        for (int i = 0; i < n; ++i)
            c.call();
        Say("| %s | %.2f |\n", c.what, (Now() - t0) / n);
    }
    Say("\n");
    RemovePropA(w, "srvPasskey");
    DestroyWindow(w);
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
    std::string out, only;
    for (int i = 1; i < argc; ++i) {
        if (!strcmp(argv[i], "--rounds") && i + 1 < argc)
            rounds = atoi(argv[++i]);
        else if (!strcmp(argv[i], "--ticks") && i + 1 < argc)
            ticks = atoi(argv[++i]);
        else if (!strcmp(argv[i], "--out") && i + 1 < argc)
            out = argv[++i];
        else if (!strcmp(argv[i], "--quick"))
            quick = true;
        else if (!strcmp(argv[i], "--panel") && i + 1 < argc)
            only = argv[++i];
    }
    if (quick) {
        rounds = 2;
        ticks = 5;
    }
    std::vector<PanelRow> panels;
    for (const PanelRow &row : kPanels)
        if (only.empty() || strstr(row.label, only.c_str()))
            panels.push_back(row);
    g_scenario[0] = TempPath("perf_latency0.ini");
    g_scenario[1] = TempPath("perf_latency1.ini");
    WriteFile(g_scenario[0], "[instrument]\nlatency_ms = 0\n");
    WriteFile(g_scenario[1], "[instrument]\nlatency_ms = 1\n");

    HMODULE plugin = LoadLibraryA("TORVEX2.dll");  // for the templates; also registers the DLGINFO class
    cphost::Host host;

    Say("# Performance: what the plug-in adds to the instrument link\n\n");
    Say("Produced by `perf_bench` (%d rounds, %d ticks per round; figures are min / median / max over the "
        "rounds).\n\n", rounds, ticks);
    Say("How it is measured: the host times every call into the plug-in (the command procedure, each message to a "
        "dialog procedure) and, inside it, the simulator's time (its exchanges, latency included) and the window "
        "system's (the plug-in's USER32 calls that find, read and set its controls). The plug-in's own time is what "
        "is left: its logic, the channel, the host's formatting service. The raw link is the same exchanges sent "
        "straight to TELVOR in the same run. The target is that the plug-in, its display updates included, stays "
        "under 2 %% of a 1 ms link on every poll tick and on the memory commands.\n\n"
        "Under Wine each USER32 call is a round trip to the Wine server (the first table), so the window system's "
        "columns are mostly Wine's cost: they are shown with the number of calls a tick makes, which is what the "
        "plug-in decides, and the plug-in's code is also set against the link alone. A display is set only when "
        "its text changes.\n\n");

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

    if (plugin)
        WindowSystemCosts(plugin);

    // ---- poll ticks
    const std::string tickScript = "tick " + std::to_string(ticks) + "; escape";
    for (int latency = 0; latency <= 1; ++latency) {
        Say("## Poll tick, %s\n\n", latency ? "1 ms per exchange" : "no latency");
        Say("| panel | exchanges per tick | raw link per tick (us) | plug-in's code per tick (us) | of which "
            "installation reads (us) | window system calls per tick | window system per tick (us) | plug-in per "
            "exchange, window calls included (us) | plug-in's code / link | with the window system / link | %s\n"
            "|---|---|---|---|---|---|---|---|---|---|%s\n",
            latency ? "under 2 %? |" : "", latency ? "---|" : "");
        for (const PanelRow &row : panels) {
            Stats raw, window, calls, installation, own, perExchange, ratio, total;
            size_t exchanges = 0;
            std::string failure;
            for (int r = 0; r < rounds && failure.empty(); ++r) {
                Prepare(host, row, latency);
                Timed ticked = Run(host, row.command, {}, tickScript);
                if (!ticked.ok) {
                    failure = host.error().find("no polling timer") != std::string::npos
                                  ? "no polling timer: the panel polls nothing"
                                  : "does not open: " + host.error();
                    break;
                }
                std::vector<Exchange> tick =
                    ExchangesBetween(ticked.lines, "do tick " + std::to_string(ticks), "do escape");
                if (ticked.timing.tick.calls == 0 || tick.empty()) {
                    failure = "no polling timer";
                    break;
                }
                const cphost::Host::TimeShare &share = ticked.timing.tick;
                exchanges = tick.size() / size_t(ticks);
                double rawTime = Replay(tick, latency) / ticks;
                double ownTime = share.own() / ticks, windowTime = share.window / ticks;
                raw.add(rawTime);
                own.add(ownTime);
                installation.add(share.installation / ticks);
                calls.add(double(share.windowCalls) / ticks);
                window.add(windowTime);
                perExchange.add((ownTime + windowTime) / double(exchanges));
                ratio.add(100.0 * ownTime / rawTime);
                total.add(100.0 * (ownTime + windowTime) / rawTime);
            }
            std::string verdict;
            if (latency && failure.empty()) {
                char why[512];
                if (total.median() < 2.0) {
                    snprintf(why, sizeof why, " yes |");
                } else {
                    int n = snprintf(why, sizeof why,
                                     " no, under Wine: its %.0f USER32 calls take %.0f us (a server round trip each, "
                                     "first table)",
                                     calls.median(), window.median());
                    if (ratio.median() >= 2.0 && installation.median() > 0)
                        n += snprintf(why + n, sizeof why - n,
                                      "; the installation reads, made afresh on every poll as the behaviour "
                                      "requires, %.0f us",
                                      installation.median());
                    snprintf(why + n, sizeof why - n, "; its code alone %.2f %% |",
                             100.0 * (own.median() - installation.median()) / raw.median());
                }
                verdict = why;
            } else if (latency) {
                verdict = " |";
            }
            const char *format = latency ? "%.2f" : "%.0f";
            if (!failure.empty())
                Say("| %s | (%s) | | | | | | | | |%s\n", row.label, failure.c_str(), verdict.c_str());
            else
                Say("| %s | %u | %s | %s | %s | %.0f | %s | %s | %s %% | %s %% |%s\n", row.label, (unsigned)exchanges,
                    Range(raw, "%.0f").c_str(), Range(own, "%.0f").c_str(), Range(installation, "%.0f").c_str(),
                    calls.median(), Range(window, "%.0f").c_str(), Range(perExchange, "%.1f").c_str(),
                    Range(ratio, format).c_str(), Range(total, format).c_str(), verdict.c_str());
        }
        Say("\n");
    }

    // ---- open and close
    Say("## Open and close, 1 ms per exchange\n\n");
    Say("| panel | exchanges | raw link (ms) | window system: dialog creation (ms) | window system: calls "
        "(ms) | plug-in (ms) | plug-in / link |\n|---|---|---|---|---|---|---|\n");
    for (const PanelRow &row : panels) {
        Stats raw, window, updates, own, ratio;
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
            double ownTime = OwnOpenClose(t.timing);
            raw.add(rawTime / 1000);
            window.add(creation / 1000);
            updates.add(t.timing.command.window / 1000);
            own.add(ownTime / 1000);
            if (rawTime > 0)
                ratio.add(100.0 * ownTime / rawTime);
        }
        if (failed)
            Say("| %s | (does not open: %s) | | | | | |\n", row.label, host.error().c_str());
        else
            Say("| %s | %u | %s | %s | %s | %s | %s |\n", row.label, (unsigned)exchanges, Range(raw, "%.1f").c_str(),
                Range(window, "%.1f").c_str(), Range(updates, "%.1f").c_str(), Range(own, "%.2f").c_str(),
                ratio.samples.empty() ? "(no exchanges)" : (Range(ratio, "%.2f") + " %").c_str());
    }
    Say("\n");

    // ---- memory commands
    if (!only.empty()) {
        if (!out.empty())
            WriteFile(out, g_report);
        return 0;
    }
    Say("## ReadRom and WriteRom, 1 ms per exchange\n\n");
    Say("| command | blocks | raw link (ms) | plug-in (ms) | plug-in per block (us) | plug-in / link | under 2 %? |\n"
        "|---|---|---|---|---|---|---|\n");
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
                    total += t.timing.command.own();
                    rawTime += Replay(ExchangesBetween(t.lines, "", ""), 1);
                }
                if (!write)
                    WriteFile(file, image);
                double ownTime = total;
                raw.add(rawTime / 1000);
                own.add(ownTime / 1000);
                per.add(ownTime / (bytes / 16));
                ratio.add(100.0 * ownTime / rawTime);
            }
            if (!failure.empty())
                Say("| %s %u KiB | (failed: %s) | | | | | |\n", write ? "WriteRom" : "ReadRom", bytes / 1024,
                    failure.c_str());
            else
                Say("| %s %u KiB | %u | %s | %s | %s | %s %% | %s |\n", write ? "WriteRom" : "ReadRom", bytes / 1024,
                    bytes / 16, Range(raw, "%.0f").c_str(), Range(own, "%.1f").c_str(), Range(per, "%.1f").c_str(),
                    Range(ratio, "%.2f").c_str(), ratio.median() < 2.0 ? "yes" : "no");
        }
    }
    Say("\n");
    DeleteFileA(file.c_str());
    if (!out.empty())
        WriteFile(out, g_report);
    return 0;
}

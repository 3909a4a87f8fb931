/*
 * sim_vacuum.cpp -- the vacuum system: two rotary pumps, two turbo pumps (or
 * one), the backing, interface, gate and purge valves, the gauges, and the
 * supervision limits stored in the instrument. Pressures settle toward what
 * the pumps and valves allow; turbos spin up and down over exchanges.
 */
#include <algorithm>
#include <cmath>

#include "sim_model_parts.h"

namespace tvsim {

namespace {

const StoredRow kStored[] = {
    {"SYS:PIBK:TPON", "100.00,500.00,600"},
    {"SYS:PIIFBK:TPON", "100.00,500.00,600"},
    {"SYS:PIBK:PGON", "10.00,50.00,300,120"},
    {"SYS:PIIFBK:PGON", "10.00,50.00,300,120"},
    {"SYS:PGAN:STB", "1.000E-03,5.000E-03,600,1800"},
    {"SYS:PIIF:ISOV", "200.00,400.00,60,5"},
    {"SYS:PIIFBK:ISOV", "200.00,400.00,60,5"},
    {"SYS:PGAN:ANA", "5.000E-03,1.000E-02,600"},
    {"SYS:PIIF:ANA", "500.00,150.00,450.00"},
    {"SYS:PIIFBK:ANA", "500.00,150.00,450.00"},
    {"SYS:PGAN:TBSLOW", "2.000E-04"},
    {"SYS:TDISOV", "5"},
    {"SYS:TPRT", "90,80,90,80"},
    {"SYS:TPRTMP", "90,80"},
    {"SYS:TPRTSTB", "80,80"},
    {"SYS:TPRTMPSTB", "80"},
    {"SYS:PIBK:COLTPON", "50.00"},
    {"SYS:PIIFBK:COLTPON", "50.00"},
    {"SYS:PGAN:COLSTB", "2.000E-03,1.000E-03,600"},
    {"SYS:PGAN:COLANA", "1.000E-02,5.000E-03,600"},
};

// Standby: vacuum running, gate valve closed.
const SwitchRow kSwitches[] = {
    {"PRTC:BOUT:RPBK", true},  {"PRTC:BOUT:RPIF", true},   {"PRTC:BOUT:SVVAC", true},  {"PRTC:BOUT:TPI", true},
    {"PRTC:BOUT:TPA", true},   {"PRTC:BOUT:TMP", true},    {"PRTC:BOUT:PGON", true},   {"PRTC:BOUT:SVIF", true},
    {"PRTC:BOUT:SVPRV", false}, {"PRTC:BOUT:SVPRG", false}, {"FRCD:BOUT:ISOV", false},  {"FRCD:BOUT:S75ON", true},
    {"FRCD:BOUT:TFAN", true},  {"FRCD:BOUT:SVCR", false},  {"MNTE:SVC:STB", true},
};

// Error bits that nothing drives: 0 unless a scenario sets them.
const char *const kQuietBits[] = {"PRTC:BIN:ERRBRK", "PRTC:BIN:FNTP", "PRTC:BIN:GVERR", "PRTC:BIN:IFVERR"};

const char *const kTurboSwitch[3] = {"PRTC:BOUT:TPI", "PRTC:BOUT:TPA", "PRTC:BOUT:TMP"};
const char *const kTurboSpeed[3] = {"PRTC:AIN:RTPI", "PRTC:AIN:RTPA", "PRTC:AIN:RTMP"};

}  // namespace

void Model::BuildVacuum()
{
    AddRows(kStored, sizeof kStored / sizeof kStored[0]);
    Add("SYS:AUTOS", Kind::StoredOnOff);
    stored_["SYS:AUTOS"] = "1";
    AddRows(kSwitches, sizeof kSwitches / sizeof kSwitches[0]);
    for (const char *bit : kQuietBits)
        AddInput(bit, "%.0f", 0);

    AddInput("PRTC:AIN:PIBK", "%.3f", 2.6, nullptr, &pibk_);
    AddInput("PRTC:AIN:PIIF", "%.3f", 85.3, nullptr, &piif_);
    AddInput("PRTC:AIN:PIIFBK", "%.3f", 3.2, nullptr, &piifbk_);
    AddInput("PRTC:AIN:PGAN", "%.2E", 3.2e-5, nullptr, &pgan_);
    AddInput("PRTC:AIN:RTPI", "%.1f", 100.0, nullptr, &speed_[0]);
    AddInput("PRTC:AIN:RTPA", "%.1f", 100.0, nullptr, &speed_[1]);
    AddInput("PRTC:AIN:RTMP", "%.1f", 100.0, nullptr, &speed_[2]);
    // Turbo current: the level at full speed, more while accelerating, none when stopped.
    AddInput("PRTC:AIN:ITPI", "%.3f", 0.420, [](const Model &m, double l) { return m.TurboCurrent(0, l, 2.4); });
    AddInput("PRTC:AIN:ITPA", "%.3f", 0.310, [](const Model &m, double l) { return m.TurboCurrent(1, l, 1.8); });
    AddInput("PRTC:AIN:ITMP", "%.3f", 0.380, [](const Model &m, double l) { return m.TurboCurrent(2, l, 2.1); });
    AddInput("PRTC:AIN:VP75", "%.2f", 75.1,
             [](const Model &m, double level) { return m.On("FRCD:BOUT:S75ON") ? level : 0.35; });
    AddInput("PRTC:AIN:MVM", "%.2f", 0.02, [](const Model &m, double level) {
        return m.gate_ != (m.On("FRCD:BOUT:ISOV") ? 1.0 : 0.0) ? 23.8 : level;
    });
    AddInput("PRTC:AIN:IISOV", "%.3f", 0.003, [](const Model &m, double level) {
        return m.gate_ != (m.On("FRCD:BOUT:ISOV") ? 1.0 : 0.0) ? 0.850 : level;
    });
    AddInput("PRTC:AIN:CVM", "%.2f", 0.03, [](const Model &m, double level) { return m.gate_ >= 1 ? 23.9 : level; });
    AddInput("PRTC:AIN:CCM", "%.2f", 0.01, [](const Model &m, double level) { return m.gate_ >= 1 ? 0.18 : level; });
    AddInput("PRTC:BIN:ISOV1", "%.0f", 0, [](const Model &m, double l) { return m.gate_ <= 0 ? 1.0 : l; });
    AddInput("PRTC:BIN:ISOV2", "%.0f", 0, [](const Model &m, double l) { return m.gate_ >= 1 ? 1.0 : l; });
    AddInput("PRTC:BIN:VAON", "%.0f", 0, [](const Model &m, double l) {
        return m.On("PRTC:BOUT:RPBK") && m.Level("PRTC:BIN:ERRBRK") < 0.5 ? 1.0 : l;
    });
    AddInput("PRTC:BIN:IFVOPN", "%.0f", 0, [](const Model &m, double l) { return m.On("PRTC:BOUT:SVIF") ? 1.0 : l; });
    AddInput("PRTC:BOUT:TPSD", "%.0f", 0, [](const Model &m, double l) {
        for (int i = 0; i < 3; ++i)
            if (m.speed_[i] > 0.5 && !m.On(kTurboSwitch[i]))
                return 1.0;
        return l;
    });
}

double Model::TurboCurrent(int pump, double level, double accelerating) const
{
    if (speed_[pump] <= 0.5)
        return 0.0;
    return On(kTurboSwitch[pump]) && speed_[pump] < Level(kTurboSpeed[pump]) ? accelerating : level;
}

void Model::TickVacuum()
{
    bool breaker = Level("PRTC:BIN:ERRBRK") >= 0.5;
    bool backingPump = On("PRTC:BOUT:RPBK") && !breaker;
    bool interfacePump = On("PRTC:BOUT:RPIF") && !breaker;

    RelaxLog(pibk_, backingPump && On("PRTC:BOUT:SVVAC") ? Level("PRTC:AIN:PIBK") : kVented, 0.15);
    RelaxLog(piif_, interfacePump && On("PRTC:BOUT:SVIF") ? Level("PRTC:AIN:PIIF") * (PlasmaLit() ? 2.5 : 1.0) : kVented,
             0.15);
    RelaxLog(piifbk_, backingPump ? Level("PRTC:AIN:PIIFBK") : kVented, 0.15);

    // Turbo pumps need their switch, the +75 V supply and a backing vacuum.
    for (int i = 0; i < 3; ++i) {
        double backing = i < 2 ? pibk_ : piifbk_;
        double full = Level(kTurboSpeed[i]);
        bool driven = On(kTurboSwitch[i]) && On("FRCD:BOUT:S75ON") && backing < 1000.0;
        if (driven && speed_[i] < full)
            speed_[i] = std::min(full, speed_[i] + 1.5);
        else if (driven)
            speed_[i] = std::max(full, speed_[i] - 0.5);
        else
            speed_[i] = std::max(0.0, speed_[i] - 0.5);
    }

    // The Penning gauge reads only while switched on; the analyser pressure
    // follows the turbo speed and the gate valve.
    if (!On("PRTC:BOUT:PGON")) {
        pgan_ = 0;
    } else {
        double s = turbos_ == 1 ? speed_[2] : std::min(speed_[0], speed_[1]);
        double factor = s >= 95 ? 1.0 : std::pow(100.0 / std::max(s, 1.0), 3);
        double target = std::min(10.0, Level("PRTC:AIN:PGAN") * factor * (gate_ > 0.5 ? 8.0 : 1.0) *
                                           (PlasmaLit() && gate_ > 0.5 ? 3.0 : 1.0));
        RelaxLog(pgan_, target, 0.2);
    }

    // The gate valve travels in about twelve exchanges.
    double gateTarget = On("FRCD:BOUT:ISOV") ? 1.0 : 0.0;
    if (gate_ < gateTarget)
        gate_ = std::min(gateTarget, gate_ + 1.0 / 12);
    else if (gate_ > gateTarget)
        gate_ = std::max(gateTarget, gate_ - 1.0 / 12);
}

// A scenario describes a settled instrument: the gate valve at its end
// position, each turbo at full speed or stopped as its switches say.
void Model::Settle()
{
    gate_ = On("FRCD:BOUT:ISOV") ? 1.0 : 0.0;
    for (int i = 0; i < 3; ++i)
        speed_[i] = On(kTurboSwitch[i]) && On("FRCD:BOUT:S75ON") ? Level(kTurboSpeed[i]) : 0.0;
}

}  // namespace tvsim

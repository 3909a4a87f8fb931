/*
 * sim_gas.cpp -- the gas controller: the argon supply valve and line
 * pressure, the four argon flows and the optional gas, the automatic flow
 * controller's sensors, the stored limits and sensor offsets, and the
 * instrument's flow adjustment that "PRTC:FLOW:ADJ" starts. With the supply
 * valve closed the line vents through whatever is set to flow.
 */
#include <algorithm>

#include "sim_model_parts.h"

namespace tvsim {

namespace {

const StoredRow kStored[] = {
    {"SYS:PLGSL", "12.00"},
    {"SYS:PLGST", "2.0,0.500"},
    {"SYS:OFFSET:PLGS", "0.012"},
    {"SYS:AXGSL", "0.60"},
    {"SYS:AXGST", "0.20,0.500"},
    {"SYS:OFFSET:AXGS", "-0.004"},
    {"SYS:CRGST", "0.20,0.500"},
    {"SYS:OFFSET:CRGS", "0.006"},
    {"SYS:MUGST", "0.20,0.500"},
    {"SYS:OFFSET:MUGS", "-0.002"},
    {"SYS:OPGST", "10.0,0.500"},
    {"SYS:OFFSET:OPGS", "0.003"},
    {"PRTC:FLOW:PLDPV", "0.150"},
    {"PRTC:FLOW:AXDPV", "0.150"},
    {"PRTC:FLOW:CRDPV", "0.160"},
    {"PRTC:FLOW:MUDPV", "0.140"},
    {"PRTC:FLOW:PLBPV", "0.200"},
    {"PRTC:FLOW:AXBPV", "0.200"},
    {"PRTC:FLOW:CRBPV", "0.210"},
    {"PRTC:FLOW:MUBPV", "0.190"},
};

const SwitchRow kSwitches[] = {
    {"PRTC:BOUT:SVAG", true},
    {"FRCD:BOUT:SVOP", false},
    {"MNTE:SVC:SVAG", false},
};

const SetpointRow kSetpoints[] = {
    {"PRTC:AOUT:PLGS", 0.0, "%.2f"}, {"PRTC:AOUT:AXGS", 0.0, "%.3f"}, {"PRTC:AOUT:CRGS", 0.0, "%.3f"},
    {"PRTC:AOUT:MUGS", 0.0, "%.3f"}, {"FRCD:AOUT:OPGS", 0.0, "%.2f"},
};

const InputRow kSteady[] = {
    {"PRTC:AIN:PGCR", "%.1f", 310.0},
    {"PRTC:AIN:PGOPS", "%.1f", 480.0},
    {"PRTC:AIN:TMPGS", "%.1f", 35.2},
};

const char *const kFlowSetpoint[4] = {"PRTC:AOUT:PLGS", "PRTC:AOUT:AXGS", "PRTC:AOUT:CRGS", "PRTC:AOUT:MUGS"};

}  // namespace

void Model::BuildGas()
{
    AddRows(kStored, sizeof kStored / sizeof kStored[0]);
    AddRows(kSwitches, sizeof kSwitches / sizeof kSwitches[0]);
    AddRows(kSetpoints, sizeof kSetpoints / sizeof kSetpoints[0]);
    AddRows(kSteady, sizeof kSteady / sizeof kSteady[0]);

    AddInput("PRTC:AIN:PGAR", "%.1f", 520.0, nullptr, &pgar_);
    AddInput("PRTC:AIN:PGOP", "%.1f", 150.0, [](const Model &m, double l) { return m.On("FRCD:BOUT:SVOP") ? l : 0.0; });
    AddInput("PRTC:AIN:OPGS", "%.2f", 0, [](const Model &m, double l) {
        return l + (m.On("FRCD:BOUT:SVOP") ? std::max(0.0, m.Set("FRCD:AOUT:OPGS")) : 0.0);
    });
    // Measured flows: the reading at zero flow (the level) plus what flows.
    AddInput("PRTC:AIN:PLGS", "%.2f", 0.02,
             [](const Model &m, double l) { return l + m.GasFlow("PRTC:AOUT:PLGS"); });
    AddInput("PRTC:AIN:AXGS", "%.3f", 0.003,
             [](const Model &m, double l) { return l + m.GasFlow("PRTC:AOUT:AXGS"); });
    AddInput("PRTC:AIN:CRGS", "%.3f", 0.004,
             [](const Model &m, double l) { return l + m.GasFlow("PRTC:AOUT:CRGS"); });
    AddInput("PRTC:AIN:MUGS", "%.3f", 0.002,
             [](const Model &m, double l) { return l + m.GasFlow("PRTC:AOUT:MUGS"); });
    // Flow sensors of the automatic flow controller: differential pressure
    // (DP) grows with the flow, back pressure (BP) with the line pressure; the
    // level is each sensor's true zero offset in volts.
    AddInput("PRTC:AIN:PLDP", "%.3f", 0.152,
             [](const Model &m, double l) { return l + 0.200 * m.GasFlow("PRTC:AOUT:PLGS"); });
    AddInput("PRTC:AIN:AXDP", "%.3f", 0.148,
             [](const Model &m, double l) { return l + 1.600 * m.GasFlow("PRTC:AOUT:AXGS"); });
    AddInput("PRTC:AIN:CRDP", "%.3f", 0.161,
             [](const Model &m, double l) { return l + 1.600 * m.GasFlow("PRTC:AOUT:CRGS"); });
    AddInput("PRTC:AIN:MUDP", "%.3f", 0.139,
             [](const Model &m, double l) { return l + 1.600 * m.GasFlow("PRTC:AOUT:MUGS"); });
    AddInput("PRTC:AIN:PLBP", "%.3f", 0.205, [](const Model &m, double l) { return l + 0.004 * m.pgar_; });
    AddInput("PRTC:AIN:AXBP", "%.3f", 0.198, [](const Model &m, double l) { return l + 0.004 * m.pgar_; });
    AddInput("PRTC:AIN:CRBP", "%.3f", 0.211, [](const Model &m, double l) { return l + 0.004 * m.pgar_; });
    AddInput("PRTC:AIN:MUBP", "%.3f", 0.187, [](const Model &m, double l) { return l + 0.004 * m.pgar_; });
    AddInput("PRTC:AIN:PLDPKPA", "%.2f", 0.05,
             [](const Model &m, double l) { return l + 0.45 * m.GasFlow("PRTC:AOUT:PLGS"); });
    AddInput("PRTC:AIN:AXDPKPA", "%.2f", 0.04,
             [](const Model &m, double l) { return l + 4.1 * m.GasFlow("PRTC:AOUT:AXGS"); });
    AddInput("PRTC:AIN:CRDPKPA", "%.2f", 0.06,
             [](const Model &m, double l) { return l + 4.1 * m.GasFlow("PRTC:AOUT:CRGS"); });
    AddInput("PRTC:AIN:MUDPKPA", "%.2f", 0.05,
             [](const Model &m, double l) { return l + 4.1 * m.GasFlow("PRTC:AOUT:MUGS"); });
    AddInput("PRTC:AIN:PLBPKPA", "%.0f", 3, [](const Model &m, double l) { return l + 0.58 * m.pgar_; });
    AddInput("PRTC:AIN:AXBPKPA", "%.0f", 2, [](const Model &m, double l) { return l + 0.55 * m.pgar_; });
    AddInput("PRTC:AIN:CRBPKPA", "%.0f", 2, [](const Model &m, double l) { return l + 0.57 * m.pgar_; });
    AddInput("PRTC:AIN:MUBPKPA", "%.0f", 3, [](const Model &m, double l) { return l + 0.56 * m.pgar_; });

    AddCustom(
        "PRTC:FLOW:STAT",
        [](Model &m, const std::string &args, std::string *out) {
            if (!args.empty())
                return Outcome::Malformed;
            m.Advance(m.flowAdj_, true);
            *out = Format("%d", m.flowAdj_.code);
            return Outcome::Ok;
        },
        nullptr);
    AddCustom("PRTC:FLOW:ADJ", nullptr, [](Model &m, const std::string &args) {
        if (!args.empty())
            return Outcome::Malformed;
        if (m.flowAdj_.code == 0)
            m.flowAdj_ = Sequence{1, 0, m.now_};
        return Outcome::Ok;
    });
}

// What flows through one argon channel: its set point, while the line holds
// enough pressure to deliver it.
double Model::GasFlow(const char *setpoint) const
{
    return std::max(0.0, Set(setpoint)) * std::min(1.0, pgar_ / 100.0);
}

// Argon line: fed through the main valve; with the valve closed it vents
// through the flow controllers that are set to flow.
void Model::TickGas()
{
    if (On("PRTC:BOUT:SVAG")) {
        RelaxLinear(pgar_, Level("PRTC:AIN:PGAR"), 0.5);
        return;
    }
    double flows = 0;
    for (const char *flow : kFlowSetpoint)
        flows += std::max(0.0, Set(flow));
    // Venting at 20/2/2/2 L/min empties the line to well below 1 kPa within
    // a handful of exchanges, so the back-pressure sensors then read their
    // zero offsets.
    if (flows > 0)
        pgar_ *= std::max(0.1, 1.0 - 0.04 * flows);
}

// A finished flow adjustment leaves new sensor offsets.
void Model::FinishFlowAdjustment()
{
    ++adjustments_;
    static const char *const kOffsets[] = {"SYS:OFFSET:PLGS", "SYS:OFFSET:AXGS", "SYS:OFFSET:CRGS",
                                           "SYS:OFFSET:MUGS", "SYS:OFFSET:OPGS"};
    int k = 0;
    for (const char *path : kOffsets) {
        ++k;
        stored_[path] = Format("%.3f", (((k * 3 + adjustments_ * 5) % 9) - 4) * 0.004);
    }
}

}  // namespace tvsim

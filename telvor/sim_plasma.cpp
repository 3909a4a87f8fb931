/*
 * sim_plasma.cpp -- the plasma RF generator and torch: the ignition recipe
 * stored in the instrument, the generator's switches and set points, its
 * readings (forward and reflected power, drain currents, capacitor
 * positions), and the ignition sequence that "PLSM:IGNT" starts: purge,
 * ignite, plasma on -- or, in a scenario that asks for it, a failed ignition.
 */
#include <algorithm>

#include "sim_model_parts.h"

namespace tvsim {

namespace {

const StoredRow kStored[] = {
    {"SYS:IGNT:PLGS", "18.00,15.00,16.00"},
    {"SYS:IGNT:AXGS", "1.50,1.00,0.90"},
    {"SYS:IGNT:CRGS", "0.60,0.40,0.00"},
    {"SYS:IGNT:CRGSORGN", "0.30"},
    {"SYS:IGNT:MUGS", "0.20,0.10,0.00"},
    {"SYS:IGNT:OPGS", "0.00,2.50,0.00"},
    {"SYS:IGNT:SRPS", "1.850,0.050,30"},
    {"SYS:IGNT:SHPS", "2.120,2.350,0.050,30"},
    {"SYS:IGNT:PF", "600,1200,1550"},
    {"SYS:IGNT:PFJMP", "900"},
    {"SYS:IGNT:PFORGN", "1600"},
    {"SYS:IGNT:PRLMT", "200,100"},
    {"SYS:IGNT:PR", "300,5"},
    {"SYS:IGNT:PURG", "20"},
    {"SYS:IGNT:IGWT", "3"},
    {"SYS:IGNT:XPOS", "5.0000"},
    // installation options sent before an ignition
    {"OPT:SPRAY", "1"},
    {"PLSM:SHLD", "1"},
    {"PLSM:SMPL", "0"},
    {"SYS:IMT:PUMP", "0"},
};

const SwitchRow kSwitches[] = {
    {"PRTC:BOUT:SRRM", false}, {"PRTC:BOUT:RFFAN", true}, {"PRTC:BOUT:RFOSC", false},
    {"PRTC:BOUT:RFON", false}, {"PRTC:BOUT:IGNT", false},
};

const SetpointRow kSetpoints[] = {
    {"PRTC:AOUT:PF", 0.0, "%.0f"},     {"PRTC:AOUT:PRLMT", 200.0, "%.0f"}, {"PRTC:AOUT:SRPS", 1.850, "%.3f"},
    {"PRTC:AOUT:SHPS", 2.120, "%.3f"}, {"PRTC:AOUT:RFTH", 0.512, "%.3f"},
};

// Error bits of the generator: 0 unless a scenario sets them.
const char *const kQuietBits[] = {
    "PRTC:BIN:RFIDER", "PRTC:BIN:RFTMPE", "PRTC:BIN:UNBLER", "PRTC:BIN:DCNCER",  "PRTC:BIN:RFLVER",
    "PRTC:BIN:RFFBER", "PRTC:BIN:RFFANER", "PRTC:BIN:MNBFAN", "PRTC:BIN:PRER", "PRTC:BIN:RF48VER",
    "PRTC:BIN:RFPSNC", "PRTC:BIN:RFER",
};

// Readings that stay at their level.
const InputRow kSteady[] = {
    {"PRTC:AIN:RFV12", "%.2f", 12.02}, {"PRTC:AIN:RFBI", "%.3f", 1.250},  {"PRTC:AIN:RFBIAS", "%.3f", 1.250},
    {"PRTC:AIN:RFDV", "%.2f", 11.95},  {"PRTC:AIN:RFTHS", "%.3f", 0.512}, {"PRTC:AIN:CHK12V", "%.2f", 12.05},
    {"PRTC:AIN:CHKP5", "%.3f", 5.012}, {"PRTC:AIN:RFDVS", "%.2f", 12.00}, {"PRTC:AIN:MSPF", "%.0f", 35},
    {"PRTC:AIN:MSRF", "%.0f", 1},
};

const char *const kFlowSetpoint[4] = {"PRTC:AOUT:PLGS", "PRTC:AOUT:AXGS", "PRTC:AOUT:CRGS", "PRTC:AOUT:MUGS"};

// The generator's enables, which the ignition takes over from the panel.
const char *const kGeneratorDrive[] = {"PRTC:BOUT:RFOSC", "PRTC:BOUT:RFON"};

}  // namespace

// The ignition holds what it needs itself: the +48 V supply, the generator's
// fan, the argon valve and the coil's cooling water.
void Model::StartIgnition()
{
    plasma_ = Sequence{1, 0, now_};
    Switch("PRTC:BOUT:S24ON", true);
    Switch("PRTC:BOUT:RFFAN", true);
    Switch("PRTC:BOUT:SVAG", true);
    Switch("PRTC:BOUT:SVW", true);
    SetOutput("PRTC:AOUT:PLGS", StoredField("SYS:IGNT:PLGS", 1));
    SetOutput("PRTC:AOUT:AXGS", StoredField("SYS:IGNT:AXGS", 1));
    SetOutput("PRTC:AOUT:CRGS", StoredField("SYS:IGNT:CRGS", 1));
    SetOutput("PRTC:AOUT:MUGS", StoredField("SYS:IGNT:MUGS", 1));
    SetOutput("PRTC:AOUT:SRPS", StoredField("SYS:IGNT:SRPS", 1));
    SetOutput("PRTC:AOUT:SHPS", StoredField("SYS:IGNT:SHPS", 1));
}

// No plasma: the generator stops, the igniter is off, no gas flows.
void Model::StopPlasma()
{
    for (const char *drive : kGeneratorDrive)
        Switch(drive, false);
    Switch("PRTC:BOUT:IGNT", false);
    for (const char *flow : kFlowSetpoint)
        SetOutput(flow, 0.0);
}

void Model::BuildPlasma()
{
    AddRows(kStored, sizeof kStored / sizeof kStored[0]);
    AddRows(kSwitches, sizeof kSwitches / sizeof kSwitches[0]);
    AddRows(kSetpoints, sizeof kSetpoints / sizeof kSetpoints[0]);
    AddRows(kSteady, sizeof kSteady / sizeof kSteady[0]);
    for (const char *bit : kQuietBits)
        AddInput(bit, "%.0f", 0);
    // Ignition phases end after two status polls or after their time, so a
    // panel polling every four seconds sees the plasma lit within two polls.
    plasmaPurge_ = {2, 3000};
    plasmaIgnite_ = {2, 2000};

    // Without its +48 V supply the generator's drain voltage collapses: the
    // supply reads low at once, and oscillating on it is a drain-voltage error.
    AddInput("PRTC:BIN:VLOW", "%.0f", 0,
             [](const Model &m, double l) { return m.GeneratorSupplied() ? l : 1.0; });
    AddInput("PRTC:BIN:RFVDER", "%.0f", 0,
             [](const Model &m, double l) { return m.On("PRTC:BOUT:RFOSC") && !m.GeneratorSupplied() ? 1.0 : l; });

    AddInput("PRTC:BIN:PSRAW", "%.0f", 0, [](const Model &m, double l) { return m.plasma_.code >= 2 ? 1.0 : l; });
    AddInput("PRTC:BIN:PSON", "%.0f", 0, [](const Model &m, double l) { return m.PlasmaLit() ? 1.0 : l; });
    AddInput("PRTC:BIN:SRLMTA", "%.0f", 0,
             [](const Model &m, double l) { return m.Set("PRTC:AOUT:SRPS") <= 0.02 ? 1.0 : l; });
    AddInput("PRTC:BIN:SRLMTB", "%.0f", 0,
             [](const Model &m, double l) { return m.Set("PRTC:AOUT:SRPS") >= 4.08 ? 1.0 : l; });
    AddInput("PRTC:BIN:SHLMTA", "%.0f", 0,
             [](const Model &m, double l) { return m.Set("PRTC:AOUT:SHPS") <= 0.02 ? 1.0 : l; });
    AddInput("PRTC:BIN:SHLMTB", "%.0f", 0,
             [](const Model &m, double l) { return m.Set("PRTC:AOUT:SHPS") >= 4.08 ? 1.0 : l; });
    AddInput("PRTC:AIN:PF", "%.0f", 0, [](const Model &m, double level) { return m.ForwardPower() + level; });
    AddInput("PRTC:AIN:PR", "%.0f", 0, [](const Model &m, double level) {
        double pf = m.ForwardPower();
        return (pf > 0 ? 3.0 + pf * 0.002 : 0.0) + level;
    });
    AddInput("PRTC:AIN:SRPS", "%.3f", 0, [](const Model &m, double l) { return m.Set("PRTC:AOUT:SRPS") + l; });
    AddInput("PRTC:AIN:SHPS", "%.3f", 0, [](const Model &m, double l) { return m.Set("PRTC:AOUT:SHPS") + l; });
    // Drain currents: the level with the generator idle, plus the power's share.
    AddInput("PRTC:AIN:ID1", "%.2f", 0.02, [](const Model &m, double l) { return l + m.ForwardPower() / 180.0; });
    AddInput("PRTC:AIN:ID2", "%.2f", 0.02, [](const Model &m, double l) { return l + m.ForwardPower() / 183.5; });
    AddInput("PRTC:AIN:ID3", "%.2f", 0.03, [](const Model &m, double l) { return l + m.ForwardPower() / 178.0; });
    AddInput("PRTC:AIN:ID4", "%.2f", 0.02, [](const Model &m, double l) { return l + m.ForwardPower() / 181.0; });
    AddInput("PRTC:AIN:TTA", "%.3f", 31.250, [](const Model &m, double l) { return l + m.ForwardPower() * 0.009; });
    AddInput("PRTC:AIN:TTB", "%.3f", 30.875, [](const Model &m, double l) { return l + m.ForwardPower() * 0.0088; });
    AddInput("PRTC:AIN:VDA", "%.1f", 47.8, [](const Model &m, double l) { return m.GeneratorSupplied() ? l : 0.3; });
    AddInput("PRTC:AIN:VDB", "%.1f", 47.6, [](const Model &m, double l) { return m.GeneratorSupplied() ? l : 0.3; });
    AddInput("PRTC:AIN:VD", "%.2f", 47.85, [](const Model &m, double l) { return m.GeneratorSupplied() ? l : 0.3; });
    AddInput("PRTC:AIN:RF48V", "%.2f", 48.05,
             [](const Model &m, double l) { return m.GeneratorSupplied() ? l : 0.31; });
    AddInput("PRTC:AIN:IDD", "%.3f", 0.120, [](const Model &m, double l) {
        return m.On("PRTC:BOUT:RFOSC") || m.ForwardPower() > 0 ? 0.850 : l;
    });
    AddInput("PRTC:AIN:RFTH", "%.3f", 0, [](const Model &m, double l) { return m.Set("PRTC:AOUT:RFTH") + l; });
    AddInput("PRTC:AIN:IGNT", "%.3f", 0.012, [](const Model &m, double l) {
        return m.On("PRTC:BOUT:IGNT") || m.plasma_.code == 2 ? 9.850 : l;
    });
    AddInput("PRTC:AIN:CHKPH", "%.0f", 3, [](const Model &m, double l) { return m.PlasmaLit() ? l + 9 : l; });
    AddInput("PRTC:AIN:UNBL", "%.3f", 0.012, [](const Model &m, double l) { return m.PlasmaLit() ? l + 0.033 : l; });

    AddCustom(
        "PLSM:STAT",
        [](Model &m, const std::string &args, std::string *out) {
            if (!args.empty())
                return Outcome::Malformed;
            m.Advance(m.plasma_, true);
            *out = Format("%d", m.plasma_.code);
            return Outcome::Ok;
        },
        nullptr,
        [](Model &m, const std::string &value) {
            long code = 0;
            if (!ParseInteger(value, &code) || code < 0 || code > 3)
                return false;
            m.plasma_.code = (int)code;
            m.plasma_.count = 0;
            m.plasma_.start = m.now_;
            if (code == 3) {
                m.plasma_.code = 2;
                m.Finish(m.plasma_);  // the effects of a lit plasma
            }
            return true;
        });
    AddCustom("PLSM:IGNT", nullptr, [](Model &m, const std::string &args) {
        if (!args.empty())
            return Outcome::Malformed;
        if (m.plasma_.code == 0)
            m.StartIgnition();
        return Outcome::Ok;
    });
    AddCustom("PLSM:EXTN", nullptr, [](Model &m, const std::string &args) {
        if (!args.empty())
            return Outcome::Malformed;
        m.plasma_ = Sequence{0, 0, m.now_};
        m.StopPlasma();
        return Outcome::Ok;
    });
}

// While the ignition runs or the plasma burns, the instrument keeps the
// generator supplied whatever the panel's switches say.
bool Model::GeneratorSupplied() const
{
    return On("PRTC:BOUT:S24ON") || plasma_.code >= 2;
}

double Model::ForwardPower() const
{
    if (PlasmaLit())
        return StoredField("SYS:IGNT:PF", 3);
    if (plasma_.code == 2)
        return StoredField("SYS:IGNT:PF", 2);
    if (plasma_.code == 1)
        return 0.0;
    return On("PRTC:BOUT:RFOSC") && On("PRTC:BOUT:RFON") ? std::max(0.0, Set("PRTC:AOUT:PF")) : 0.0;
}

// The end of an ignition phase: purge gives way to ignition, ignition to a
// lit plasma (or, when the scenario makes ignition fail, back to idle).
int Model::FinishPlasma(int code)
{
    if (code == 1) {
        SetOutput("PRTC:AOUT:PLGS", StoredField("SYS:IGNT:PLGS", 2));
        SetOutput("PRTC:AOUT:AXGS", StoredField("SYS:IGNT:AXGS", 2));
        SetOutput("PRTC:AOUT:CRGS", StoredField("SYS:IGNT:CRGS", 2));
        SetOutput("PRTC:AOUT:MUGS", StoredField("SYS:IGNT:MUGS", 2));
        for (const char *drive : kGeneratorDrive)
            Switch(drive, true);
        Switch("PRTC:BOUT:IGNT", true);
        return 2;
    }
    if (plasmaFails_) {
        StopPlasma();
        return 0;
    }
    for (const char *drive : kGeneratorDrive)
        Switch(drive, true);
    Switch("PRTC:BOUT:IGNT", false);
    Switch("PRTC:BOUT:S24ON", true);
    Switch("PRTC:BOUT:SVAG", true);
    SetOutput("PRTC:AOUT:PLGS", StoredField("SYS:IGNT:PLGS", 3));
    SetOutput("PRTC:AOUT:AXGS", StoredField("SYS:IGNT:AXGS", 3));
    SetOutput("PRTC:AOUT:CRGS", 0.850);  // the tuned carrier and makeup flows
    SetOutput("PRTC:AOUT:MUGS", 0.150);
    SetOutput("PRTC:AOUT:SHPS", StoredField("SYS:IGNT:SHPS", 2));
    return 3;
}

}  // namespace tvsim

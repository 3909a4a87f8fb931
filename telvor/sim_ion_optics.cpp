/*
 * sim_ion_optics.cpp -- the mass filter (QP driver, bias, mass command) and
 * the ion lenses: lens voltages that read back what was set while the lens
 * supply is enabled, the supply readbacks, the stored calibration pairs, and
 * the lens calibration that "PRTC:LENS:ADJ" starts and that rewrites them.
 */
#include <algorithm>

#include "sim_model_parts.h"

namespace tvsim {

namespace {

const StoredRow kStored[] = {
    {"ACQ:AXIS", "1"},
    // mass filter
    {"SYS:QPFRQ", "2.950"},
    {"SYS:AXIS", "1.0250,-0.12"},
    {"SYS:AMUGIN", "12"},
    {"SYS:AMUOFST", "-3"},
    {"SYS:LINEAR", "7,0.0012"},
    {"SYS:QPLINEAR", "0.0015,-0.0008"},
    {"SYS:STBMS", "5.00"},
    {"SYS:QPERR:TPICKUP", "70"},
    {"SYS:QPERR:TPOWER", "0.700"},
    {"SYS:QPERR:HVP", "540,660"},
    {"SYS:QPERR:HVN", "540,660"},
    // lens calibration of the detector gates
    {"SYS:ADJ:EMEL", "0.99850,0.120"},
    {"SYS:ADJ:EMGVA", "1.00210,-0.210"},
};

const SwitchRow kSwitches[] = {
    {"PRTC:BOUT:LHVEN", true}, {"PRTC:BOUT:QPFAN", true}, {"PRTC:BOUT:QPTC", true}, {"PRTC:BOUT:PBCLR", false},
};

const SetpointRow kSetpoints[] = {
    {"PRTC:MASS:PBIA", -3.0, "%.1f"},
    {"PRTC:MASS:QPFRQ", 2.950, "%.3f"},
};

const InputRow kSteady[] = {
    {"PRTC:AIN:QPFAD", "%.3f", 1.250}, {"PRTC:AIN:P600V", "%.1f", 598.5},  {"PRTC:AIN:N600V", "%.1f", -601.2},
    {"PRTC:AIN:TMPQPP", "%.3f", 0.452}, {"PRTC:AIN:HVL5", "%.3f", 5.008}, {"PRTC:AIN:HVL12", "%.2f", 12.03},
};

// Tuned lens voltages, lens 1 to 10.
const double kLensTune[11] = {0, -120.0, -80.0, -10.0, -60.0, -20.0, -5.0, -35.0, -1.0, -8.0, -3.0};

// New lens calibration pairs after calibration run `run` (deterministic, inside 0.9..1.1 and +-9.999).
std::string CalibrationPair(int lens, int run)
{
    double slope = 1.0 + (((lens * 7 + run * 3) % 13) - 6) * 0.00037;
    double offset = (((lens * 5 + run * 11) % 17) - 8) * 0.011;
    return Format("%.5f,%.3f", slope, offset);
}

}  // namespace

void Model::BuildIonOptics()
{
    AddRows(kStored, sizeof kStored / sizeof kStored[0]);
    Node &cal = Add("SYS:ADJ:LENS", Kind::StoredIndexed);
    cal.fields = 2;
    cal.indexMin = 1;
    cal.indexMax = 10;
    for (int n = 1; n <= 10; ++n)
        stored_[Format("SYS:ADJ:LENS %d", n)] = CalibrationPair(n, 0);

    AddRows(kSwitches, sizeof kSwitches / sizeof kSwitches[0]);
    AddRows(kSetpoints, sizeof kSetpoints / sizeof kSetpoints[0]);
    Tune("PRTC:MASS:PBIA");
    Node &lens = Add("PRTC:AOUT:LENS", Kind::SetpointIndexed);
    lens.format = "%.1f";
    lens.indexMin = 1;
    lens.indexMax = 10;
    for (int n = 1; n <= 10; ++n) {
        setpoints_[Format("PRTC:AOUT:LENS %d", n)] = kLensTune[n];
        Tune(Format("PRTC:AOUT:LENS %d", n));
    }
    AddRows(kSteady, sizeof kSteady / sizeof kSteady[0]);
    AddInput("PRTC:BIN:QPFAN", "%.0f", 0);

    // ---- mass filter
    AddInput("PRTC:AIN:UVPOS", "%.1f", 0.5, [](const Model &m, double l) { return l + 1.04 * std::max(m.mass_, 0.0); });
    AddInput("PRTC:AIN:UVNEG", "%.1f", -0.5,
             [](const Model &m, double l) { return l - 1.04 * std::max(m.mass_, 0.0); });
    AddInput("PRTC:AIN:VV", "%.1f", 2.0, [](const Model &m, double l) { return l + 6.2 * std::max(m.mass_, 0.0); });
    AddInput("PRTC:AIN:QPPHC", "%.2f", 0.85, [](const Model &m, double l) { return m.On("PRTC:BOUT:QPTC") ? l : 0.01; });
    AddInput("PRTC:AIN:PBMON", "%.3f", 0, [](const Model &m, double l) {
        return l + m.Set("PRTC:MASS:PBIA") + (m.On("PRTC:BOUT:PBCLR") ? 20.0 : 0.0);
    });
    AddInput("PRTC:AIN:TMPQP", "%.1f", 45.2, nullptr, &tmpqp_);

    // ---- lenses (the readback "PRTC:AIN:LENS? n" is custom, below)
    AddInput("PRTC:AIN:MVP", "%.3f", 250.4, [](const Model &m, double l) { return m.On("PRTC:BOUT:LHVEN") ? l : 0.2; });
    AddInput("PRTC:AIN:MVN", "%.3f", -249.8, [](const Model &m, double l) { return m.On("PRTC:BOUT:LHVEN") ? l : -0.2; });
    AddInput("PRTC:AIN:HVP", "%.3f", 550.6, [](const Model &m, double l) { return m.On("PRTC:BOUT:LHVEN") ? l : 0.4; });
    AddInput("PRTC:AIN:HVS24", "%.1f", 24.1, [](const Model &m, double l) { return m.On("PRTC:BOUT:S24ON") ? l : 0.2; });

    AddCustom(
        "PRTC:AIN:LENS",
        [](Model &m, const std::string &args, std::string *out) {
            int n = 0;
            if (!ParseIndex(args, 1, 10, &n))
                return Outcome::Malformed;
            double v = m.On("PRTC:BOUT:LHVEN") ? m.setpoints_[Format("PRTC:AOUT:LENS %d", n)] : 0.0;
            *out = Format("%.1f", v);
            return Outcome::Ok;
        },
        nullptr);

    AddCustom(
        "PRTC:LENS:STAT",
        [](Model &m, const std::string &args, std::string *out) {
            if (!args.empty())
                return Outcome::Malformed;
            m.Advance(m.lensCal_, true);
            *out = Format("%d", m.lensCal_.code);
            return Outcome::Ok;
        },
        nullptr);
    AddCustom("PRTC:LENS:ADJ", nullptr, [](Model &m, const std::string &args) {
        if (!args.empty())
            return Outcome::Malformed;
        if (m.lensCal_.code == 0)
            m.lensCal_ = Sequence{1, 0, m.now_};
        return Outcome::Ok;
    });

    AddCustom(
        "PRTC:MASS:MASS",
        [](Model &m, const std::string &args, std::string *out) {
            if (!args.empty())
                return Outcome::Malformed;
            *out = Format("%d,%.2f", m.gateCode_, m.mass_);
            return Outcome::Ok;
        },
        [](Model &m, const std::string &args) {
            std::vector<std::string> items = Split(args, ',');
            int code = 0;
            double mass = 0;
            if (items.size() != 2 || !ParseIndex(items[0], 0, 15, &code) || !ParseNumber(items[1], &mass))
                return Outcome::Malformed;
            m.gateCode_ = code;
            m.mass_ = mass;
            return Outcome::Ok;
        });
}

void Model::TickIonOptics()
{
    RelaxLinear(tmpqp_, On("PRTC:BOUT:QPTC") ? Level("PRTC:AIN:TMPQP") : 28.0, 0.05);
}

// A finished lens calibration leaves new pairs for every lens and both gates.
void Model::FinishLensCalibration()
{
    ++calibrations_;
    for (int n = 1; n <= 10; ++n)
        stored_[Format("SYS:ADJ:LENS %d", n)] = CalibrationPair(n, calibrations_);
    stored_["SYS:ADJ:EMEL"] = CalibrationPair(11, calibrations_);
    stored_["SYS:ADJ:EMGVA"] = CalibrationPair(12, calibrations_);
}

}  // namespace tvsim

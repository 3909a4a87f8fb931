/*
 * sim_detector.cpp -- the detector: analog and pulse high voltages that
 * ramp toward their set points while the HV supply is enabled (and
 * discharge when it is not), the two gates set by the gate code of the mass
 * command, the discriminator, the log amplifier's temperature control, and
 * the detector parameters stored in the instrument.
 */
#include <algorithm>

#include "sim_model_parts.h"

namespace tvsim {

namespace {

const StoredRow kStored[] = {
    {"SYS:EMEL", "-12.0"},
    {"SYS:EMGVA", "185.0"},
    {"SYS:EMGVP", "23.0"},
    {"SYS:EMLMT", "5.000000E+07,1.000000E+11"},
    {"SYS:DTIME", "115,3.800E-08,8.000E-09"},
    {"SYS:EMPA", "5.0E+06,5.0E+03"},
    {"SYS:LOGTLMT", "70"},
    {"SYS:LOG", "128,131"},
    {"SYS:LOGREF", "97"},
    {"SYS:EMWAIT", "1.000000E+09,10.0"},
    {"SYS:EMTUNE", "100.0"},
    {"SYS:DSCRLMT", "8.0"},
};

const char *const kHighVoltage[2] = {"PRTC:AOUT:EMHVA", "PRTC:AOUT:EMHVP"};
const double kRampVoltsPerStep = 60.0;  // the supply's slew: 1850 V take about 30 exchanges
const double kDischargeRate = 0.3;      // share of the voltage lost per exchange with the supply off

const SetpointRow kSetpoints[] = {
    {"PRTC:AOUT:EMHVA", 1850.0, "%.0f"}, {"PRTC:AOUT:EMHVP", 1250.0, "%.0f"}, {"PRTC:AOUT:EMEL", -12.0, "%.1f"},
    {"PRTC:AOUT:EMGVA", 185.0, "%.1f"},  {"PRTC:AOUT:EMGVP", 23.0, "%.1f"},   {"PRTC:MASS:DSCR", 10.0, "%.1f"},
};

}  // namespace

void Model::BuildDetector()
{
    AddRows(kStored, sizeof kStored / sizeof kStored[0]);
    AddSwitch("PRTC:MASS:TLOGSW", true);
    AddRows(kSetpoints, sizeof kSetpoints / sizeof kSetpoints[0]);
    Tune("PRTC:AOUT:EMHVA");
    Tune("PRTC:AOUT:EMHVP");
    Tune("PRTC:MASS:DSCR");

    AddInput("PRTC:BIN:EMPRA", "%.0f", 0, [](const Model &m, double l) { return (m.gateCode_ & 4) ? l : 1.0; });
    AddInput("PRTC:BIN:EMPRP", "%.0f", 0, [](const Model &m, double l) { return (m.gateCode_ & 8) ? l : 1.0; });
    // The supply starts at its tuned voltages (it is enabled by default).
    for (int i = 0; i < 2; ++i)
        emhv_[i] = setpoints_[kHighVoltage[i]];
    AddInput("PRTC:AIN:EMHVA", "%.1f", 0, [](const Model &m, double l) { return m.emhv_[0] + l; });
    AddInput("PRTC:AIN:EMHVP", "%.1f", 0, [](const Model &m, double l) { return m.emhv_[1] + l; });
    AddInput("PRTC:AIN:EMGVA", "%.1f", 0, [](const Model &m, double l) {
        return l + ((m.gateCode_ & 4) ? m.Set("PRTC:AOUT:EMGVA") : m.Set("PRTC:AOUT:EMEL"));
    });
    AddInput("PRTC:AIN:EMGVP", "%.1f", 0.5, [](const Model &m, double l) {
        return (m.gateCode_ & 8) ? m.emhv_[1] * m.Set("PRTC:AOUT:EMGVP") / 100.0 : l;
    });
    AddInput("PRTC:MASS:TLOGA", "%.0f", 40, nullptr, &tloga_);
}

void Model::TickDetector()
{
    for (int i = 0; i < 2; ++i) {
        double &v = emhv_[i];
        if (!On("PRTC:BOUT:LHVEN")) {
            RelaxLinear(v, 0.0, kDischargeRate);
            if (v < 0.5)
                v = 0.0;
            continue;
        }
        double target = Set(kHighVoltage[i]);
        v = target > v ? std::min(target, v + kRampVoltsPerStep) : std::max(target, v - kRampVoltsPerStep);
    }
    RelaxLinear(tloga_, On("PRTC:MASS:TLOGSW") ? Level("PRTC:MASS:TLOGA") : 27.0, 0.05);
}

}  // namespace tvsim

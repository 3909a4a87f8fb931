/*
 * sim_water.cpp -- the water controller and the spray chamber chiller: the
 * water valve and the flows it feeds, the chiller that "PRTC:TMPS:STRT"
 * starts at a set temperature and "PRTC:TMPS:STOP" stops, the chamber
 * temperature drifting toward the set point or the room, and the stored
 * flow and temperature limits. With the valve shut the flows stop and the
 * water reads warmer.
 */
#include "sim_model_parts.h"

namespace tvsim {

namespace {

const StoredRow kStored[] = {
    {"SYS:FSIF", "0.800,1.000"},
    {"SYS:FSRF", "1.000,1.200"},
    {"SYS:RFWCIF", "0.800,1.000"},
    {"SYS:TMPCL", "10.0"},
    {"SYS:TMPC", "35.0,30.0"},
    {"SYS:TMPST", "2.00"},
    {"SYS:TMPSH", "40.0,-10.0"},
};

const InputRow kSteady[] = {
    {"PRTC:AIN:CHKVMF", "%.2f", -15.02},
};

// How much warmer the water in the controller reads with its valve shut.
const double kStagnantWarming = 6.0;

}  // namespace

void Model::BuildWaterChiller()
{
    AddRows(kStored, sizeof kStored / sizeof kStored[0]);
    AddSwitch("PRTC:BOUT:SVW", true);
    AddRows(kSteady, sizeof kSteady / sizeof kSteady[0]);

    AddInput("PRTC:AIN:FSIF", "%.3f", 1.850, [](const Model &m, double l) { return m.On("PRTC:BOUT:SVW") ? l : 0.012; });
    AddInput("PRTC:AIN:FSRF", "%.3f", 2.350, [](const Model &m, double l) { return m.On("PRTC:BOUT:SVW") ? l : 0.010; });
    AddInput("PRTC:AIN:RFWCIF", "%.3f", 4.150,
             [](const Model &m, double l) { return m.On("PRTC:BOUT:SVW") ? l : 0.015; });
    AddInput("PRTC:AIN:TMPC", "%.1f", 21.5,
             [](const Model &m, double l) { return m.On("PRTC:BOUT:SVW") ? l : l + kStagnantWarming; });
    // Level of the chamber temperature: the room it drifts to without control.
    AddInput("PRTC:AIN:TMPS", "%.2f", 22.0, [](const Model &m, double) { return m.tmps_; });
    AddInput("PRTC:AIN:TMPSH", "%.2f", 0.25, [](const Model &m, double l) { return m.tmps_ + l; });
    AddInput("PRTC:AIN:CHKPEL", "%.1f", 8.5, [](const Model &m, double l) { return m.chiller_ ? l : 0.1; });

    AddCustom("PRTC:TMPS:STRT", nullptr, [](Model &m, const std::string &args) {
        double v = 0;
        if (!ParseNumber(args, &v))
            return Outcome::Malformed;
        m.chiller_ = true;
        m.chillerSet_ = v;
        return Outcome::Ok;
    });
    AddCustom("PRTC:TMPS:STOP", nullptr, [](Model &m, const std::string &args) {
        if (!args.empty())
            return Outcome::Malformed;
        m.chiller_ = false;
        return Outcome::Ok;
    });
}

void Model::TickWaterChiller()
{
    RelaxLinear(tmps_, chiller_ && On("PRTC:BOUT:SVW") ? chillerSet_ + 0.05 : Level("PRTC:AIN:TMPS"), 0.1);
}

}  // namespace tvsim

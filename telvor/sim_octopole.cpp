/*
 * sim_octopole.cpp -- the octopole ion guide: its RF amplitude, FET bias and
 * frequency set points, the RF enable and feedback switches, the readbacks
 * that follow them, and its parameters stored in the instrument.
 *
 * With the feedback on (the normal mode) the RF amplitude is regulated to
 * its set point; with it off (the panel's frequency tuning mode) the
 * amplifier runs open loop and the amplitude follows the oscillator level.
 */
#include "sim_model_parts.h"

namespace tvsim {

namespace {

const StoredRow kStored[] = {
    {"SYS:OCP", "45.0,7"},
    {"SYS:OPFRQ", "9.000"},
    {"SYS:OPRFL", "25.0"},
    {"SYS:OCPENB", "1"},
};

const SwitchRow kSwitches[] = {
    {"PRTC:BOUT:OPFB", true},
    {"PRTC:BOUT:OPRFEN", true},
};

const SetpointRow kSetpoints[] = {
    {"PRTC:LENS:OPA", 180.0, "%.1f"},   {"PRTC:LENS:OPFETB", 2.5, "%.1f"},
    {"PRTC:LENS:OPFRQ", 9.000, "%.3f"}, {"PRTC:LENS:OPRFL", 80.0, "%.1f"},
};

const char *const kQuietBits[] = {"PRTC:BIN:OPFBER", "PRTC:BIN:OPIDER"};

const double kOpenLoopVoltsPerPercent = 2.5;  // amplitude per % of oscillator level without feedback

}  // namespace

void Model::BuildOctopole()
{
    AddRows(kStored, sizeof kStored / sizeof kStored[0]);
    AddRows(kSwitches, sizeof kSwitches / sizeof kSwitches[0]);
    AddRows(kSetpoints, sizeof kSetpoints / sizeof kSetpoints[0]);
    Tune("PRTC:LENS:OPA");
    Tune("PRTC:LENS:OPFETB");
    for (const char *bit : kQuietBits)
        AddInput(bit, "%.0f", 0);

    // The RF readbacks: the amplitude delivered plus the readback's offset (its level).
    ComputeFn rf = [](const Model &m, double l) {
        if (!m.On("PRTC:BOUT:OPRFEN"))
            return 0.1;
        double amplitude = m.On("PRTC:BOUT:OPFB") ? m.Set("PRTC:LENS:OPA")
                                                  : kOpenLoopVoltsPerPercent * m.Set("PRTC:LENS:OPRFL");
        return amplitude + l;
    };
    AddInput("PRTC:AIN:OPAP", "%.1f", 0.3, rf);
    AddInput("PRTC:AIN:OPAN", "%.1f", -0.3, rf);
    AddInput("PRTC:AIN:OPA", "%.1f", 0, rf);
    AddInput("PRTC:AIN:OPBIA", "%.3f", 0, [](const Model &m, double l) { return m.Set("PRTC:LENS:OPFETB") + l; });
    AddInput("PRTC:AIN:OPID", "%.3f", 0.850,
             [](const Model &m, double l) { return m.On("PRTC:BOUT:OPRFEN") ? l : 0.005; });
}

}  // namespace tvsim

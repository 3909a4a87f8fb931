/*
 * sim_stage.cpp -- the torch XYZ stage: target positions, the origins stored
 * in the instrument, the limit switches, and the initialisation that
 * "PRTC:XYZ:INI" starts (the stage homes, then knows its position again and
 * reports it on track). While on track the stage travels toward its targets
 * at a fixed speed per exchange; the end sensors read 1 at the ends of its
 * travel.
 */
#include "sim_model_parts.h"

namespace tvsim {

namespace {

const StoredRow kStored[] = {
    {"SYS:ADJ:XPOS", "1.2500"},
    {"SYS:ADJ:YPOS", "-0.5000"},
    {"SYS:ADJ:ZPOS", "0.3"},
};

const SetpointRow kSetpoints[] = {
    {"FRCD:XYZ:XPOS", 5.0, "%.4f"},
    {"FRCD:XYZ:YPOS", 0.25, "%.4f"},
    {"FRCD:XYZ:ZPOS", -0.125, "%.5f"},
};

const char *const kQuietBits[] = {"PRTC:BIN:XINIERR", "PRTC:BIN:YINIERR", "PRTC:BIN:ZINIERR", "PRTC:BIN:XYZERR",
                                  "PRTC:BIN:XYZMNT"};

// Travel per exchange (mm) of each axis, and the ends of the X and Y travel.
const double kTravel[3] = {0.5, 0.5, 0.25};
const double kXEnd = 40.0, kYEnd = 100.0;

// Moves `position` at most `travel` toward `target`.
void Approach(double &position, double target, double travel)
{
    if (target > position + travel)
        position += travel;
    else if (target < position - travel)
        position -= travel;
    else
        position = target;
}

}  // namespace

void Model::BuildStage()
{
    AddRows(kStored, sizeof kStored / sizeof kStored[0]);
    AddRows(kSetpoints, sizeof kSetpoints / sizeof kSetpoints[0]);
    for (const char *bit : kQuietBits)
        AddInput(bit, "%.0f", 0);

    AddInput(
        "PRTC:BIN:TRCLST", "%.0f", 1,
        [](const Model &m, double) { return m.xyzInit_.code == 0 && m.onTrack_ >= 0.5 ? 1.0 : 0.0; }, &onTrack_);
    AddInput("PRTC:BIN:XLMTL", "%.0f", 0, [](const Model &m, double l) { return m.xyzInit_.code ? 1.0 : l; });
    AddInput("PRTC:BIN:YLMTL", "%.0f", 0, [](const Model &m, double l) { return m.xyzInit_.code ? 1.0 : l; });
    AddInput("PRTC:BIN:ZLMTL", "%.0f", 0, [](const Model &m, double l) { return m.xyzInit_.code ? 1.0 : l; });
    AddInput("PRTC:BIN:XLMTH", "%.0f", 0, [](const Model &m, double l) {
        return !m.xyzInit_.code && m.stage_[0] >= kXEnd ? 1.0 : l;
    });
    AddInput("PRTC:BIN:YLMTH", "%.0f", 0, [](const Model &m, double l) {
        return !m.xyzInit_.code && m.stage_[1] >= kYEnd ? 1.0 : l;
    });

    AddCustom(
        "PRTC:XYZ:STAT",
        [](Model &m, const std::string &args, std::string *out) {
            if (!args.empty())
                return Outcome::Malformed;
            m.Advance(m.xyzInit_, true);
            bool homing = m.xyzInit_.code != 0;
            *out = Format("%d,%.0f,%.4f,%.4f,%.5f", m.xyzInit_.code, m.Level("PRTC:BIN:XYZERR"),
                          homing ? 0.0 : m.stage_[0], homing ? 0.0 : m.stage_[1], homing ? 0.0 : m.stage_[2]);
            return Outcome::Ok;
        },
        nullptr);
    AddCustom("PRTC:XYZ:INI", nullptr, [](Model &m, const std::string &args) {
        if (!args.empty())
            return Outcome::Malformed;
        if (m.xyzInit_.code == 0)
            m.xyzInit_ = Sequence{1, 0, m.now_};
        return Outcome::Ok;
    });
}

// The stage travels toward its targets while it knows where it is.
void Model::TickStage()
{
    if (onTrack_ < 0.5 || xyzInit_.code != 0)
        return;
    Approach(stage_[0], Set("FRCD:XYZ:XPOS"), kTravel[0]);
    Approach(stage_[1], Set("FRCD:XYZ:YPOS"), kTravel[1]);
    Approach(stage_[2], Set("FRCD:XYZ:ZPOS"), kTravel[2]);
}

// A finished initialisation: the stage stands at its home, knows its
// position again and sets off toward its targets.
void Model::FinishStageInit()
{
    onTrack_ = 1;
    stage_[0] = stage_[1] = stage_[2] = 0.0;
}

}  // namespace tvsim

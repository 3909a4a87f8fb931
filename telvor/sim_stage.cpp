/*
 * sim_stage.cpp -- the torch XYZ stage: target positions, the origins stored
 * in the instrument, the limit switches, and the initialisation that
 * "PRTC:XYZ:INI" starts (the stage homes, then knows its position again and
 * reports it on track). While on track the stage follows its targets.
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

const char *const kQuietBits[] = {"PRTC:BIN:XLMTH",   "PRTC:BIN:YLMTH",  "PRTC:BIN:XINIERR", "PRTC:BIN:YINIERR",
                                  "PRTC:BIN:ZINIERR", "PRTC:BIN:XYZERR", "PRTC:BIN:XYZMNT"};

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

// The stage follows its targets while it knows where it is.
void Model::TickStage()
{
    if (onTrack_ >= 0.5 && xyzInit_.code == 0) {
        stage_[0] = Set("FRCD:XYZ:XPOS");
        stage_[1] = Set("FRCD:XYZ:YPOS");
        stage_[2] = Set("FRCD:XYZ:ZPOS");
    }
}

// A finished initialisation: the stage is home and on track at its targets.
void Model::FinishStageInit()
{
    onTrack_ = 1;
    stage_[0] = Set("FRCD:XYZ:XPOS");
    stage_[1] = Set("FRCD:XYZ:YPOS");
    stage_[2] = Set("FRCD:XYZ:ZPOS");
}

}  // namespace tvsim

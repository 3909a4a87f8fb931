/*
 * sim_system.cpp -- what belongs to no single module: the instrument state,
 * the +24 V supply, the housing (covers, power-supply error bits, air
 * temperatures and their stored limits), the peristaltic pumps, the service
 * commands ("MNTE:SVC:PICDIS"), "TUNE:HSET" that brings the tuned settings
 * back, identification and the error queue.
 */
#include "sim_model_parts.h"

namespace tvsim {

namespace {

const StoredRow kStored[] = {
    {"SYS:TMP1", "45.0,40.0"},
    {"SYS:TMP3", "55.0,50.0"},
};

const SetpointRow kSetpoints[] = {
    {"FRCD:PER:PUMP1", 0.0, "%.2f"},
    {"FRCD:PER:PUMP2", 0.0, "%.2f"},
};

const char *const kQuietBits[] = {"PRTC:BIN:COVR",   "PRTC:BIN:CVOPNER", "PRTC:BIN:ERRPW2", "PRTC:BIN:V24ER",
                                  "PRTC:BIN:ERRPW3", "PRTC:BIN:ERRPW4",  "PRTC:BIN:ERRPW5"};

const InputRow kSteady[] = {
    {"PRTC:AIN:TMP1", "%.1f", 24.3},
    {"PRTC:AIN:TMP3", "%.1f", 31.8},
};

}  // namespace

void Model::BuildSystem()
{
    AddRows(kStored, sizeof kStored / sizeof kStored[0]);
    AddSwitch("PRTC:BOUT:S24ON", true);
    AddRows(kSetpoints, sizeof kSetpoints / sizeof kSetpoints[0]);
    AddRows(kSteady, sizeof kSteady / sizeof kSteady[0]);
    for (const char *bit : kQuietBits)
        AddInput(bit, "%.0f", 0);
    AddInput("TRNS:STAT", "%.0f", 1);

    // "TUNE:HSET 1": the tuned settings come back (lenses, detector, octopole, QP bias).
    AddCustom("TUNE:HSET", nullptr, [](Model &m, const std::string &args) {
        long v = 0;
        if (!ParseInteger(args, &v))
            return Outcome::Malformed;
        for (const auto &t : m.tuned_)
            m.setpoints_[t.first] = t.second;
        m.Switch("PRTC:BOUT:LHVEN", true);
        m.Switch("PRTC:BOUT:OPRFEN", true);
        return Outcome::Ok;
    });

    AddCustom(
        "MNTE:SVC:PICDIS",
        [](Model &m, const std::string &args, std::string *out) {
            int n = 0;
            if (!ParseIndex(args, 0, 15, &n))
                return Outcome::Malformed;
            auto it = m.stored_.find(Format("MNTE:SVC:PICDIS %d", n));
            *out = it == m.stored_.end() ? "#H0" : it->second;
            return Outcome::Ok;
        },
        [](Model &m, const std::string &args) {
            std::vector<std::string> items = Split(args, ',');
            int n = 0;
            long mask = 0;
            if (items.size() != 2 || !ParseIndex(items[0], 0, 15, &n) || !ParseInteger(items[1], &mask))
                return Outcome::Malformed;
            m.stored_[Format("MNTE:SVC:PICDIS %d", n)] = Format("#H%lX", mask);
            return Outcome::Ok;
        });

    AddCustom(
        "*IDN",
        [](Model &, const std::string &args, std::string *out) {
            if (!args.empty())
                return Outcome::Malformed;
            *out = "KORVANE TECHNOLOGIES,TELVOR SIMULATED INSTRUMENT,0,1.0";
            return Outcome::Ok;
        },
        nullptr);
    AddCustom(
        "SYST:ERR",
        [](Model &m, const std::string &args, std::string *out) {
            if (!args.empty())
                return Outcome::Malformed;
            if (m.errors_.empty()) {
                *out = "0,\"No error\"";
            } else {
                *out = m.errors_.front();
                m.errors_.pop_front();
            }
            return Outcome::Ok;
        },
        nullptr);
}

}  // namespace tvsim

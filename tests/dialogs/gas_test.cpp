// Gas controller panels (269, 336 with the AFC) and the sensor offset adjustment (343).
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "panel_support.h"

namespace {

using namespace panels;

const Lines kFlowsZero = {"PRTC:AOUT:PLGS 0.00", "PRTC:AOUT:AXGS 0.000", "PRTC:AOUT:CRGS 0.000",
                          "PRTC:AOUT:MUGS 0.000"};
const Lines kReset269 = Concat({kFlowsZero, {"PRTC:BOUT:SVAG OFF", "PRTC:BOUT:SVPRV OFF"}});
const Lines kReset269Op = Concat(
    {kFlowsZero, {"FRCD:AOUT:OPGS 0.00", "PRTC:BOUT:SVAG OFF", "FRCD:BOUT:SVOP OFF", "PRTC:BOUT:SVPRV OFF"}});
const Lines kReset336 = Concat({kFlowsZero, {"PRTC:BOUT:SVAG OFF"}});

const Lines kSysQueries = {"SYS:PLGSL?", "SYS:PLGST?",       "SYS:OFFSET:PLGS?", "SYS:AXGSL?",
                           "SYS:AXGST?", "SYS:OFFSET:AXGS?", "SYS:CRGST?",       "SYS:OFFSET:CRGS?",
                           "SYS:MUGST?", "SYS:OFFSET:MUGS?", "SYS:OPGST?",       "SYS:OFFSET:OPGS?"};

// The AFC adjustment up to its measurement: the bracket opened, the lines vented and zeroed.
const Lines kVentAndZero = {"MNTE:SVC:SVAG 1",         "PRTC:BOUT:SVAG OFF",     "PRTC:AOUT:PLGS 20.000000",
                            "PRTC:AOUT:AXGS 2.000000", "PRTC:AOUT:CRGS 2.000000", "PRTC:AOUT:MUGS 2.000000",
                            "PRTC:AOUT:PLGS 0.000000", "PRTC:AOUT:AXGS 0.000000", "PRTC:AOUT:CRGS 0.000000",
                            "PRTC:AOUT:MUGS 0.000000"};
const Lines kAdjustStart = Concat({{"PRTC:BOUT:SVAG OFF"}, kFlowsZero, kVentAndZero});
const Lines kAdjustEnd = {"MNTE:SVC:SVAG 0"};

std::string Box(const std::string &text, const char *button = "OK")
{
    return "box \"\" \"" + text + "\" -> " + button;
}

std::string SensorMessage(const char *gas, const char *kind, const char *value)
{
    return std::string(gas) + " gas " + kind + " Sensor Offset is Too Low or Too High:  " + value + " (V)";
}

size_t CountOf(const Lines &lines, const std::string &wanted)
{
    size_t n = 0;
    for (const std::string &line : lines)
        n += line == wanted;
    return n;
}

} // namespace

TEST(Gas, OpensPerStateAndOptionAndResetsOutputsAtOpenAndClose)
{
    struct Case {
        const char *name, *variables;
        int dialog;
        const char *script;
        Lines writes;
    };
    const Case cases[] = {
        {"269 in Standby", "fakestatus=1", 269,
         "expect Open Vent Gas Supply Valve enabled; expect Open OP Gas Valve disabled; "
         "expect Outputs/Optional Gas: disabled; expect OP Gas Tank Press: disabled; click Help; escape",
         Twice(kReset269)},
        {"269 with optional gas in state 0", "fakestatus=0 OPT_OPGS=1", 269,
         "expect Open OP Gas Valve enabled; expect Outputs/Optional Gas: = 0.00; expect OP Gas Tank Press: = 480.0; "
         "click Open OP Gas Valve; click Open Ar Gas Valve; escape",
         Concat({kReset269Op, {"FRCD:BOUT:SVOP ON", "PRTC:BOUT:SVAG ON"}, kReset269Op})},
        {"336 through the host switch", "fakestatus=1 _AFC=0.95", 336,
         "expect Carrier Gas Press: disabled; expect #26966 hidden; expect #26994 hidden; click Help; escape",
         Twice(kReset336)},
        {"low 16 bits of the option file clear", "fakestatus=1 file:_AFC=65536 file:OPT_OPGS=65536", 269,
         "expect Open OP Gas Valve disabled; escape", Twice(kReset269)},
        {"269 monitoring in state 2", "fakestatus=2 OPT_OPGS=1", 269,
         "expect Open Ar Gas Valve disabled; expect Open Vent Gas Supply Valve disabled; "
         "expect Open OP Gas Valve disabled; expect Outputs/Plasma Gas: disabled; expect Offset Adjustment disabled; "
         "expect OP Gas Press: enabled; escape",
         {"TUNE:HSET 1"}},
        {"336 monitoring in state 2", "fakestatus=2 _AFC=1", 336,
         "expect Carrier Gas Press: disabled; expect Outputs/MakeUp Gas: disabled; expect Offset Adjustment disabled; "
         "escape",
         {"TUNE:HSET 1"}},
    };
    for (const Case &c : cases) {
        cphost::Host host;
        Set(host, c.variables);
        ASSERT_TRUE(Ran(host, "MaintGas", c.script)) << c.name;
        EXPECT_TRUE(Has(host, "dialog " + std::to_string(c.dialog) + " \"Gas Controller Maintenance\"")) << c.name;
        EXPECT_EQ(Writes(host), c.writes) << c.name;
        Lines queries = Queries(host);
        EXPECT_EQ(CountOf(queries, "PRTC:FLOW:STAT?"), c.dialog == 269 && c.writes.size() > 1 ? 1u : 0u) << c.name;
        EXPECT_EQ(CountOf(queries, "PRTC:FLOW:PLDPV?"), c.dialog == 336 ? 1u : 0u) << c.name;
        EXPECT_EQ(Has(host, "help 269"), std::string(c.script).find("click Help") != std::string::npos) << c.name;
        if (&c == cases) {  // 269 in Standby, query for query
            EXPECT_EQ(queries, Concat({kSysQueries,
                                       {"PRTC:AIN:PGAR?;PGCR?;CHKP5?", "PRTC:AIN:PLGS?;AXGS?;CRGS?;MUGS?;CHKVMF?",
                                        "PRTC:FLOW:STAT?"},
                                       kSysQueries}));
        }
    }
}

// A pair goes out whole; the hidden Offset Lmt of 336 still carries its stored value.
TEST(Gas, FieldsWriteTheirCommandsAfterValidation)
{
    cphost::Host host;
    host.setVariable("fakestatus", 1);
    host.addReply("PRTC:AIN:PGAR?;PGCR?;CHKP5?", "-3.2;-0.04;4.98");
    ASSERT_TRUE(Ran(host, "MaintGas", "expect Ar Gas Tank Press: = 0.0; expect Carrier Gas Press: = 0.0; "
                    "type #26964 = 5; enter; expect #26964 = 3.2; type #26963 = 25; enter; type #26967 = -1; enter; "
                    "type #26994 = 3; enter; type #26995 = 0.0125; enter; type Outputs/Plasma Gas: = 12.345; enter; "
                    "type #26971 = abc; escape"));
    EXPECT_EQ(Writes(host), Concat({kReset269,
                                    {"SYS:PLGST 3.2,0.500", "SYS:PLGSL 20.00", "SYS:OFFSET:PLGS -0.500",
                                     "SYS:OPGST 10.0,2.000", "SYS:OFFSET:OPGS 0.012", "PRTC:AOUT:PLGS 12.34",
                                     "SYS:AXGST 0.00,0.500"},
                                    kReset269}));

    // Ended by the host unwinding after a failed action: nothing typed is committed.
    host.setActionTimeout(300);
    ASSERT_EQ(host.run("MaintGas", {}, "type #26963 = 5; expect Close disabled"), cphost::kActionFailed);
    EXPECT_EQ(Writes(host), kReset269);
    host.setActionTimeout(5000);

    host.clearReplies();
    host.setVariable("_AFC", 1);
    ASSERT_TRUE(Ran(host, "MaintGas", "type #33632 = 0.5; enter; type #33639 = 0.0304; enter; type #26992 = 50; "
                    "enter; expect #26994 hidden; escape"));
    EXPECT_EQ(Writes(host), Concat({kReset336,
                                    {"PRTC:FLOW:PLDPV 0.373", "PRTC:FLOW:MUBPV 0.030", "SYS:OPGST 50.0,0.500"},
                                    kReset336}));

    // Offline: nothing written, readings 0, an offset whose range lies above 0 at its minimum.
    host.setVariable("_offline", 1);
    ASSERT_TRUE(Ran(host, "MaintGas", "expect #33632 = 0.025; expect Ar AMFC Temp: = 0.0; escape"));
    EXPECT_TRUE(Writes(host).empty());
}

TEST(Gas, FlowAdjustmentLocksUntilItsStatusRoundsToZero)
{
    cphost::Host host;
    Set(host, "fakestatus=1 OPT_OPGS=1");
    ASSERT_TRUE(Ran(host, "MaintGas", "type Outputs/Plasma Gas: = 5; click Open Ar Gas Valve; click Offset Adjustment; "
                    "expect Open Ar Gas Valve unchecked; expect Offset Adjustment disabled; "
                    "expect Open Ar Gas Valve disabled; expect Open Vent Gas Supply Valve disabled; "
                    "expect Outputs/Optional Gas: disabled; expect #26995 disabled; expect Close enabled; tick 3; "
                    "expect Offset Adjustment disabled; tick; expect Offset Adjustment enabled; "
                    "expect Open OP Gas Valve enabled; expect #26967 = 0.016; escape"));
    EXPECT_EQ(Writes(host),
              Concat({kReset269Op,  // the adjustment starts from zero flows, whatever was typed
                      {"PRTC:AOUT:PLGS 5.00", "PRTC:BOUT:SVAG ON", "PRTC:BOUT:SVAG OFF", "FRCD:BOUT:SVOP OFF",
                       "PRTC:BOUT:SVPRV OFF"},
                      kFlowsZero,
                      {"FRCD:AOUT:OPGS 0.00", "PRTC:FLOW:ADJ"},
                      kReset269Op}));
    EXPECT_EQ(CountOf(Queries(host), "PRTC:FLOW:STAT?"), 5u);  // at open, then 1, 1, 1, 0
    EXPECT_EQ(CountOf(Queries(host), "SYS:PLGSL?"), 3u);       // at open, at status 0 twice

    // Opened while an adjustment runs: locked from the start; 0.95 keeps the lock, 0.05 ends it.
    host.addReply("PRTC:FLOW:STAT?", "1|0.95|0.05");
    ASSERT_TRUE(Ran(host, "MaintGas", "expect Offset Adjustment disabled; expect Outputs/Plasma Gas: disabled; tick; "
                    "expect Offset Adjustment disabled; tick; expect Offset Adjustment enabled; "
                    "expect Outputs/Plasma Gas: enabled; escape"));
    EXPECT_EQ(Writes(host), Twice(kReset269Op));
    EXPECT_EQ(CountOf(Queries(host), "SYS:PLGSL?"), 2u);
}

// Each path ends unlocked with "MNTE:SVC:SVAG 0"; only an accepted report stores.
// The adjustment pauses about a second: the host waits longer for the windows after it.
TEST(Gas, SensorOffsetAdjustmentPaths)
{
    const std::string afcScenario = std::string(TORVEX_SOURCE_DIR) + "/scenarios/afc-gas.ini";
    const Lines kStored = {"PRTC:FLOW:PLDPV 0.171", "PRTC:FLOW:AXDPV 0.133", "PRTC:FLOW:CRDPV 0.182",
                           "PRTC:FLOW:MUDPV 0.126", "PRTC:FLOW:PLBPV 0.226", "PRTC:FLOW:AXBPV 0.181",
                           "PRTC:FLOW:CRBPV 0.234", "PRTC:FLOW:MUBPV 0.169"};
    const char *const kFailed = "click Offset Adjustment; answer Yes; wait 1100; answer OK; expect Close enabled; "
                                "expect Offset Adjustment enabled; expect Open Ar Gas Valve enabled; escape";
    struct Case {
        const char *name;
        const std::string &scenario;
        std::vector<std::pair<const char *, const char *>> replies;
        const char *script;
        Lines middle;    // between the vented lines and "MNTE:SVC:SVAG 0"
        std::string box; // the message at the end, "" for none
        size_t lineReads;
    };
    const Case cases[] = {
        {"accepted", afcScenario, {},
         "click Offset Adjustment; answer Yes; wait 1100; expect #1000 = 0.150; escape; expect #1010 = 0.171; "
         "expect #1007 = 0.190; expect #1017 = 0.169; answer Yes; expect #33632 = 0.171; expect #33639 = 0.169; "
         "expect Close enabled; expect Offset Adjustment enabled; expect Open Ar Gas Valve unchecked; escape",
         kStored, "", 1},
        {"sensors at both limits", afcScenario, {{"PRTC:AIN:PLDP?", "0.373"}, {"PRTC:AIN:MUBP?", "0.025"}},
         "click Offset Adjustment; answer Yes; wait 1100; expect #1010 = 0.373; expect #1017 = 0.025; "
         "answer Yes; escape",
         Concat({{"PRTC:FLOW:PLDPV 0.373"}, Lines(kStored.begin() + 1, kStored.end() - 1), {"PRTC:FLOW:MUBPV 0.025"}}),
         "", 1},
        {"line stays above 50 kPa", afcScenario, {{"PRTC:AIN:PGAR?", "55|50.1"}}, kFailed, {},
         Box("Ar Gas Line Mulfunction. Ar gas pressure does not become less than 50kPa while the main Ar valve is "
             "closed."),
         2},
    };
    for (const Case &c : cases) {
        cphost::Host host;
        host.setActionTimeout(20000);
        host.setVariable("fakestatus", 1);
        host.setVariable("_AFC", 1);  // what the scenario's [host] section asks of a host program
        host.setScenario(c.scenario);
        for (const auto &r : c.replies)
            host.addReply(r.first, r.second);
        host.addReply("PRTC:AIN:PGAR?;PGCR?;CHKP5?", "520.0;0.0;5.010");  // the poll keeps its own reply
        ASSERT_TRUE(Ran(host, "MaintGas", c.script)) << c.name;
        EXPECT_EQ(Writes(host), Concat({kReset336, kAdjustStart, c.middle, kAdjustEnd, kReset336})) << c.name;
        EXPECT_EQ(Has(host, c.box), !c.box.empty()) << c.name;
        EXPECT_EQ(CountOf(Queries(host), "PRTC:AIN:PGAR?"), c.lineReads) << c.name;
        EXPECT_EQ(CountOf(Queries(host), "PRTC:AIN:PLDP?"), c.lineReads == 2 ? 0u : 1u) << c.name;
        EXPECT_TRUE(Has(host, "end 336 1")) << c.name;
    }

    // Eight adjustments, the k-th stopped by sensor k (out of range once): the message names
    // it, the sensors after it are not read; a line reading of exactly 50.0 passes.
    struct Sensor {
        const char *query;
        const char *replies;
        std::string message;
    };
    const Sensor sensors[] = {
        {"PRTC:AIN:PLDP?", "0.3731|0.152", SensorMessage("Plasma", "DP", "0.373")},
        {"PRTC:AIN:AXDP?", "0.024|0.148", SensorMessage("Aux", "DP", "0.024")},
        {"PRTC:AIN:CRDP?", "0.5|0.161", SensorMessage("Carrier", "DP", "0.500")},
        {"PRTC:AIN:MUDP?", "-0.1|0.139", SensorMessage("Makeup", "DP", "-0.100")},
        {"PRTC:AIN:PLBP?", "0.374|0.205", SensorMessage("Plasma", "BP", "0.374")},
        {"PRTC:AIN:AXBP?", "0|0.198", SensorMessage("Aux", "BP", "0.000")},
        {"PRTC:AIN:CRBP?", "1.25|0.211", SensorMessage("Carrier", "BP", "1.250")},
        {"PRTC:AIN:MUBP?", "0.0249", SensorMessage("Makeup", "BP", "0.025")},
    };
    cphost::Host host;
    host.setActionTimeout(20000);
    Set(host, "fakestatus=1 _AFC=1");
    host.addReply("PRTC:AIN:PGAR?;PGCR?;CHKP5?", "520.0;0.0;5.010");
    host.addReply("PRTC:AIN:PGAR?", "55|50.0");
    std::string script;
    Lines boxes, writes = kReset336;
    for (const Sensor &s : sensors) {
        host.addReply(s.query, s.replies);
        script += "click Offset Adjustment; answer Yes; wait 1100; answer OK; ";
        boxes.push_back(Box(s.message));
        writes = Concat({writes, kAdjustStart, kAdjustEnd});
    }
    ASSERT_TRUE(Ran(host, "MaintGas", script + "expect Offset Adjustment enabled; escape"));
    EXPECT_EQ(Writes(host), Concat({writes, kReset336}));
    Lines shown;
    for (const std::string &line : host.transcript())
        if (line.rfind("box \"\" \"", 0) == 0 && line.find("Sensor Offset") != std::string::npos)
            shown.push_back(line);
    EXPECT_EQ(shown, boxes);
    for (size_t i = 0; i < 8; ++i)
        EXPECT_EQ(CountOf(Queries(host), sensors[i].query), 8 - i) << sensors[i].query;
    EXPECT_EQ(CountOf(Queries(host), "PRTC:AIN:PGAR?"), 9u);
    EXPECT_EQ(CountOf(Queries(host), "PRTC:FLOW:PLDPV?"), 1u);  // the stored offsets: only at open
}

// With the optional gas, both valves and its set point are closed before the bracket opens;
// the flows typed before go back to zero.
TEST(Gas, SensorOffsetAdjustmentDeclinedOfflineAndWithOptionalGas)
{
    cphost::Host host;
    host.setActionTimeout(20000);
    Set(host, "fakestatus=1 _AFC=1");
    const std::string question =
        "The flow rate change if you perform the offset adjustment. Do you really want to perform the offset "
        "adjustment?";
    ASSERT_TRUE(Ran(host, "MaintGas", "click Offset Adjustment; answer No; expect Close enabled; escape"));
    EXPECT_EQ(Writes(host), Twice(kReset336));
    EXPECT_TRUE(Has(host, Box(question, "No")));

    host.setVariable("OPT_OPGS", 1);
    ASSERT_TRUE(Ran(host, "MaintGas", "type Outputs/Plasma Gas: = 5; click Open Ar Gas Valve; "
                    "click Open OP Gas Valve; click Offset Adjustment; answer Yes; wait 1100; expect #1000 visible; "
                    "answer No; expect #33632 = 0.150; expect Open OP Gas Valve enabled; escape"));
    const Lines reset = Concat({kFlowsZero, {"FRCD:AOUT:OPGS 0.00", "PRTC:BOUT:SVAG OFF", "FRCD:BOUT:SVOP OFF"}});
    EXPECT_EQ(Writes(host),
              Concat({reset,
                      {"PRTC:AOUT:PLGS 5.00", "PRTC:BOUT:SVAG ON", "FRCD:BOUT:SVOP ON", "PRTC:BOUT:SVAG OFF",
                       "FRCD:BOUT:SVOP OFF"},
                      kFlowsZero,
                      {"FRCD:AOUT:OPGS 0.00"},
                      kVentAndZero,
                      kAdjustEnd,
                      reset}));

    Set(host, "OPT_OPGS=0 _offline=1");
    ASSERT_TRUE(Ran(host, "MaintGas", "click Offset Adjustment; answer Yes; wait 1100; answer OK; escape"));
    EXPECT_TRUE(Writes(host).empty());
    EXPECT_TRUE(Has(host, Box(SensorMessage("Plasma", "DP", "0.000"))));
}

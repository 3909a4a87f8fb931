// Nothing unvalidated reaches the instrument: a value typed into a stored
// parameter is written only after its definition has corrected it, whether
// Update was pressed with the mouse, with Return while the field still holds
// the focus, or after a key moved the focus; and replies that are not
// decimal numbers read as 0.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panel_support.h"

using namespace panels;

// "Delay" of the vacuum sheet (1 to 32767, step 1) and "X Pos" of the
// ignition recipe (-40 to 40, step 0.0125): every record is written, each
// with the corrected value, and the sheet ends with 1.
TEST(SystemParameters, UpdateWritesOnlyCorrectedValuesHoweverItIsPressed)
{
    const struct {
        const char *command;
        const char *keys;
        size_t records;
        size_t index;  // of the record that carries the typed field
        const char *record;
    } cases[] = {
        {"MaintVacuum", "type #25960 = 99999; enter", 14, 7, "SYS:TDISOV 32767"},
        {"MaintVacuum", "type #25960 = abc; enter", 14, 7, "SYS:TDISOV 1"},
        {"MaintVacuum", "type #25960 = 45.7; enter", 14, 7, "SYS:TDISOV 45"},
        {"MaintVacuum", "type #25960 = 99999; click Update", 14, 7, "SYS:TDISOV 32767"},
        {"MaintVacuum", "type #25960 = 32767; tab; enter", 14, 7, "SYS:TDISOV 32767"},
        {"MaintRF", "type X Pos (At Ignition): = 50; enter", 16, 15, "SYS:IGNT:XPOS 40.0000"},
        {"MaintRF", "type X Pos (At Ignition): = abc; enter", 16, 15, "SYS:IGNT:XPOS 0.0000"},
        {"MaintRF", "type X Pos (At Ignition): = -40; enter", 16, 15, "SYS:IGNT:XPOS -40.0000"},
        {"MaintRF", "type X Pos (At Ignition): = -3.01; click Update", 16, 15, "SYS:IGNT:XPOS -3.0000"},
        {"MaintRF", "type RF Power (Pre-Ignition): = 9999; enter", 16, 8, "SYS:IGNT:PF 2000,1200,1300"},
    };
    for (const auto &c : cases) {
        cphost::Host host;
        host.setVariable("fakestatus", 1);
        host.addReply("SYS:IGNT:PF?", "100,1200,1300");
        ASSERT_TRUE(Ran(host, c.command, std::string("click System Parameters...; ") + c.keys + "; escape")) << c.keys;
        Lines stored = Starting(host, "> SYS:", 2);
        ASSERT_EQ(stored.size(), c.records) << c.keys;
        EXPECT_EQ(stored[c.index], c.record) << c.keys;
        EXPECT_TRUE(Has(host, std::string("end ") + (c.records == 14 ? "259" : "258") + " 1")) << c.keys;
    }
}

// Replies are read with the same decimal conversion as typed fields: "nan",
// hexadecimal and a bare sign are no numbers and read as 0, in a display, in
// a stored field and in the command written from it.
TEST(Replies, TextsThatAreNoDecimalNumberReadAsZero)
{
    const struct {
        const char *reply;
        const char *shown;  // "Temperature(H):", "%.2f"
        const char *lower;  // the lower limit, field 2 of "SYS:TMPSH?", as written back
    } cases[] = {
        {"nan", "0.00", "0.0"}, {"0x10", "0.00", "0.0"}, {"-", "0.00", "0.0"}, {" 1.5e1x", "15.00", "15.0"},
        {"-0.25", "-0.25", "-0.2"},
    };
    for (const auto &c : cases) {
        cphost::Host host;
        host.setVariable("fakestatus", 1);
        host.addReply("PRTC:AIN:TMPSH?", c.reply);
        host.addReply("SYS:TMPSH?", std::string(c.reply) + "," + c.reply);
        ASSERT_TRUE(Ran(host, "MaintSC", std::string("expect Temperature(H): = ") + c.shown +
                                             "; set Upper Limit: = 12; escape")) << c.reply;
        EXPECT_EQ(Starting(host, "> SYS:", 2), (Lines{std::string("SYS:TMPSH 12.0,") + c.lower})) << c.reply;
    }
}

// Every built panel as the fault matrix and the soak drive it: one row per
// way of opening a panel. Adding a panel is adding a row here.
//
//   command    the host command that opens it
//   variables  host variables before the run, "NAME=NUMBER" separated by blanks
//   script     cphost actions that open every sub-dialog the panel has, let its
//              polling timer tick, `show` what each display holds, and close
//              everything again (Escape or the close button), ending with the
//              panel's own dialog closed; it must also run to its end when
//              every query fails and every reply is hostile (a question that
//              only a failed read makes the panel ask: `answer OK if asked`)
//
// The soak opens and closes the first row of each command, so put the row
// that reaches every sub-dialog first. The runs judge only what holds for
// every panel: no crash or hang, no window property or timer left behind,
// nothing malformed written, and the displays and questions of a failed read
// equal to those of an instrument answering 0.
#ifndef TORVEX_PANEL_ROWS_H
#define TORVEX_PANEL_ROWS_H

namespace reliability {

struct PanelRow {
    const char *command;
    const char *variables;
    const char *script;
};

const PanelRow kPanelRows[] = {
    {"MaintVacuum", "fakestatus=1", "tick 2; show; click System Parameters...; show; click Cancel; escape"},
    {"MaintVacuum", "fakestatus=0", "tick 2; show; escape"},
    {"MaintVacuum", "fakestatus=2 _StyleB=1 _AFC=1", "tick 2; show; escape"},
    {"MaintPeriPump", "fakestatus=1 OPT_PMP2=1", "show; escape"},
    {"MaintHousing", "fakestatus=1", "tick 2; show; escape"},
    {"MaintRF", "fakestatus=1", "tick 2; show; click System Parameters...; show; click Cancel; escape"},
    {"MaintRF", "fakestatus=1 OPT_New_RF=1", "tick 2; show; escape"},
    {"MaintQP", "fakestatus=1", "tick 2; show; escape"},
    {"MaintLens", "fakestatus=1", "tick 2; show; escape"},
    {"MaintLens", "fakestatus=1 _Lens=1", "tick 2; show; escape"},
    {"MaintLens", "fakestatus=1 _Lens=1 _Lens2=1", "tick 2; show; escape"},
    {"CalLens", "fakestatus=1", "show; escape"},
    {"MaintOctPole", "fakestatus=1", "tick 2; show; escape"},
    {"MaintDetector", "fakestatus=1 ICPMS_TYPE=2", "tick 2; show; escape"},
    {"MaintWater", "fakestatus=1", "tick 2; show; escape"},
    {"MaintGas", "fakestatus=1", "tick 2; show; escape"},
    {"MaintGas", "fakestatus=1 _AFC=1", "tick 2; show; escape"},
    {"MaintSC", "fakestatus=1", "tick 2; show; escape"},
    // The stage asks at open when "On Track" reads 0, as a failed read does.
    {"MaintXYZ", "fakestatus=1", "answer OK if asked; tick 2; show; escape"},
};

}  // namespace reliability

#endif

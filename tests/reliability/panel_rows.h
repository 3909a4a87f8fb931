// Every built panel as the fault matrix and the soak drive it, one row per way
// of opening it: the host command, host variables ("NAME=NUMBER" separated by
// blanks) and a cphost script that opens every sub-dialog, lets the polling
// timer tick, `show`s each display and closes everything again, ending with
// the panel closed. The script must also run to its end when every query fails
// and every reply is hostile (`answer OK if asked` for a question only a failed
// read makes the panel ask). The soak runs the first row of each command, so
// put the row that reaches every sub-dialog first.
#ifndef TORVEX_PANEL_ROWS_H
#define TORVEX_PANEL_ROWS_H

namespace reliability {

struct PanelRow {
    const char *command, *variables, *script;
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

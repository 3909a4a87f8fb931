/*
 * analyser.h -- pieces shared by the mass-analyser dialogs (QP, lenses,
 * octopole, detector): the +24 V readback, the "Enable HV" switch and the
 * mass command that parks the mass filter or sets the detector gates.
 */
#ifndef TORVEX_ANALYSER_H
#define TORVEX_ANALYSER_H

#include <windows.h>

#include "frame.h"

/* Definition of the mass field: its prefix is the mass command. */
const int kMassParamDef = 1750;
/* Detector gate code with both gates closed. */
const int kGatesClosed = 15;
/* The mass that parks the mass filter. */
extern const char kParkMass[]; /* "-2" */

/* The S24V readback: "PRTC:AIN:HVS24?", field 1 shown with "%.1f" in the
   text `controlId` beside the "S24V" box. */
void PollS24Voltage(PluginHandle handle, HWND dialog, int controlId);

/* Output handler of an "Enable HV" box: "PRTC:BOUT:LHVEN ON" when ticked,
   "PRTC:BOUT:LHVEN OFF" when cleared. */
void SendHvSwitch(PluginHandle handle, HWND dialog, const FrameOutput &output);

/* The mass command: "ACQ:AXIS 1", then the mass definition's prefix
   ("PRTC:MASS:MASS "), the gate code, ", " and `massText`, for example
   "PRTC:MASS:MASS 15, 24.00". When the definition cannot be loaded, or the
   mass text is not a plain number, only "ACQ:AXIS 1" is sent and the answer
   is FALSE. */
BOOL SendMassCommand(HWND dialog, int gateCode, const char *massText);

#endif

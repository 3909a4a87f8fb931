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

/* A stored parameter shown in an edit field: value `replyField` of the reply
   to `query`, normalised with definition `paramId`. */
struct StoredField {
    const char *query;
    int replyField;
    int id;
    int paramId;
};

/* Reads stored parameters into their fields: each query is asked once
   (consecutive rows with the same query share its reply), each value shown
   with "%E" and then normalised with its definition. */
void ReadStoredFields(PluginHandle handle, HWND dialog, const StoredField *fields, size_t count);

/* Writes `command`, a blank and the texts of the fields `ids` joined by
   commas ("SYS:OCP 45.0,7"). Nothing is written, and the answer is FALSE,
   when a text is not a plain number or the line would not fit in 63
   characters. */
BOOL SendFieldValues(HWND dialog, const char *command, const int *ids, size_t count);

#endif

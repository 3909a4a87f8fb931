/*
 * gas.h -- what the gas controller dialog (templates 269 and 336) shares
 * with its sensor offset adjustment (gas_offset.cpp).
 */
#ifndef TORVEX_GAS_H
#define TORVEX_GAS_H

#include <windows.h>

#include "frame.h"

/* The valve boxes in the order they are switched off: main argon valve,
   optional gas, vent gas supply (269 only). */
enum GasValve { GasValveAr, GasValveOp, GasValveVent };
void RunGasValve(PluginHandle handle, HWND dialog, GasValve valve);

/* The output set points (plasma, aux, carrier, makeup and, with the
   optional-gas switch, optional gas): their defaults (all 0) into the
   fields, or the fields sent to the instrument. */
void InitGasFlowFields(PluginHandle handle, HWND dialog, BOOL optionalGas);
void SendGasFlowFields(PluginHandle handle, HWND dialog, BOOL optionalGas);

/* Enables (1) or disables (0) what must not be touched while an adjustment
   runs: with the AFC the Close button and the system menu's Close item,
   the valve boxes, the output fields, and the offset fields of the
   template (the five "Offset" fields of 269, the eight DP/BP offsets of
   336). The optional-gas controls stay disabled without the switch. */
void SetAdjustmentLock(HWND dialog, BOOL enable, BOOL optionalGas, BOOL afc);

/* "Offset Adjustment" with the AFC: asks, vents the lines, measures the
   eight DP/BP sensors at zero flow, shows old and new offsets in the
   report dialog and stores the new ones when the engineer accepts. Every
   path after the first "Yes" ends unlocked, with "MNTE:SVC:SVAG 0" written. */
void AdjustGasOffsets(PluginHandle handle, HWND dialog, BOOL optionalGas);

#endif

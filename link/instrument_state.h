/*
 * instrument_state.h -- the instrument's operating state and the
 * installation's option switches.
 */
#ifndef TORVEX_INSTRUMENT_STATE_H
#define TORVEX_INSTRUMENT_STATE_H

#include <windows.h>

#include "../plugin/host_services.h"

enum {
    StateEmpty = 0,      /* what an empty or unreadable reply gives */
    StateStandby = 1,
    StateMonitor = 2,    /* dialogs only monitor, and write "TUNE:HSET 1" at close */
    StateTransition1 = 5,
    StateTransition2 = 6
};

/* "fakestatus" when the host has it, else the first character of "trns:stat?". */
int InstrumentState(PluginHandle handle, HWND dialog);
/* HostNumberToInt of the variable named by string nameId is exactly 1. */
BOOL HostFlagSet(PluginHandle handle, UINT nameId);
/* Host variable of that name (1 when > 0, else 0), else the integer in
   section "PCS,1" of <Path>\icpexe\icpgen.ist, else 0. */
int OptionValue(PluginHandle handle, const char *optionName);
/* The integer under `optionName` in `section` of the option file itself,
   whatever the host's variables say; 0 when the file, section or key is
   missing. */
int OptionFileValue(const char *section, const char *optionName);
/* 1 when the host variable exists and lies in [0.5, 1.5), else 0. */
int HostVariableIsOne(PluginHandle handle, const char *name);
/* A host variable read as a double; 0.0 when it cannot be read. */
double HostVariableOrZero(PluginHandle handle, const char *name);

#endif

/*
 * commands.h -- the command procedures that the plug-in registers with the
 * host, and the registration table.
 */
#ifndef TORVEX_COMMANDS_H
#define TORVEX_COMMANDS_H

#include <stdint.h>

#include "host_abi.h"

#define TORVEX_COMMAND extern "C" uint16_t __cdecl

TORVEX_COMMAND MaintLensProc(HostWord argumentList, HostWord handle);
TORVEX_COMMAND MaintVacuumProc(HostWord argumentList, HostWord handle);
TORVEX_COMMAND MaintRFProc(HostWord argumentList, HostWord handle);
TORVEX_COMMAND MaintQPProc(HostWord argumentList, HostWord handle);
TORVEX_COMMAND MaintDetectorProc(HostWord argumentList, HostWord handle);
TORVEX_COMMAND MaintOctPoleProc(HostWord argumentList, HostWord handle);
TORVEX_COMMAND MaintWaterProc(HostWord argumentList, HostWord handle);
TORVEX_COMMAND MaintGasProc(HostWord argumentList, HostWord handle);
TORVEX_COMMAND MaintSCProc(HostWord argumentList, HostWord handle);
TORVEX_COMMAND MaintPeriPumpProc(HostWord argumentList, HostWord handle);
TORVEX_COMMAND MaintXYZProc(HostWord argumentList, HostWord handle);
TORVEX_COMMAND MaintHousingProc(HostWord argumentList, HostWord handle);
TORVEX_COMMAND ReadRomProc(HostWord argumentList, HostWord handle);
TORVEX_COMMAND WriteRomProc(HostWord argumentList, HostWord handle);
TORVEX_COMMAND CalLensProc(HostWord argumentList, HostWord handle);

/* One row of the registration table. */
struct CommandEntry {
    const char *name;
    CommandProcedure procedure;
    uint16_t argumentCount;
    uint8_t argumentTypes[3];  /* HOSTARG_TEXT / HOSTARG_NUMBER, first argumentCount used */
};

/* The fifteen commands in registration order. */
extern const CommandEntry kCommandTable[15];

#endif

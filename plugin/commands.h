/*
 * commands.h -- the command procedures that the plug-in registers with the
 * host, and the registration table.
 */
#ifndef TORVEX_COMMANDS_H
#define TORVEX_COMMANDS_H

#include <stdint.h>

#include "host_abi.h"

#define TORVEX_COMMAND extern "C" uint16_t __cdecl

TORVEX_COMMAND MaintLensProc(uint32_t argumentList, uint32_t handle);
TORVEX_COMMAND MaintVacuumProc(uint32_t argumentList, uint32_t handle);
TORVEX_COMMAND MaintRFProc(uint32_t argumentList, uint32_t handle);
TORVEX_COMMAND MaintQPProc(uint32_t argumentList, uint32_t handle);
TORVEX_COMMAND MaintDetectorProc(uint32_t argumentList, uint32_t handle);
TORVEX_COMMAND MaintOctPoleProc(uint32_t argumentList, uint32_t handle);
TORVEX_COMMAND MaintWaterProc(uint32_t argumentList, uint32_t handle);
TORVEX_COMMAND MaintGasProc(uint32_t argumentList, uint32_t handle);
TORVEX_COMMAND MaintSCProc(uint32_t argumentList, uint32_t handle);
TORVEX_COMMAND MaintPeriPumpProc(uint32_t argumentList, uint32_t handle);
TORVEX_COMMAND MaintXYZProc(uint32_t argumentList, uint32_t handle);
TORVEX_COMMAND MaintHousingProc(uint32_t argumentList, uint32_t handle);
TORVEX_COMMAND ReadRomProc(uint32_t argumentList, uint32_t handle);
TORVEX_COMMAND WriteRomProc(uint32_t argumentList, uint32_t handle);
TORVEX_COMMAND CalLensProc(uint32_t argumentList, uint32_t handle);

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

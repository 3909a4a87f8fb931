/*
 * rom.h -- the instrument memory backup and restore commands.
 *
 *   ReadRom  address-text  byte-count  file-name
 *   WriteRom file-name
 *
 * Command procedures: (argument-list handle, plug-in handle), C calling
 * convention; 0 on success, 1 on any failure (reported to the host).
 */
#ifndef TORVEX_ROM_H
#define TORVEX_ROM_H

#include <stdint.h>

#include "plugin/host_abi.h"

extern "C" uint16_t TORVEX_CDECL ReadRomProc(HostWord argumentList, HostWord handle);
extern "C" uint16_t TORVEX_CDECL WriteRomProc(HostWord argumentList, HostWord handle);

#endif

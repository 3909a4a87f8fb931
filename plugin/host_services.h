/*
 * host_services.h -- the plug-in's side of the host callback: instance
 * bookkeeping behind the plug-in handle, HostCall and the numbered services,
 * string-table helpers, host variables and host-side formatting.
 *
 * Every function that takes a `PluginHandle` treats 0, or a handle whose
 * block cannot be locked, as "no host": services answer 1 and call nothing.
 */
#ifndef TORVEX_HOST_SERVICES_H
#define TORVEX_HOST_SERVICES_H

#include <windows.h>
#include <stdint.h>

#include "host_abi.h"

/* The handle of a PluginInstance: a movable local-memory block. */
typedef HLOCAL PluginHandle;

/* Module handle of the library: every resource is loaded from it. */
extern HINSTANCE g_module;

/* ---- instance bookkeeping (library-wide InstanceList) ---- */

/* Creates the empty list (capacity 5). Answers FALSE when it cannot. */
BOOL InstanceListCreate(void);
/* Releases every instance from the last to the first, then the list. */
void InstanceListDestroy(void);
/* Appends a handle, growing the list by 5 slots when full. 0 on success. */
uint16_t InstanceListAdd(PluginHandle handle);
/* Frees the instance and removes its handle; an unknown handle is left alone. */
void InstanceListRemove(PluginHandle handle);
/* Count and capacity of the list, for diagnostics and tests. */
uint32_t InstanceListCount(void);
uint32_t InstanceListCapacity(void);
/* Handle at position index (0-based), or NULL. */
PluginHandle InstanceListAt(uint32_t index);

/* Allocates a zero-filled PluginInstance holding the host's context and callback. */
PluginHandle PluginInstanceCreate(HostWord context, HostWord callback);

/* ---- the host call ---- */

/* Calls the host callback with (context, code, a, b); low 16 bits of its result, 1 without a host. */
uint16_t HostCall(PluginHandle handle, uint32_t code, HostWord a, HostWord b);
/* Service 99: pointer the host resolves a data handle to, or NULL. */
void *HostResolveHandle(PluginHandle handle, HostWord hostData);

uint16_t HostRegisterCommand(PluginHandle handle, CommandRecord *record, const uint8_t *argumentTypes);
/* Service 96 with selector 2; clears *windowOut when the service fails. */
uint16_t HostGetWindow(PluginHandle handle, HWND *windowOut);
uint16_t HostGetVariable(PluginHandle handle, const char *name, double *valueOut);
uint16_t HostSetVariable(PluginHandle handle, const char *name, const double *value);
void HostShowText(PluginHandle handle, const char *text);
uint16_t HostOpenDevice(PluginHandle handle, const char *deviceName, uint16_t mode, uint32_t *connectionOut,
                        uint32_t last);
/* kind 0: progress or information, 1: error. */
void HostReportStatus(PluginHandle handle, uint16_t kind, const char *text);
/* Packs (low, high) into b: HostShowHelp(handle, 0, 1, dialogNumber). */
void HostShowHelp(PluginHandle handle, HostWord a, uint16_t low, uint16_t high);

/* Pointer to the data of argument `index` (from 1) of a running command, or NULL. */
void *CommandArgument(PluginHandle handle, HostWord argumentList, int16_t index);

/* ---- strings and messages ---- */

/* String `id` in the shared 256-byte buffer (empty when missing); valid until the next call. */
const char *LoadResString(UINT id);
/* Message box from string ids (caption id 0: the system caption); 0 when a string is missing. */
int ResMessageBox(HWND window, UINT textId, UINT captionId, UINT flags);
/* Host variable named by string `nameId`; 1 and "LoadString faild." to the host when the name is missing. */
uint16_t HostGetVariableById(PluginHandle handle, UINT nameId, double *valueOut);
uint16_t HostSetVariableById(PluginHandle handle, UINT nameId, const double *value);

/* ---- numbers and formatting ---- */

/* printf through the host window (message 0x500). `output` is emptied first and
   must hold what the host writes (callers pass 64 or 256 characters).
   Arguments follow the format's conversions as printf would take them. */
uint32_t HostFormat(PluginHandle handle, char *output, const char *format, ...);

#endif

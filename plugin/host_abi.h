/*
 * host_abi.h -- the records and codes that cross the boundary between the
 * data-system host and a command plug-in ("CP-DLL").
 *
 * These are host formats: packed, little-endian, 32-bit pointers. The plug-in
 * and the substitute host (cphost) both include this header, so the layout is
 * written once and checked at compile time. No Windows headers here.
 *
 * Every field that carries a pointer or a handle is a HostWord: 32 bits in
 * the product (i386), where the layouts are exactly the host's. The same
 * sources also build for x86-64 as a verification build (Wine's 64-bit
 * loader runs on kernels without IA-32 emulation); there a HostWord is 64
 * bits wide and the records widen with it.
 */
#ifndef TORVEX_HOST_ABI_H
#define TORVEX_HOST_ABI_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#define TORVEX_STDCALL __stdcall
#define TORVEX_CDECL __cdecl
#else
#define TORVEX_STDCALL
#define TORVEX_CDECL
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* A pointer or handle as the host records carry it. */
typedef uintptr_t HostWord;

/* OOCPSRV message codes. */
enum {
    CPMSG_CREATE = 2,     /* create an instance; record is a CreateRecord */
    CPMSG_REGISTER = 3,   /* register the commands */
    CPMSG_INIT = 4,       /* open the instrument connection */
    CPMSG_END = 5,        /* check the host window */
    CPMSG_RELEASE = 6,    /* release the instance */
    CPMSG_ACCEPT = 8      /* accepted, nothing done */
};

/* Host service codes handed to the callback. */
enum {
    HOSTSVC_REGISTER_COMMAND = 4,
    HOSTSVC_GET_WINDOW = 96,
    HOSTSVC_RESOLVE_HANDLE = 99,
    HOSTSVC_GET_VARIABLE = 101,
    HOSTSVC_SET_VARIABLE = 102,
    HOSTSVC_SHOW_TEXT = 109,
    HOSTSVC_OPEN_DEVICE = 113,
    HOSTSVC_REPORT_STATUS = 118,
    HOSTSVC_SHOW_HELP = 150
};

/* Selector of HOSTSVC_GET_WINDOW that asks for the host window. */
#define HOST_WINDOW_SELECTOR 2
/* Window message through which the host formats text for the plug-in. */
#define HOST_FORMAT_MESSAGE 0x500
/* Argument slots of a FormatRecord. */
#define HOST_FORMAT_SLOTS 20

/* The host's service callback: (context, code, a, b) -> status, callee pops. */
typedef uint32_t(TORVEX_STDCALL *HostCallback)(HostWord context, uint32_t code, HostWord a, HostWord b);

/* OOCPSRV: (plug-in handle, message, record, extra) -> 16-bit status. */
typedef uint16_t(TORVEX_STDCALL *OocpsrvEntry)(HostWord handle, uint16_t message, void *record, HostWord extra);

/* A command procedure: (argument-list handle, plug-in handle); the caller pops. */
typedef uint16_t(TORVEX_CDECL *CommandProcedure)(HostWord argumentList, HostWord handle);

/* GVI: (item, buffer, size) -> value. */
typedef uint32_t(TORVEX_STDCALL *GviEntry)(uint16_t item, char *buffer, int32_t size);

#pragma pack(push, 1)

/* Message 2: the host's half and the plug-in's answer. 18 bytes. */
typedef struct CreateRecord {
    uint16_t hostField;   /* not read by the plug-in */
    HostWord callback;    /* HostCallback */
    HostWord context;     /* handed back as the callback's first argument */
    HostWord entry;       /* out: address of OOCPSRV */
    HostWord handle;      /* out: the plug-in handle */
} CreateRecord;

/* HOSTSVC_REGISTER_COMMAND, argument a. 20 bytes. */
typedef struct CommandRecord {
    HostWord handle;      /* plug-in handle */
    HostWord name;        /* const char * */
    HostWord procedure;   /* CommandProcedure */
    uint16_t reserved1;
    uint32_t reserved2;
    uint16_t argumentCount;
} CommandRecord;

/* HOSTSVC_OPEN_DEVICE, argument a. 14 bytes. */
typedef struct OpenDeviceRecord {
    uint32_t zero;
    uint16_t mode;        /* the plug-in gives 11 */
    HostWord connection;  /* uint32_t * receiving the connection number */
    uint32_t last;        /* the plug-in gives 0 */
} OpenDeviceRecord;

/* Sent with HOST_FORMAT_MESSAGE as lParam. 172 bytes. */
typedef struct FormatRecord {
    HostWord output;      /* char *, emptied by the plug-in */
    HostWord format;      /* const char * */
    uint32_t result;      /* written by the host */
    uint8_t slots[HOST_FORMAT_SLOTS][8];
} FormatRecord;

#pragma pack(pop)

/* Argument types in the array beside a CommandRecord. */
enum { HOSTARG_NUMBER = 0, HOSTARG_TEXT = 1 };

#ifdef __cplusplus
}
#if UINTPTR_MAX == 0xFFFFFFFFu
static_assert(sizeof(CreateRecord) == 18, "CreateRecord is 18 bytes");
static_assert(offsetof(CreateRecord, callback) == 2 && offsetof(CreateRecord, context) == 6 &&
                  offsetof(CreateRecord, entry) == 10 && offsetof(CreateRecord, handle) == 14,
              "CreateRecord offsets");
static_assert(sizeof(CommandRecord) == 20, "CommandRecord is 20 bytes");
static_assert(offsetof(CommandRecord, reserved1) == 12 && offsetof(CommandRecord, reserved2) == 14 &&
                  offsetof(CommandRecord, argumentCount) == 18,
              "CommandRecord offsets");
static_assert(sizeof(OpenDeviceRecord) == 14, "OpenDeviceRecord is 14 bytes");
static_assert(offsetof(OpenDeviceRecord, mode) == 4 && offsetof(OpenDeviceRecord, connection) == 6 &&
                  offsetof(OpenDeviceRecord, last) == 10,
              "OpenDeviceRecord offsets");
static_assert(sizeof(FormatRecord) == 172, "FormatRecord is 172 bytes");
static_assert(offsetof(FormatRecord, slots) == 12, "FormatRecord slots start at 12");
#endif
#endif

#endif

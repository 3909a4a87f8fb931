/*
 * telvor_sim.h -- the simulated instrument's own interface.
 *
 * TELVOR.dll exports the two entries of the instrument communication library
 * (_tvl_Write@28 and _tvl_QueryString@36), which the plug-in imports, and
 * beside them these functions for a host or a test: load a scenario, override
 * replies, watch every exchange. The plug-in never calls them.
 *
 * All functions use the C calling convention and plain names (tvsim_...), so
 * a host can also find them with GetProcAddress.
 */
#ifndef TORVEX_TELVOR_SIM_H
#define TORVEX_TELVOR_SIM_H

#ifdef __cplusplus
extern "C" {
#endif

#ifdef TELVOR_BUILDING
#define TVSIM_API __declspec(dllexport)
#else
#define TVSIM_API __declspec(dllimport)
#endif

/* What a trace event reports. `text` is NUL-terminated; `number` as noted. */
enum TvsimEventKind {
    TVSIM_EV_WRITE = 1,   /* a command written, exactly as sent (the "> " line) */
    TVSIM_EV_QUERY = 2,   /* a query sent ("? ") */
    TVSIM_EV_REPLY = 3,   /* its reply without the final line feed ("< "); empty text for no reply */
    TVSIM_EV_FAILED = 4,  /* the preceding write or query failed with status `number` ("! N") */
    TVSIM_EV_UNKNOWN = 5, /* the command or query is outside the command set ("# unknown TEXT") */
    TVSIM_EV_FAULT = 6    /* a fault was injected; `text` names its kind ("# fault KIND") */
};

/* Called synchronously for every event, in order. */
typedef void (*TvsimTrace)(void *context, int kind, const char *text, int number);

/* Installs (or with NULL removes) the trace callback. */
TVSIM_API void tvsim_SetTrace(TvsimTrace trace, void *context);

/* Back to the built-in healthy instrument: default state and values, no
   overrides, no faults, zero latency, memory pattern, counters reset. */
TVSIM_API void tvsim_Reset(void);

/* Loads a scenario (INI) on top of the current model. 0 on success, else a
   nonzero code; tvsim_LastError() describes the failure. */
TVSIM_API int tvsim_LoadScenario(const char *path);

/* Overrides the reply to one query, matched exactly as sent (case-insensitive).
   `replies` may list successive replies separated by '|', the last one
   repeating; NULL removes the override. 0 on success. */
TVSIM_API int tvsim_SetReply(const char *query, const char *replies);

/* Sets the instrument state that "trns:stat?" answers. */
TVSIM_API void tvsim_SetState(int state);

/* Milliseconds each exchange takes (0: none). */
TVSIM_API void tvsim_SetLatency(int milliseconds);

/* Parameter memory (64 KiB) from and to a binary image. 0 on success. */
TVSIM_API int tvsim_LoadMemory(const char *path);
TVSIM_API int tvsim_SaveMemory(const char *path);
/* Direct access for tests: copies `count` bytes at `address` (wrapping at 64 KiB). */
TVSIM_API void tvsim_ReadMemory(unsigned address, unsigned char *out, unsigned count);
TVSIM_API void tvsim_WriteMemory(unsigned address, const unsigned char *data, unsigned count);

/* Exchanges handled since the last reset, and the time spent in the simulator
   for them (microseconds, latency included). */
TVSIM_API unsigned tvsim_ExchangeCount(void);
TVSIM_API double tvsim_BusyMicroseconds(void);

/* Text of the last scenario or memory error. */
TVSIM_API const char *tvsim_LastError(void);

/* Adds a fault rule, in the syntax of a scenario's [faults] lines:
   "KIND PATTERN [always|nth=N|every=N] [on=query|write|any] [option=value...]"
   (docs/simulator.md). 0 on success; tvsim_LastError() says what is wrong. */
TVSIM_API int tvsim_AddFault(const char *rule);
/* Removes every fault rule. */
TVSIM_API void tvsim_ClearFaults(void);

/* Sets one model value as a scenario's [values] line does: a stored
   parameter ("SYS:TMP1", "50.0,40.0"), a switch ("PRTC:BOUT:TMP", "OFF"), a
   set point ("PRTC:AOUT:LENS 5", "-25.0"), an input's level
   ("PRTC:AIN:PIBK", "2000") or a sequence status ("PLSM:STAT", "3").
   0 on success. */
TVSIM_API int tvsim_SetValue(const char *name, const char *value);

#ifdef __cplusplus
}
#endif

#endif

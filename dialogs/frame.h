/*
 * frame.h -- the MaintDialog frame shared by every maintenance dialog, and
 * the SystemParametersDialog pattern of the "System Parameters..." dialogs.
 *
 * A dialog describes what it is in plain tables -- its output boxes with
 * their ON/OFF command lists, its edit fields with their parameter
 * definitions, its polled inputs with query, reply field, format and display
 * range -- plus the few steps that really differ (ApplyState, PollInputs,
 * extra handlers). The frame runs the life cycle (state gate, properties,
 * timer, Enter/Close/Escape/Help, field commits) and the dispatch once.
 */
#ifndef TORVEX_FRAME_H
#define TORVEX_FRAME_H

#include <windows.h>
#include <stddef.h>

#include "plugin/host_services.h"

/* Number of rows of a table. */
#define COUNT_OF(table) (sizeof(table) / sizeof((table)[0]))

/* ---- outputs ---- */

struct FrameOutput;
typedef void (*OutputHandler)(PluginHandle handle, HWND dialog, const FrameOutput &output);

/* An output check box. With `command`, ticked writes command + " ON" and
   cleared command + " OFF"; otherwise the NULL-terminated lists `on` / `off`
   are written in order. A `handler` replaces both (gate valve, purge ...). */
struct FrameOutput {
    int id;
    const char *command;
    const char *const *on;
    const char *const *off;
    OutputHandler handler;
};

/* Writes the box's ON or OFF commands for its current tick. */
void RunOutput(PluginHandle handle, HWND dialog, const FrameOutput &output);
/* Clears the box and runs its handler: exactly the OFF commands are sent. */
void ResetOutput(PluginHandle handle, HWND dialog, const FrameOutput &output);
/* The shared +24 V supply box: "PRTC:BOUT:S24ON ON" / "PRTC:BOUT:S24ON OFF". */
void SendS24Switch(PluginHandle handle, HWND dialog, const FrameOutput &output);

/* ---- polled inputs ---- */

enum InputKind {
    InputAnalog,  /* SetNumberText with the format; "--------" outside the display range */
    InputOnOff,   /* HostNumberToInt of the value, shown unsigned */
    InputCheck    /* a check box ticked when the value rounds to non-zero */
};

struct FrameInput {
    const char *query;
    int field;          /* ReplyField(field, reply); 1 for a single value */
    int controlId;
    InputKind kind;
    const char *format; /* analog inputs */
    int rangeParamId;   /* 0: no display range */
};

/* Queries each input in order and shows it. Consecutive inputs with the same
   query text share one query (a compound query read field by field). */
void PollInputTable(PluginHandle handle, HWND dialog, const FrameInput *inputs, size_t count);
/* Shows one value as `input` describes. */
void ShowInput(PluginHandle handle, HWND dialog, const FrameInput &input, double value);

/* ---- edit fields ---- */

struct FrameField {
    int id;
    int paramId;
};

/* ---- the dialog description ---- */

struct MaintDialogDesc {
    int helpId;                  /* template number shown by Help (0: ask helpNumber) */
    UINT timerMs;                /* 0: no polling timer */
    int focusId;                 /* focus at open */
    BOOL closeStateFromOpen;     /* TRUE: the close step uses "hData"; FALSE: the state is read again */
    BOOL selectAllOnFocus;       /* EN_SETFOCUS of an edit field selects its whole text */
    BOOL hasEnter;               /* an Enter button (IDOK) that takes the focus */
    const FrameOutput *outputs;
    size_t outputCount;
    const FrameField *fields;    /* committed with SendParamField on EN_KILLFOCUS */
    size_t fieldCount;
    void (*applyState)(PluginHandle handle, HWND dialog, int state, int opening);
    void (*pollInputs)(PluginHandle handle, HWND dialog);   /* NULL: no polling */
    void (*extraProperties)(PluginHandle handle, HWND dialog);
    /* Handlers the tables do not cover; answer TRUE when the message was taken. */
    BOOL (*command)(PluginHandle handle, HWND dialog, int id, int code);
    int (*helpNumber)(PluginHandle handle, HWND dialog);
};

/* The dialog procedure body of every main maintenance dialog. */
INT_PTR MaintDialogProc(const MaintDialogDesc &desc, HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

/* ---- "System Parameters..." sub-dialogs ---- */

struct SystemParametersDesc {
    int helpId;
    const FrameField *fields;    /* validated (never sent) on EN_KILLFOCUS */
    size_t fieldCount;
    void (*load)(PluginHandle handle, HWND dialog);     /* read and show every parameter */
    void (*update)(PluginHandle handle, HWND dialog);   /* send every parameter */
    /* After a field was validated on leaving it (NULL: nothing more to do). */
    void (*validated)(PluginHandle handle, HWND dialog, int id);
    /* Whether Update reads the field in this configuration (NULL: every
       field of the table). Fields it does not read keep their text. */
    BOOL (*reads)(PluginHandle handle, HWND dialog, int id);
};

INT_PTR SystemParametersProc(const SystemParametersDesc &desc, HWND dialog, UINT message, WPARAM wParam,
                             LPARAM lParam);
/* Opens a sub-dialog modally over `owner`, with the owner's plug-in handle. */
void OpenSystemParameters(HWND owner, int templateId, DLGPROC procedure);

/* ---- small helpers shared by the dialogs ---- */

PluginHandle DialogPluginHandle(HWND dialog);
int DialogOpenState(HWND dialog);
/* Writes one command; the reply buffer is the library's. */
void SendCommand(HWND dialog, const char *command);
/* Sends one query; answers the library's ReplyBuffer holding the reply. */
const char *QueryInstrument(HWND dialog, const char *query);
/* Enables or disables each control of a 0-terminated list. */
void EnableControls(HWND dialog, const int *ids, BOOL enable);
/* Finds the output box with that id, or NULL. */
const FrameOutput *FindOutput(const FrameOutput *outputs, size_t count, int id);
/* Reads the control's text as it stands (at most 19 characters). A text
   that goes into a command is validated with its definition first. */
void FieldText(HWND dialog, int id, char (&text)[20]);
/* FieldText, answering TRUE only when the text is a plain number: a command
   built from field texts is sent only when every one of them is. */
BOOL FieldNumber(HWND dialog, int id, char (&text)[20]);

/* Waits about tenths x 100 ms while the dialog's messages (its timer too)
   keep flowing: KTCUSTOM's pause, used while the instrument settles. */
void WaitWithMessages(HWND dialog, int tenths);

#endif

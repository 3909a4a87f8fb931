/*
 * param_fields.h -- numeric edit fields tied to parameter definitions
 * (resources of type 1000): fill, validate, normalise and send.
 */
#ifndef TORVEX_PARAM_FIELDS_H
#define TORVEX_PARAM_FIELDS_H

#include <windows.h>

#include "paramdef_text.h"
#include "plugin/host_services.h"

/* Resource type of parameter definitions. */
#define RT_PARAMDEF 1000

/* Reads definition `id` from `module`; 1 when it exists, else 0. */
int LoadParamDef(HINSTANCE module, int id, struct ParamDef *def);

/* Sets the control's text unless it already shows exactly that text: a
   poll that reads an unchanged value repaints nothing (a static control
   repaints at once when its text is set). */
void SetControlText(HWND dialog, int controlId, const char *text);

/* Formats `value` with `format` through the host into `text` (64
   characters; empty when the host window cannot be had). */
void FormatNumberText(PluginHandle handle, char (&text)[64], const char *format, double value);

/* Shows `value` in the control, formatted with `format` through the host
   (empty text when the host window cannot be had). */
void SetNumberText(PluginHandle handle, HWND dialog, int controlId, const char *format, double value);

/* Puts the definition's default into the field in its format. 1, or 0 when
   the definition is missing (field unchanged). */
int InitParamField(PluginHandle handle, HWND dialog, int controlId, int paramId);

/* Reads the field (63 characters at most), brings the number into range and
   resolution, beeps when it had to be put back to a limit, rewrites the
   field in `format` and answers the value. */
double ValidateNumberField(PluginHandle handle, HWND dialog, int controlId, const char *format, double minimum,
                           double maximum, double step);

/* ValidateNumberField with the definition's values; 0.0 and the field
   untouched when the definition is missing. */
double ValidateParamField(PluginHandle handle, HWND dialog, int controlId, int paramId);

/* Validates the field and writes the definition's command prefix followed by
   the field's text (64-character command). 1 when the definition exists.
   Nothing is written when the text after validation is not a plain number
   (no host to format it, a dialog being torn down). */
int SendParamField(PluginHandle handle, HWND dialog, int controlId, int paramId);

#endif

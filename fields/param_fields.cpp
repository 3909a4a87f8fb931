/*
 * param_fields.cpp -- numeric edit fields on parameter definitions.
 * A field never sends a text that is not a number inside its definition's
 * range: the text is read as a decimal number, normalised and rewritten by
 * the host's formatting before anything is sent.
 */
#include <windows.h>
#include <string.h>

#include "link/channel.h"
#include "numeric.h"
#include "param_fields.h"

namespace {

/* Library-wide buffer the field texts are read into (fields are handled one
   at a time on the dialog thread). */
char s_fieldText[FIELD_TEXT_MAX + 1];

const size_t kCommandSize = 64;  // also the formatted text's size

} // namespace

int LoadParamDef(HINSTANCE module, int id, struct ParamDef *def)
{
    HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(RT_PARAMDEF));
    if (info == NULL)
        return 0;
    HGLOBAL data = LoadResource(module, info);
    if (data == NULL)
        return 0;
    const char *bytes = static_cast<const char *>(LockResource(data));
    if (bytes == NULL)
        return 0;
    ParseParamDef(bytes, SizeofResource(module, info), def);
    return 1;
}

void SetControlText(HWND dialog, int controlId, const char *text)
{
    /* One character more than the longest text compared, so that a longer
       text never reads as equal. One call reads the control by its id: the
       common case, an unchanged display, costs a single call. */
    char shown[kCommandSize + 1];
    size_t length = strlen(text);
    if (length < kCommandSize && GetDlgItemTextA(dialog, controlId, shown, sizeof shown) == length &&
        memcmp(shown, text, length) == 0)
        return;
    SetDlgItemTextA(dialog, controlId, text);
}

void FormatNumberText(PluginHandle handle, char (&text)[kCommandSize], const char *format, double value)
{
    HostFormat(handle, text, format, value);
    text[kCommandSize - 1] = '\0';
}

void SetNumberText(PluginHandle handle, HWND dialog, int controlId, const char *format, double value)
{
    char text[kCommandSize];
    FormatNumberText(handle, text, format, value);
    SetControlText(dialog, controlId, text);
}

int InitParamField(PluginHandle handle, HWND dialog, int controlId, int paramId)
{
    ParamDef def;
    if (!LoadParamDef(g_module, paramId, &def))
        return 0;
    SetNumberText(handle, dialog, controlId, def.format, def.defaultValue);
    return 1;
}

double ValidateNumberField(PluginHandle handle, HWND dialog, int controlId, const char *format, double minimum,
                           double maximum, double step)
{
    s_fieldText[0] = '\0';
    GetDlgItemTextA(dialog, controlId, s_fieldText, sizeof s_fieldText);
    NormalisedNumber number = NormaliseNumber(ParseDecimal(s_fieldText), minimum, maximum, step);
    if (number.beep)
        MessageBeep(MB_OK);
    SetNumberText(handle, dialog, controlId, format, number.value);
    return number.value;
}

double ValidateParamField(PluginHandle handle, HWND dialog, int controlId, int paramId)
{
    ParamDef def;
    if (!LoadParamDef(g_module, paramId, &def))
        return 0.0;
    return ValidateNumberField(handle, dialog, controlId, def.format, def.minimum, def.maximum, def.step);
}

int SendParamField(PluginHandle handle, HWND dialog, int controlId, int paramId)
{
    ParamDef def;
    if (!LoadParamDef(g_module, paramId, &def))
        return 0;
    ValidateNumberField(handle, dialog, controlId, def.format, def.minimum, def.maximum, def.step);
    char command[kCommandSize];
    char text[FIELD_TEXT_MAX + 1];
    text[0] = '\0';
    GetDlgItemTextA(dialog, controlId, text, sizeof text);
    if (!IsNumberText(text))
        return 1;
    lstrcpynA(command, def.prefix, sizeof command);
    size_t used = strlen(command);
    lstrcpynA(command + used, text, static_cast<int>(sizeof command - used));
    char reply[REPLY_SIZE];
    InstrumentWrite(GetParent(dialog), command, reply);
    return 1;
}

/*
 * paramdef_text.h -- the parameter definition record and the reading of its
 * resource data (six NUL-terminated ANSI texts). Portable: no Windows.
 */
#ifndef TORVEX_PARAMDEF_TEXT_H
#define TORVEX_PARAMDEF_TEXT_H

#include <stddef.h>

#define PARAMDEF_PREFIX_MAX 31
#define PARAMDEF_FORMAT_MAX 11

struct ParamDef {
    char prefix[PARAMDEF_PREFIX_MAX + 1];  /* command the value's text is appended to; may be empty */
    double minimum;
    double maximum;
    double defaultValue;
    double step;                           /* 0 or negative: no step rounding */
    char format[PARAMDEF_FORMAT_MAX + 1];  /* printf format for one double */
};

/* Reads `size` bytes of resource data into `def`. Each text ends at its NUL
   or at the end of the data, whichever comes first, and is cut to its limit
   (31 characters, the format 11); missing texts read as empty, so missing
   numbers read as 0.0. A format that would not take exactly one double is
   replaced by "%g" so that formatting can never read a wrong argument. */
void ParseParamDef(const char *data, size_t size, struct ParamDef *def);

/* 1 when `format` has exactly one conversion and it takes a double
   (e E f g G), with nothing but flags, width and precision (at most two
   digits each) before it. */
int IsDoubleFormat(const char *format);

#endif

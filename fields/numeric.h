/*
 * numeric.h -- the arithmetic of numeric fields: reading a typed text as a
 * number and bringing it into a parameter definition's range and
 * resolution. Portable: no Windows.
 */
#ifndef TORVEX_NUMERIC_H
#define TORVEX_NUMERIC_H

#include <stddef.h>

/* Longest text a field or definition number is read from (NUL excluded). */
#define FIELD_TEXT_MAX 63

/* Reads a typed field text as a number: ReadDecimal (link/decimal.h), the
   conversion instrument replies are read with too, over at most
   FIELD_TEXT_MAX characters. Never answers NaN. */
double ParseDecimal(const char *text);

/* 1 when `text` is a plain decimal number and nothing else: optional
   blanks, an optional sign, digits with an optional decimal point (at least
   one digit), an optional exponent with digits, optional blanks. This is
   the only shape a value may have when it is sent to the instrument; an
   empty text, "nan", "inf", hexadecimal or trailing words answer 0. At most
   FIELD_TEXT_MAX characters are looked at; a longer text answers 0. */
int IsNumberText(const char *text);

/* The result of bringing a value into a definition's range. */
struct NormalisedNumber {
    double value;  /* finite; when minimum <= maximum, inside it but for up to a tenth of the step */
    int beep;      /* 1 when the value had to be put back to a limit after the step cut */
};

/* Clamps `value` silently into [minimum, maximum], cuts it toward zero to a
   multiple of the step (step reduced by the double epsilon, only when the
   step is > 0), then puts it back to a limit it passes by more than a tenth
   of that step, asking for a beep. NaN counts as 0.0. */
struct NormalisedNumber NormaliseNumber(double value, double minimum, double maximum, double step);

#endif

/*
 * decimal.h -- the one text-to-number conversion of the plug-in, for
 * instrument replies and typed field texts alike. Portable: no Windows.
 */
#ifndef TORVEX_DECIMAL_H
#define TORVEX_DECIMAL_H

#include <stddef.h>

/* Longest text a decimal number is read from (a whole reply buffer). */
#define DECIMAL_TEXT_MAX 255

/* Reads the decimal number at the start of `text`: leading white space
   skipped, an optional sign, digits with an optional decimal point (at
   least one digit), an optional exponent. Reading stops at the first
   character that cannot continue such a number; no number at all gives 0.0.
   Hexadecimal forms ("0x10" reads as 0), "nan" and "inf" are not numbers
   here. At most `limit` characters are looked at (never more than
   DECIMAL_TEXT_MAX), so the text need not be NUL-terminated inside them.
   An exponent that overflows gives +/-HUGE_VAL. Never answers NaN. */
double ReadDecimal(const char *text, size_t limit);

#endif

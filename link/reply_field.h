/*
 * reply_field.h -- numbers out of instrument replies. Portable: no Windows.
 */
#ifndef TORVEX_REPLY_FIELD_H
#define TORVEX_REPLY_FIELD_H

/* The n-th number (from 1) of a reply whose numbers are separated by ';' or ','.
   The field is read with ReadDecimal (decimal only: "nan", "inf" and "0x10"
   read as 0.0, never NaN); no number gives 0.0, and so does a reply with
   fewer than n-1 separators. n <= 1 starts at the text. The reply is looked
   at up to its NUL or DECIMAL_TEXT_MAX characters, whichever comes first. */
double ReplyField(int n, const char *reply);

#endif

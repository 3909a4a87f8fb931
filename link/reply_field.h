/*
 * reply_field.h -- numbers out of instrument replies. Portable: no Windows.
 */
#ifndef TORVEX_REPLY_FIELD_H
#define TORVEX_REPLY_FIELD_H

/* The n-th number (from 1) of a reply whose numbers are separated by ';' or ','.
   Standard text-to-double conversion from that position; no number gives 0.0,
   and so does a reply with fewer than n-1 separators. n <= 1 starts at the text. */
double ReplyField(int n, const char *reply);

#endif

/*
 * format.h -- the host's answer to the plug-in's formatting message (0x500):
 * printf over a format text and the record's 8-byte argument slots.
 * No Windows headers; the slots are read exactly as the plug-in fills them.
 */
#ifndef CPHOST_FORMAT_H
#define CPHOST_FORMAT_H

#include <stddef.h>
#include <stdint.h>

namespace cphost {

/* The host never writes more than this into a plug-in's output buffer
   (NUL included): the record does not carry the buffer's size, and the
   smallest buffer a plug-in hands over holds 64 characters. */
constexpr size_t kFormatOutputLimit = 64;

/* Formats `format` with the arguments in `slots` (20 slots of 8 bytes) into
   `out` (capacity `outSize`, at least 1), truncating to fit. The format is
   walked the way the plug-in fills the slots: from each '%' the next
   character out of "%diuoxXfeEgGcsnp" ends a conversion and takes the next
   slot ("%%" takes a slot and prints '%'); e E f g G read a double, integer
   conversions read 16 bits after an 'h', else 32 bits; c s p read 32 bits
   (s: a pointer to text in this process, NULL prints "(null)"); n writes
   nothing. After 20 conversions, or a '%' without a conversion letter, the
   rest is copied as it stands. Answers the length of the text written. */
size_t formatSlots(char *out, size_t outSize, const char *format, const uint8_t (*slots)[8], size_t slotCount);

}  // namespace cphost

#endif

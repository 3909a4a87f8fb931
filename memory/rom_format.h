/*
 * rom_format.h -- the texts of the instrument memory backup (ReadRom) and
 * restore (WriteRom): argument checks, the memory query, the backup file
 * line, progress lines and the restore command cut from one file record.
 * Portable: no Windows headers. Every output goes into a caller's buffer of
 * a given size and is always NUL-terminated (truncated if it must be).
 */
#ifndef TORVEX_ROM_FORMAT_H
#define TORVEX_ROM_FORMAT_H

#include <stddef.h>
#include <stdint.h>

/* Bytes the instrument returns per memory query; one file line per block. */
constexpr int32_t kRomBlockBytes = 16;
/* Accepted byte counts of a backup, both ends included. */
constexpr int32_t kRomMinCount = 16;
constexpr int32_t kRomMaxCount = 8192;

/* A restore reads the file in records of exactly this many bytes: 10 of
   address and count, 79 of data, carriage return and line feed. */
constexpr size_t kRomRecordBytes = 91;
/* Bytes of a record that are sent: the line feed is dropped. */
constexpr size_t kRomRecordSent = 90;

/* Longest reply text the channel hands over (its buffer holds 256 with NUL). */
constexpr size_t kRomReplyChars = 255;

/* Buffer sizes that always hold the full text (NUL included). */
constexpr size_t kRomQuerySize = 64;     /* "PEC:EROM? #H" + up to 8 digits + ",16" */
constexpr size_t kRomProgressSize = 64;  /* "#H%04X %04d/%04d(Bytes)" with any 32-bit values */
constexpr size_t kRomLineSize = 288;     /* "#H" + up to 8 digits + ",16," + reply + CR LF */
constexpr size_t kRomCommandSize = 100;  /* "POC:EROM " + 90 record bytes */
constexpr size_t kRomLabelSize = 8;      /* first six record bytes */

/* Start address of a backup from its argument text, normally "#H" and four
   hexadecimal digits. Takes the characters at positions 3 to 6 (after any
   two-character prefix) as hexadecimal digits, most significant first, in
   either case. If any of the four is not a hexadecimal digit, or the text
   ends before the sixth character, the answer is 0. Reads no further than
   the text's NUL or its sixth character. Answers 0..0xFFFF; a null text
   answers 0. */
uint32_t RomParseAddress(const char *text);

/* Whole byte count of a backup from the host's number: rounded to the
   nearest whole number, halves upward (15.5 -> 16, -15.5 -> -15), then held
   within -2147483647..2147483647 (infinities included). NaN has no whole
   value and answers 0, which RomCountAccepted refuses. Never converts an
   out-of-range double to an integer. */
int32_t RomRoundCount(double value);

/* True when a rounded count may be backed up: 16..8192, both included. */
bool RomCountAccepted(int32_t count);

/* Number of 16-byte blocks a count reads; the remainder is dropped
   (100 -> 6). A count below 16 answers 0. */
int32_t RomBlockCount(int32_t count);

/* The memory query for the block at `address`: "PEC:EROM? #H%04X,16"
   (upper-case digits, at least four; more past FFFF). Answers the text's
   length, or 0 when `out` is null or `outSize` is 0. */
size_t RomQueryText(uint32_t address, char *out, size_t outSize);

/* One backup file line: "#H%04X,16," with the block's address, the reply
   text as received (at most kRomReplyChars characters are taken; a null
   reply counts as empty) and carriage return, line feed. Answers the line's
   length without the NUL, which is what goes to the file; with an empty
   reply and a four-digit address that is 12. A buffer of kRomLineSize
   always holds the full line. */
size_t RomFileLine(uint32_t address, const char *reply, char *out, size_t outSize);

/* Progress of a backup: "#H%04X %04d/%04d(Bytes)" with the block's address,
   the bytes read so far including this block and the total count. Answers
   the text's length. */
size_t RomProgressText(uint32_t address, int32_t done, int32_t total, char *out, size_t outSize);

/* The restore command for one file record of kRomRecordBytes bytes (the
   record need not be NUL-terminated and may hold any bytes): "POC:EROM "
   followed by the record cut after its 90th byte. The instrument takes
   NUL-terminated text, so a NUL inside the record ends the command there.
   Answers the command's length (at most 99). */
size_t RomWriteCommand(const unsigned char *record, char *out, size_t outSize);

/* Progress of a restore: the record's first six characters (its "#H"
   address), ending earlier at a NUL inside them. Answers the length. */
size_t RomRecordLabel(const unsigned char *record, char *out, size_t outSize);

#endif

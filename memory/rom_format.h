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

#include <vector>

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

/* Value of one hexadecimal digit (either case), or -1 for anything else (NUL included). */
int RomHexDigit(char c);

/* ---- Reading a memory file: as lines, as blocks, as a restore sends it ----
 * (rom_check.cpp)
 *
 * A backup is judged twice: as lines (a line ends at CR LF, at LF, or at a CR
 * that no LF follows) and as the 91-byte records a restore cuts from it. A
 * file restores exactly when every record is one whole line. */

/* The data part of a block line: sixteen "#Hxx" joined by ",". */
constexpr size_t kRomDataChars = 79;
/* Bytes of a line's content that are kept for reading its address, count
   and data; a longer line is judged by its length. */
constexpr size_t kRomLineHead = 128;

enum class RomLineEnd : uint8_t { CrLf, Lf, Cr, None };

struct RomLine {
    uint64_t number = 0;         /* 1-based */
    uint64_t offset = 0;         /* of its first byte in the file */
    uint64_t length = 0;         /* bytes, its line end included */
    uint64_t contentLength = 0;  /* bytes before the line end */
    RomLineEnd end = RomLineEnd::None;
    uint64_t unprintable = 0;          /* content bytes outside 0x20..0x7E */
    uint64_t firstUnprintable = 0;     /* position of the first in the line */
    unsigned char firstUnprintableByte = 0;
    char head[kRomLineHead] = {};      /* the first bytes of the content, as they are */

    size_t headLength() const { return contentLength < kRomLineHead ? static_cast<size_t>(contentLength) : kRomLineHead; }
};

/* Splits a file fed in pieces of any size into lines. */
class RomLineReader {
public:
    using Sink = void (*)(const RomLine &line, void *context);
    RomLineReader(Sink sink, void *context) : sink_(sink), context_(context) {}
    void Feed(const unsigned char *data, size_t size);
    /* Hands over a last line that has no line end. */
    void Finish();
    /* One byte; answers the number of the line that holds it. */
    uint64_t Push(unsigned char byte);
    /* Takes up to `limit` bytes of content that end no line: stops before a
       CR or LF. Only between lines' ends (no CR waiting for its LF).
       Answers the bytes taken. */
    size_t TakeContent(const unsigned char *data, size_t limit);
    bool crPending() const { return pendingCr_; }
    uint64_t bytes() const { return bytes_; }
    uint64_t lines() const { return lines_; }

private:
    void Emit(RomLineEnd end);
    void Append(unsigned char byte);
    Sink sink_;
    void *context_;
    RomLine line_;
    bool pendingCr_ = false;
    uint64_t bytes_ = 0, lines_ = 0;
};

/* What a line says as a block: "#H", address, ",", count, ",", data. */
struct RomBlock {
    bool hasAddress = false;    /* "#H" or "#h", 1 to 8 hexadecimal digits, "," */
    bool addressExact = false;  /* "#H" and exactly four upper-case digits */
    uint32_t address = 0;
    size_t addressDigits = 0;
    bool hasCount = false;      /* a count field ended by "," follows */
    bool countExact = false;    /* it is "16" */
    size_t dataOffset = 0;      /* where the data part starts in the line */
    uint64_t dataLength = 0;    /* characters of the data part */
    bool dataBytes = false;     /* sixteen "#Hxx" upper-case, joined by "," */
    uint8_t bytes[kRomBlockBytes] = {};
};

/* Reads the address, count and data of a line (from its head). */
void RomReadBlock(const RomLine &line, RomBlock *block);

/* True and the bytes when `data` is exactly sixteen "#Hxx" (upper-case
   hexadecimal) joined by ",": what the instrument answers a memory query. */
bool RomReadDataBytes(const char *data, size_t length, uint8_t bytes[kRomBlockBytes]);

/* A text shown in a message: printable ASCII as it is, CR and LF as \r and
   \n, any other byte as \xNN, cut with "..." to fit. Answers the length. */
size_t RomQuoted(const char *text, size_t length, char *out, size_t outSize);

/* In the order a line's problems are told. */
enum class RomProblemKind : uint8_t {
    EmptyFile,     /* nothing to restore */
    LineLength,    /* a line that is not 91 bytes */
    Unprintable,   /* bytes outside printable ASCII */
    Address,       /* not "#H" and four upper-case hexadecimal digits */
    AddressOrder,  /* not the address before it plus 16 */
    Count,         /* not ",16," */
    DataEmpty,     /* no data: a read without a reply (offline) */
    DataLength,    /* data part not 79 characters */
    DataForm,      /* 79 characters, but not sixteen "#Hxx" */
    LineEnd,       /* LF without CR, CR without LF, or none at the end */
    Records,       /* a restore's record that is not one whole line */
    TrailingPiece  /* fewer than 91 bytes at the end: never sent */
};

struct RomProblem {
    RomProblemKind kind = RomProblemKind::EmptyFile;
    uint64_t line = 0;    /* 1-based; 0 for the file as a whole */
    uint64_t offset = 0;  /* of the byte in question */
    uint64_t record = 0;  /* the restore's record holding that byte, 1-based */
    char text[224] = {};  /* what is wrong, in words */
};

struct RomCheckSummary {
    uint64_t bytes = 0;
    uint64_t lines = 0;
    uint64_t records = 0;          /* whole 91-byte records a restore sends */
    uint64_t recordsMatching = 0;  /* of them, those that are one whole line */
    uint64_t blocks = 0;           /* lines with a readable address */
    uint64_t problems = 0;
    bool haveAddress = false;
    uint32_t lowestAddress = 0, highestAddress = 0;
    uint64_t ignoredBytes = 0;     /* the trailing piece a restore never sends */
};

/* Judges a memory file fed in pieces of any size, reporting its problems
   in the order of the lines (a line's in the order of RomProblemKind) as
   soon as no later record can add to them. The file restores exactly (RestoresExactly) when it is not
   empty, every line is a block line as a backup writes it (91 bytes: "#H",
   four upper-case digits, ",16,", sixteen "#Hxx" joined by ",", CR LF), each
   address follows the one before by 16, and so every 91-byte record a
   restore sends is exactly one line. */
class RomChecker {
public:
    using Sink = void (*)(const RomProblem &problem, void *context);
    RomChecker(Sink sink, void *context);
    void Feed(const unsigned char *data, size_t size);
    void Finish();
    const RomCheckSummary &summary() const { return summary_; }
    bool RestoresExactly() const { return summary_.problems == 0 && summary_.bytes > 0; }

private:
    static void OnLine(const RomLine &line, void *self);
    void CheckLine(const RomLine &line);
    void OnRecord();
    void Flush(uint64_t beforeLine);
    void Report(RomProblemKind kind, uint64_t line, uint64_t offset, const char *format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 5, 6)))
#endif
        ;

    Sink sink_;
    void *context_;
    RomLineReader reader_;
    RomCheckSummary summary_;
    bool havePrevious_ = false;
    uint32_t previousAddress_ = 0;
    unsigned char record_[kRomRecordBytes] = {};
    size_t recordFill_ = 0;
    uint64_t recordLine_ = 0;        /* line holding the record's first byte */
    unsigned char previousLast_ = '\n';  /* last byte of the record before */
    bool shifted_ = false;           /* inside a run of records that are not lines */
    std::vector<RomProblem> pending_;  /* told once no record can come before them */
};

#endif

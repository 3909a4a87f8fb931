/*
 * rom_check.cpp -- reading a memory file as lines, blocks and the 91-byte
 * records a restore sends, and judging it (romtool). Built on the record
 * definitions and digits of rom_format.cpp; not linked into the plug-in,
 * which only writes and sends records.
 */
#include "memory/rom_format.h"

#include <algorithm>
#include <stdarg.h>
#include <stdio.h>
#include <string.h>

/* ---- reading a memory file ---- */

void RomLineReader::Append(unsigned char byte)
{
    RomLine &l = line_;
    if (l.contentLength < kRomLineHead) l.head[l.contentLength] = static_cast<char>(byte);
    if (byte < 0x20 || byte > 0x7E) {
        if (l.unprintable++ == 0) {
            l.firstUnprintable = l.contentLength;
            l.firstUnprintableByte = byte;
        }
    }
    ++l.contentLength;
}

void RomLineReader::Emit(RomLineEnd end)
{
    line_.end = end;
    line_.number = ++lines_;
    sink_(line_, context_);
    uint64_t next = line_.offset + line_.length;
    line_ = RomLine();
    line_.offset = next;
}

uint64_t RomLineReader::Push(unsigned char byte)
{
    ++bytes_;
    if (pendingCr_) {
        pendingCr_ = false;
        if (byte == '\n') {
            ++line_.length;
            Emit(RomLineEnd::CrLf);
            return lines_;
        }
        Emit(RomLineEnd::Cr);  /* a CR alone ends its line; this byte starts the next */
    }
    ++line_.length;
    if (byte == '\r') {
        pendingCr_ = true;
        return lines_ + 1;
    }
    if (byte == '\n') {
        Emit(RomLineEnd::Lf);
        return lines_;
    }
    Append(byte);
    return lines_ + 1;
}

size_t RomLineReader::TakeContent(const unsigned char *data, size_t limit)
{
    RomLine &l = line_;
    size_t n = 0;
    for (; n < limit; ++n) {
        const unsigned char byte = data[n];
        if (byte == '\r' || byte == '\n') break;
        if (l.contentLength + n < kRomLineHead) l.head[l.contentLength + n] = static_cast<char>(byte);
        if ((byte < 0x20 || byte > 0x7E) && l.unprintable++ == 0) {
            l.firstUnprintable = l.contentLength + n;
            l.firstUnprintableByte = byte;
        }
    }
    l.contentLength += n;
    l.length += n;
    bytes_ += n;
    return n;
}

void RomLineReader::Feed(const unsigned char *data, size_t size)
{
    for (size_t i = 0; i < size; ++i) Push(data[i]);
}

void RomLineReader::Finish()
{
    if (pendingCr_) {
        pendingCr_ = false;
        Emit(RomLineEnd::Cr);
    } else if (line_.length > 0) {
        Emit(RomLineEnd::None);
    }
}

namespace {

bool IsUpperHex(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

}  // namespace

bool RomReadDataBytes(const char *data, size_t length, uint8_t bytes[kRomBlockBytes])
{
    if (data == nullptr || length != kRomDataChars) return false;
    for (size_t i = 0; i < static_cast<size_t>(kRomBlockBytes); ++i) {
        const char *item = data + i * 5;
        if (item[0] != '#' || item[1] != 'H' || !IsUpperHex(item[2]) || !IsUpperHex(item[3])) return false;
        if (i + 1 < static_cast<size_t>(kRomBlockBytes) && item[4] != ',') return false;
        bytes[i] = static_cast<uint8_t>(RomHexDigit(item[2]) * 16 + RomHexDigit(item[3]));
    }
    return true;
}

void RomReadBlock(const RomLine &line, RomBlock *block)
{
    *block = RomBlock();
    const char *h = line.head;
    const size_t n = line.headLength();
    if (n < 3 || h[0] != '#' || (h[1] != 'H' && h[1] != 'h')) return;
    size_t i = 2;
    uint32_t address = 0;
    bool upper = h[1] == 'H';
    while (i < n && i < 10 && RomHexDigit(h[i]) >= 0) {
        address = address * 16 + static_cast<uint32_t>(RomHexDigit(h[i]));
        upper = upper && IsUpperHex(h[i]);
        ++i;
    }
    size_t digits = i - 2;
    if (digits == 0 || i >= n || h[i] != ',') return;
    block->hasAddress = true;
    block->address = address;
    block->addressDigits = digits;
    block->addressExact = upper && digits == 4;
    size_t countStart = ++i;
    while (i < n && h[i] != ',') ++i;
    if (i >= n) return;
    block->hasCount = true;
    block->countExact = i - countStart == 2 && h[countStart] == '1' && h[countStart + 1] == '6';
    block->dataOffset = i + 1;
    block->dataLength = line.contentLength - block->dataOffset;
    if (block->dataLength == kRomDataChars && block->dataOffset + kRomDataChars <= n)
        block->dataBytes = RomReadDataBytes(h + block->dataOffset, kRomDataChars, block->bytes);
}

size_t RomQuoted(const char *text, size_t length, char *out, size_t outSize)
{
    if (out == nullptr || outSize == 0) return 0;
    size_t at = 0;
    for (size_t i = 0; i < length; ++i) {
        char piece[5];
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\r') snprintf(piece, sizeof piece, "\\r");
        else if (c == '\n') snprintf(piece, sizeof piece, "\\n");
        else if (c == '\\' || c == '"') snprintf(piece, sizeof piece, "\\%c", c);
        else if (c < 0x20 || c > 0x7E) snprintf(piece, sizeof piece, "\\x%02X", c);
        else snprintf(piece, sizeof piece, "%c", c);
        size_t p = strlen(piece);
        /* Room for this piece, and for "..." if more follows. */
        size_t reserve = i + 1 < length ? 3 : 0;
        if (at + p + reserve + 1 > outSize) {
            if (outSize >= 4) {
                while (at + 4 > outSize) --at;
                memcpy(out + at, "...", 3);
                at += 3;
            }
            break;
        }
        memcpy(out + at, piece, p);
        at += p;
    }
    out[at] = '\0';
    return at;
}

RomChecker::RomChecker(Sink sink, void *context) : sink_(sink), context_(context), reader_(&RomChecker::OnLine, this) {}

void RomChecker::Report(RomProblemKind kind, uint64_t line, uint64_t offset, const char *format, ...)
{
    RomProblem p;
    p.kind = kind;
    p.line = line;
    p.offset = offset;
    p.record = offset / kRomRecordBytes + 1;
    va_list args;
    va_start(args, format);
    vsnprintf(p.text, sizeof p.text, format, args);
    va_end(args);
    ++summary_.problems;
    /* Kept in order of line, then kind; equal ones in the order found. */
    auto later = std::upper_bound(pending_.begin(), pending_.end(), p, [](const RomProblem &a, const RomProblem &b) {
        return a.line != b.line ? a.line < b.line : a.kind < b.kind;
    });
    pending_.insert(later, p);
}

void RomChecker::Flush(uint64_t beforeLine)
{
    size_t told = 0;
    while (told < pending_.size() && pending_[told].line < beforeLine) {
        if (sink_) sink_(pending_[told], context_);
        ++told;
    }
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(told));
}

void RomChecker::OnLine(const RomLine &line, void *self)
{
    static_cast<RomChecker *>(self)->CheckLine(line);
}

void RomChecker::CheckLine(const RomLine &line)
{
    ++summary_.lines;
    const uint64_t n = line.number, at = line.offset;
    if (line.end == RomLineEnd::Lf)
        Report(RomProblemKind::LineEnd, n, at + line.length - 1, "line ends in LF without CR");
    else if (line.end == RomLineEnd::Cr)
        Report(RomProblemKind::LineEnd, n, at + line.length - 1, "line ends in CR without LF");
    else if (line.end == RomLineEnd::None)
        Report(RomProblemKind::LineEnd, n, at + line.length - 1, "no line end: the file ends inside this line");
    if (line.length != kRomRecordBytes)
        Report(RomProblemKind::LineLength, n, at, "line is %llu bytes, not %u", static_cast<unsigned long long>(line.length),
               static_cast<unsigned>(kRomRecordBytes));
    if (line.unprintable > 0)
        Report(RomProblemKind::Unprintable, n, at + line.firstUnprintable,
               "byte 0x%02X at column %llu is not printable ASCII (%llu such byte%s in the line)",
               line.firstUnprintableByte, static_cast<unsigned long long>(line.firstUnprintable + 1),
               static_cast<unsigned long long>(line.unprintable), line.unprintable == 1 ? "" : "s");

    RomBlock block;
    RomReadBlock(line, &block);
    char shown[48];
    if (!block.hasAddress) {
        RomQuoted(line.head, line.headLength() < 12 ? line.headLength() : 12, shown, sizeof shown);
        if (line.contentLength == 0)
            Report(RomProblemKind::Address, n, at, "empty line: no address");
        else
            Report(RomProblemKind::Address, n, at, "no address: the line starts \"%s\", not #H and hexadecimal digits",
                   shown);
        return;
    }
    ++summary_.blocks;
    if (!block.addressExact) {
        RomQuoted(line.head, 2 + block.addressDigits, shown, sizeof shown);
        if (block.addressDigits == 5 && block.address > 0xFFFF)
            Report(RomProblemKind::Address, n, at, "address \"%s\" has five digits: a read past FFFF", shown);
        else
            Report(RomProblemKind::Address, n, at, "address \"%s\" is not #H and four upper-case hexadecimal digits",
                   shown);
    }
    if (!summary_.haveAddress) {
        summary_.haveAddress = true;
        summary_.lowestAddress = summary_.highestAddress = block.address;
    }
    if (block.address < summary_.lowestAddress) summary_.lowestAddress = block.address;
    if (block.address > summary_.highestAddress) summary_.highestAddress = block.address;
    if (havePrevious_ && block.address != previousAddress_ + kRomBlockBytes)
        Report(RomProblemKind::AddressOrder, n, at, "address #H%04X does not follow #H%04X by 16 (#H%04X expected)",
               static_cast<unsigned>(block.address), static_cast<unsigned>(previousAddress_),
               static_cast<unsigned>(previousAddress_ + kRomBlockBytes));
    havePrevious_ = true;
    previousAddress_ = block.address;

    const uint64_t countAt = at + 2 + block.addressDigits;
    if (!block.hasCount) {
        Report(RomProblemKind::Count, n, countAt, "the line ends before its data part: no \",16,\" and data after the address");
        return;
    }
    if (!block.countExact) {
        size_t from = 2 + block.addressDigits, to = block.dataOffset;
        RomQuoted(line.head + from, to - from, shown, sizeof shown);
        Report(RomProblemKind::Count, n, countAt, "byte count \"%s\", not \",16,\"", shown);
    }
    const uint64_t dataAt = at + block.dataOffset;
    if (block.dataLength == 0)
        Report(RomProblemKind::DataEmpty, n, dataAt, "empty data part: the block was read without a reply (offline?)");
    else if (block.dataLength != kRomDataChars)
        Report(RomProblemKind::DataLength, n, dataAt, "data part is %llu characters, not %u",
               static_cast<unsigned long long>(block.dataLength), static_cast<unsigned>(kRomDataChars));
    else if (!block.dataBytes)
        Report(RomProblemKind::DataForm, n, dataAt, "data part does not read as sixteen bytes #Hxx,#Hxx,...");
}

void RomChecker::OnRecord()
{
    const uint64_t index = summary_.records++;
    const uint64_t offset = index * kRomRecordBytes;
    /* One whole line: starts where a line starts, ends in its CR LF, holds
       no other line end. */
    bool whole = (previousLast_ == '\n' || previousLast_ == '\r') && record_[kRomRecordSent - 1] == '\r' &&
                 record_[kRomRecordSent] == '\n';
    for (size_t i = 0; whole && i + 2 < kRomRecordBytes; ++i) whole = record_[i] != '\r' && record_[i] != '\n';
    previousLast_ = record_[kRomRecordBytes - 1];
    if (whole) {
        ++summary_.recordsMatching;
        shifted_ = false;
        return;
    }
    if (shifted_) return;
    shifted_ = true;
    char command[kRomCommandSize];
    size_t length = RomWriteCommand(record_, command, sizeof command);
    /* Its start and its end: where the line ends inside it shows there. */
    char shown[80];
    if (length <= 56) {
        RomQuoted(command, length, shown, sizeof shown);
    } else {
        size_t n = RomQuoted(command, 28, shown, 40);
        memcpy(shown + n, "...", 4);
        RomQuoted(command + length - 20, 20, shown + n + 3, sizeof shown - n - 3);
    }
    Report(RomProblemKind::Records, recordLine_, offset,
           "record %llu is not one whole line: a restore sends \"%s\", and the records after it stay shifted until one "
           "starts a line again",
           static_cast<unsigned long long>(index + 1), shown);
}

void RomChecker::Feed(const unsigned char *data, size_t size)
{
    for (size_t i = 0; i < size; ++i) {
        /* Inside a line and a record: take the plain bytes up to the next
           line end in one go, leaving the record's last byte. */
        if (recordFill_ > 0 && recordFill_ + 1 < kRomRecordBytes && !reader_.crPending()) {
            const size_t room = kRomRecordBytes - 1 - recordFill_;
            const size_t n = reader_.TakeContent(data + i, size - i < room ? size - i : room);
            memcpy(record_ + recordFill_, data + i, n);
            recordFill_ += n;
            i += n;
            if (i == size) break;
        }
        const uint64_t linesBefore = reader_.lines();
        const uint64_t line = reader_.Push(data[i]);
        if (recordFill_ == 0) recordLine_ = line;
        record_[recordFill_++] = data[i];
        bool recordDone = recordFill_ == kRomRecordBytes;
        if (recordDone) {
            OnRecord();
            recordFill_ = 0;
        }
        /* A record yet to come starts in the line being read or later. */
        if (!pending_.empty() && (recordDone || reader_.lines() != linesBefore))
            Flush(recordFill_ > 0 ? recordLine_ : reader_.lines() + 1);
    }
}

void RomChecker::Finish()
{
    reader_.Finish();
    summary_.bytes = reader_.bytes();
    if (summary_.bytes == 0)
        Report(RomProblemKind::EmptyFile, 0, 0, "empty file: a restore sends nothing");
    if (recordFill_ > 0) {
        summary_.ignoredBytes = recordFill_;
        Report(RomProblemKind::TrailingPiece, recordLine_, summary_.records * kRomRecordBytes,
               "the last %llu byte%s of the file, fewer than a record, %s never sent",
               static_cast<unsigned long long>(recordFill_), recordFill_ == 1 ? "" : "s", recordFill_ == 1 ? "is" : "are");
    }
    Flush(UINT64_MAX);
}

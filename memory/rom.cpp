/*
 * rom.cpp -- ReadRom and WriteRom: back the instrument's parameter memory up
 * into a text file, one line per 16-byte block, and send such a file back,
 * one 91-byte record at a time.
 *
 * Both commands check all their arguments and open the file before anything
 * goes to the instrument or into the file. Argument and file problems are
 * reported to the host as errors ("Invalid Parameter!", "Invalid Filename!")
 * and answer 1. The channel's own failures are not detected: an offline or
 * failed query gives a line with an empty data part, a failed write is
 * ignored, and progress is reported for every block and record regardless.
 */
#include "memory/rom.h"

#include <windows.h>
#include <string.h>

#include "link/channel.h"
#include "memory/rom_format.h"
#include "plugin/host_services.h"

static_assert(REPLY_SIZE == kRomReplyChars + 1, "file lines take the whole reply buffer");

namespace {

constexpr UINT kInvalidParameter = 202;  /* "Invalid Parameter!" */
constexpr UINT kInvalidFilename = 203;   /* "Invalid Filename!" */
constexpr uint16_t kStatusProgress = 0;
constexpr uint16_t kStatusError = 1;

PluginHandle ToPluginHandle(HostWord handle)
{
    return reinterpret_cast<PluginHandle>(handle);
}

/* Reports a string-table message as an error; always answers 1. */
uint16_t ReportError(PluginHandle plugin, UINT stringId)
{
    HostReportStatus(plugin, kStatusError, LoadResString(stringId));
    return 1;
}

/* The byte-count argument; the host's double may sit at any address. */
bool NumberArgument(PluginHandle plugin, HostWord argumentList, int16_t index, double *value)
{
    const void *data = CommandArgument(plugin, argumentList, index);
    if (data == nullptr) return false;
    memcpy(value, data, sizeof *value);
    return true;
}

const char *TextArgument(PluginHandle plugin, HostWord argumentList, int16_t index)
{
    return static_cast<const char *>(CommandArgument(plugin, argumentList, index));
}

}  // namespace

extern "C" uint16_t TORVEX_CDECL ReadRomProc(HostWord argumentList, HostWord handle)
{
    PluginHandle plugin = ToPluginHandle(handle);
    HWND window = nullptr;
    if (HostGetWindow(plugin, &window) != 0) return 1;

    const char *addressText = TextArgument(plugin, argumentList, 1);
    if (addressText == nullptr) return ReportError(plugin, kInvalidParameter);
    uint32_t address = RomParseAddress(addressText);

    double countValue = 0.0;
    if (!NumberArgument(plugin, argumentList, 2, &countValue)) return ReportError(plugin, kInvalidParameter);
    int32_t count = RomRoundCount(countValue);
    if (!RomCountAccepted(count)) return ReportError(plugin, kInvalidParameter);

    const char *fileName = TextArgument(plugin, argumentList, 3);
    if (fileName == nullptr) return ReportError(plugin, kInvalidParameter);
    /* Replaces an existing file; others may write to it while the backup runs. */
    HANDLE file = CreateFileA(fileName, GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return ReportError(plugin, kInvalidFilename);

    const int32_t blocks = RomBlockCount(count);
    int32_t done = 0;
    for (int32_t block = 0; block < blocks; ++block) {
        char query[kRomQuerySize];
        RomQueryText(address, query, sizeof query);
        /* No reply (offline, failure) leaves the buffer empty: a 12-byte line. */
        ReplyBuffer[0] = '\0';
        InstrumentQuery(window, query, ReplyBuffer);
        ReplyBuffer[REPLY_SIZE - 1] = '\0';

        char line[kRomLineSize];
        size_t length = RomFileLine(address, ReplyBuffer, line, sizeof line);
        DWORD written = 0;
        WriteFile(file, line, static_cast<DWORD>(length), &written, nullptr);

        done += kRomBlockBytes;
        char progress[kRomProgressSize];
        RomProgressText(address, done, count, progress, sizeof progress);
        HostReportStatus(plugin, kStatusProgress, progress);

        address += kRomBlockBytes;
    }

    CloseHandle(file);
    return 0;
}

extern "C" uint16_t TORVEX_CDECL WriteRomProc(HostWord argumentList, HostWord handle)
{
    PluginHandle plugin = ToPluginHandle(handle);
    HWND window = nullptr;
    if (HostGetWindow(plugin, &window) != 0) return 1;

    const char *fileName = TextArgument(plugin, argumentList, 1);
    if (fileName == nullptr) return ReportError(plugin, kInvalidParameter);
    /* The file must exist; others may read it meanwhile. */
    HANDLE file = CreateFileA(fileName, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return ReportError(plugin, kInvalidFilename);

    /* One record in memory at a time, whatever the file's size. A short last
       piece (fewer than 91 bytes) and anything after a read error is left. */
    unsigned char record[kRomRecordBytes];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file, record, static_cast<DWORD>(sizeof record), &got, nullptr)) break;
        if (got < sizeof record) break;

        char command[kRomCommandSize];
        RomWriteCommand(record, command, sizeof command);
        InstrumentWrite(window, command, ReplyBuffer);

        char label[kRomLabelSize];
        RomRecordLabel(record, label, sizeof label);
        HostReportStatus(plugin, kStatusProgress, label);
    }

    CloseHandle(file);
    return 0;
}

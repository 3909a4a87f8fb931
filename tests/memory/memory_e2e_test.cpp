// ReadRom and WriteRom end to end: the real TORVEX2.dll in the in-process
// host, talking to the simulated instrument (TELVOR.dll), with real files.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "cphost/host.h"

namespace {

// ---- the simulator's test entries, from the same TELVOR.dll the host loads ----

struct Simulator {
    void(__cdecl *reset)(void) = nullptr;
    void(__cdecl *readMemory)(unsigned, unsigned char *, unsigned) = nullptr;
    void(__cdecl *writeMemory)(unsigned, const unsigned char *, unsigned) = nullptr;

    bool ready() const { return reset && readMemory && writeMemory; }
};

const Simulator &Sim()
{
    static Simulator sim = [] {
        Simulator s;
        char path[MAX_PATH];
        DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string folder(path, n);
        folder = folder.substr(0, folder.find_last_of("\\/"));
        HMODULE module = LoadLibraryExA((folder + "\\TELVOR.dll").c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
        if (!module) return s;
        s.reset = (decltype(s.reset))(void *)GetProcAddress(module, "tvsim_Reset");
        s.readMemory = (decltype(s.readMemory))(void *)GetProcAddress(module, "tvsim_ReadMemory");
        s.writeMemory = (decltype(s.writeMemory))(void *)GetProcAddress(module, "tvsim_WriteMemory");
        return s;
    }();
    return sim;
}

std::vector<unsigned char> SimMemory(unsigned address, unsigned count)
{
    std::vector<unsigned char> image(count);
    Sim().readMemory(address, image.data(), count);
    return image;
}

// ---- files ----

class TempFolder {
public:
    TempFolder()
    {
        static int serial = 0;
        char base[MAX_PATH];
        GetTempPathA(MAX_PATH, base);
        path_ = std::string(base) + "torvex_memory_" + std::to_string(GetCurrentProcessId()) + "_" +
                std::to_string(++serial);
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~TempFolder()
    {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                std::string name = path_ + "\\" + found.cFileName;
                SetFileAttributesA(name.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveDirectoryA(name.c_str());
                else
                    DeleteFileA(name.c_str());
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(path_.c_str());
    }
    const std::string &path() const { return path_; }
    std::string file(const std::string &name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

bool Exists(const std::string &path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ReadAll(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAll(const std::string &path, const std::string &data)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
}

// Lines of a backup file, each without its CR LF; the text must end with one.
std::vector<std::string> FileLines(const std::string &text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(text.size(), start) << "the file does not end with CR LF";
    return lines;
}

// A restorable line: address, count and 79 characters of data.
std::string RecordLine(unsigned address, char fill)
{
    char head[16];
    std::snprintf(head, sizeof head, "#H%04X,16,", address);
    return head + std::string(79, fill) + "\r\n";
}

// ---- the host ----

class MemoryCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!Sim().ready()) GTEST_SKIP() << "TELVOR.dll with the tvsim_ entries is not beside the test";
    }

    int Run(const std::string &command, const std::vector<std::string> &args)
    {
        int rc = host.run(command, args, "");
        EXPECT_TRUE(rc == 0 || rc == 1) << command << ": " << host.error();
        return rc;
    }

    // Transcript lines that start with `prefix`, with the prefix removed.
    std::vector<std::string> Lines(const std::string &prefix) const
    {
        std::vector<std::string> out;
        for (const std::string &line : host.transcript())
            if (line.compare(0, prefix.size(), prefix) == 0) out.push_back(line.substr(prefix.size()));
        return out;
    }

    // The replies to the queries in order ("<" alone is an empty reply).
    std::vector<std::string> Replies() const
    {
        std::vector<std::string> out;
        for (const std::string &line : host.transcript()) {
            if (line == "<") out.push_back("");
            else if (line.compare(0, 2, "< ") == 0) out.push_back(line.substr(2));
        }
        return out;
    }

    size_t InstrumentTraffic() const { return Lines("? ").size() + Lines("> ").size(); }

    void ExpectRefused(const char *message)
    {
        EXPECT_EQ(std::vector<std::string>{std::string("\"") + message + "\""}, Lines("status 1 "));
        EXPECT_EQ(0u, Lines("status 0 ").size());
        EXPECT_EQ(0u, InstrumentTraffic()) << "nothing may reach the instrument before the checks pass";
    }

    cphost::Host host;
    TempFolder folder;
};

// ---- ReadRom ----

TEST_F(MemoryCommand, ReadRomWritesOneLinePerBlock)
{
    std::string file = folder.file("a.rom");
    ASSERT_EQ(0, Run("ReadRom", {"#H00A0", "32", file}));

    EXPECT_EQ((std::vector<std::string>{"PEC:EROM? #H00A0,16", "PEC:EROM? #H00B0,16"}), Lines("? "));
    EXPECT_EQ((std::vector<std::string>{"\"#H00A0 0016/0032(Bytes)\"", "\"#H00B0 0032/0032(Bytes)\""}),
              Lines("status 0 "));
    EXPECT_EQ(0u, Lines("status 1 ").size());

    std::vector<std::string> replies = Replies();
    ASSERT_EQ(2u, replies.size());
    EXPECT_EQ("#H00A0,16," + replies[0] + "\r\n#H00B0,16," + replies[1] + "\r\n", ReadAll(file));

    // Each query is answered before its block's progress line.
    const std::vector<std::string> &t = host.transcript();
    auto at = [&](const std::string &line) { return std::find(t.begin(), t.end(), line) - t.begin(); };
    EXPECT_LT(at("? PEC:EROM? #H00B0,16"), at("status 0 \"#H00B0 0032/0032(Bytes)\""));
    EXPECT_LT(at("status 0 \"#H00A0 0016/0032(Bytes)\""), at("? PEC:EROM? #H00B0,16"));
}

// The reply's line feed is taken off whatever its length, up to the longest
// reply the buffer holds (254 characters and the line feed); a reply cut at
// 255 characters has none left. Each line ends CR LF, never LF CR LF.
TEST_F(MemoryCommand, ReadRomTakesTheLineFeedOffRepliesOfEveryLength)
{
    for (size_t length : {0u, 1u, 90u, 253u, 254u, 255u, 300u}) {
        std::string reply(length, 'R');
        for (size_t i = 0; i < length; i += 10) reply[i] = static_cast<char>('0' + i / 10 % 10);
        host.clearReplies();
        host.addReply("PEC:EROM? #H0000,16", reply);
        std::string file = folder.file("long.rom");
        ASSERT_EQ(0, Run("ReadRom", {"#H0000", "16", file})) << length;
        EXPECT_EQ("#H0000,16," + reply.substr(0, 255) + "\r\n", ReadAll(file)) << length;
    }
}

TEST_F(MemoryCommand, ReadRomPastFFFFWritesFiveDigitAddresses)
{
    std::string file = folder.file("wrap.rom");
    ASSERT_EQ(0, Run("ReadRom", {"#HFFF0", "32", file}));
    EXPECT_EQ((std::vector<std::string>{"PEC:EROM? #HFFF0,16", "PEC:EROM? #H10000,16"}), Lines("? "));
    EXPECT_EQ("\"#H10000 0032/0032(Bytes)\"", Lines("status 0 ").back());
    std::vector<std::string> lines = FileLines(ReadAll(file));
    ASSERT_EQ(2u, lines.size());
    // The instrument's memory ends at FFFF: it refuses the five-digit block,
    // which leaves that line with its address and no data.
    EXPECT_EQ(10u + 79u, lines[0].size());
    EXPECT_EQ("#H10000,16,", lines[1]);
}

TEST_F(MemoryCommand, ReadRomByteCounts)
{
    struct Case { const char *count; size_t blocks; const char *lastProgress; };
    for (const Case &c : {Case{"16", 1, "\"#H0000 0016/0016(Bytes)\""}, Case{"15.6", 1, "\"#H0000 0016/0016(Bytes)\""},
                          Case{"100", 6, "\"#H0050 0096/0100(Bytes)\""},
                          Case{"8192", 512, "\"#H1FF0 8192/8192(Bytes)\""}}) {
        std::string file = folder.file("count.rom");
        ASSERT_EQ(0, Run("ReadRom", {"#H0000", c.count, file})) << c.count;
        EXPECT_EQ(c.blocks, Lines("? ").size()) << c.count;
        EXPECT_EQ(c.lastProgress, Lines("status 0 ").back()) << c.count;
        EXPECT_EQ(c.blocks, FileLines(ReadAll(file)).size()) << c.count;
    }

    for (const char *count : {"15", "15.4", "15.49999", "8193", "8192.5", "8192.5000001", "0", "-0", "-1", "-16",
                              "1e300", "-1e300", "1e-300"}) {
        std::string file = folder.file(std::string("refused") + ".rom");
        EXPECT_EQ(1, Run("ReadRom", {"#H0000", count, file})) << count;
        ExpectRefused("Invalid Parameter!");
        EXPECT_FALSE(Exists(file)) << count;
    }
}

TEST_F(MemoryCommand, ReadRomNotANumberNeverReachesTheInstrument)
{
    // The host itself refuses a count that is not a finite number; either way
    // nothing may be sent and no file made. (NaN reaching the plug-in is
    // refused with "Invalid Parameter!"; the native tests cover that path.)
    std::string file = folder.file("nan.rom");
    for (const char *count : {"NaN", "nan", "inf", "-inf", "abc"}) {
        EXPECT_NE(0, host.run("ReadRom", {"#H0000", std::string(count), file}, "")) << count;
        EXPECT_EQ(0u, InstrumentTraffic()) << count;
        EXPECT_FALSE(Exists(file)) << count;
    }
}

TEST_F(MemoryCommand, ReadRomMissingArguments)
{
    for (const std::vector<std::string> &args :
         {std::vector<std::string>{}, {"#H0000"}, {"#H0000", "32"}}) {
        EXPECT_EQ(1, Run("ReadRom", args)) << args.size() << " argument(s)";
        ExpectRefused("Invalid Parameter!");
    }
}

TEST_F(MemoryCommand, ReadRomFilesThatCannotBeCreated)
{
    std::string readOnly = folder.file("readonly.rom");
    WriteAll(readOnly, "keep");
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);

    std::string locked = folder.file("locked.rom");
    WriteAll(locked, "keep");
    HANDLE lock = CreateFileA(locked.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);

    // A reader that does not let others write keeps the backup out as well.
    std::string beingRead = folder.file("reader.rom");
    WriteAll(beingRead, "keep");
    HANDLE reader = CreateFileA(beingRead.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, reader);

    // Wine running as root does not enforce the read-only attribute on
    // writes; the case is checked only where the platform enforces it.
    HANDLE probe = CreateFileA(readOnly.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    bool readOnlyEnforced = probe == INVALID_HANDLE_VALUE;
    if (!readOnlyEnforced)
        CloseHandle(probe);
    std::vector<std::string> names = {folder.path(), folder.file("missing\\a.rom"), locked, beingRead, std::string(),
                                      folder.file(std::string(4000, 'p') + ".rom")};
    if (readOnlyEnforced)
        names.push_back(readOnly);
    for (const std::string &name : names) {
        EXPECT_EQ(1, Run("ReadRom", {"#H0000", "32", name})) << name;
        ExpectRefused("Invalid Filename!");
    }
    CloseHandle(lock);
    CloseHandle(reader);
    if (readOnlyEnforced) {
        EXPECT_EQ("keep", ReadAll(readOnly));
    }
    EXPECT_EQ("keep", ReadAll(locked));
}

TEST_F(MemoryCommand, ReadRomReplacesTheFileAndLetsOthersWrite)
{
    std::string file = folder.file("old.rom");
    WriteAll(file, std::string(5000, 'Z'));
    HANDLE writer = CreateFileA(file.c_str(), GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, writer);

    ASSERT_EQ(0, Run("ReadRom", {"#H0000", "16", file}));
    CloseHandle(writer);
    std::vector<std::string> lines = FileLines(ReadAll(file));
    ASSERT_EQ(1u, lines.size());
    EXPECT_EQ(0u, lines[0].rfind("#H0000,16,", 0));
}

// ---- WriteRom ----

TEST_F(MemoryCommand, WriteRomSendsWholeRecordsOnly)
{
    // A last piece one byte short of a record is left; one of exactly 91
    // bytes is a record and is sent.
    std::string a = RecordLine(0x00A0, '1'), b = RecordLine(0x00B0, '2'), c = RecordLine(0x00C0, '3');
    struct Case { std::string tail; size_t sent; };
    for (const Case &k : {Case{"", 2}, Case{std::string(1, 'T'), 2}, Case{c.substr(0, 90), 2}, Case{c, 3}}) {
        std::string file = folder.file("two.rom");
        WriteAll(file, a + b + k.tail);
        ASSERT_EQ(0, Run("WriteRom", {file}));
        std::vector<std::string> sent = {"POC:EROM " + a.substr(0, 90), "POC:EROM " + b.substr(0, 90),
                                         "POC:EROM " + c.substr(0, 90)};
        std::vector<std::string> progress = {"\"#H00A0\"", "\"#H00B0\"", "\"#H00C0\""};
        sent.resize(k.sent);
        progress.resize(k.sent);
        EXPECT_EQ(sent, Lines("> ")) << k.tail.size();
        EXPECT_EQ(progress, Lines("status 0 ")) << k.tail.size();
        EXPECT_EQ(0u, Lines("? ").size());
    }
}

TEST_F(MemoryCommand, WriteRomOddFiles)
{
    std::string empty = folder.file("empty.rom");
    WriteAll(empty, "");
    ASSERT_EQ(0, Run("WriteRom", {empty}));
    EXPECT_EQ(0u, InstrumentTraffic());
    EXPECT_EQ(0u, Lines("status").size());

    // Offline lines (12 bytes) are sent as they fall into 91-byte records.
    std::string offline;
    for (int i = 0; i < 16; ++i) offline += "#H00A0,16,\r\n";  // 192 bytes: two records
    std::string misaligned = folder.file("offline.rom");
    WriteAll(misaligned, offline);
    ASSERT_EQ(0, Run("WriteRom", {misaligned}));
    EXPECT_EQ((std::vector<std::string>{"POC:EROM " + offline.substr(0, 90), "POC:EROM " + offline.substr(91, 90)}),
              Lines("> "));

    // Binary garbage: every whole record is sent, up to a NUL inside it.
    std::string garbage;
    for (int i = 0; i < 91 * 3 + 7; ++i) garbage += static_cast<char>((i * 37 + 11) % 256);
    garbage[91 + 20] = '\0';
    std::string binary = folder.file("garbage.rom");
    WriteAll(binary, garbage);
    ASSERT_EQ(0, Run("WriteRom", {binary}));
    std::vector<std::string> sent = Lines("> ");
    ASSERT_EQ(3u, sent.size());
    EXPECT_EQ(29u, sent[1].size());  // "POC:EROM " and the 20 bytes before the NUL
    EXPECT_EQ(3u, Lines("status 0 ").size());
}

TEST_F(MemoryCommand, WriteRomFilesThatCannotBeOpened)
{
    std::string locked = folder.file("locked.rom");
    WriteAll(locked, RecordLine(0, 'L'));
    HANDLE lock = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);

    std::string beingWritten = folder.file("writer.rom");
    WriteAll(beingWritten, RecordLine(0, 'W'));
    HANDLE writer = CreateFileA(beingWritten.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, writer);

    for (const std::string &name : {folder.file("absent.rom"), folder.path(), folder.file("missing\\a.rom"), locked,
                                    beingWritten, std::string(), folder.file(std::string(4000, 'p') + ".rom")}) {
        EXPECT_EQ(1, Run("WriteRom", {name})) << name;
        ExpectRefused("Invalid Filename!");
    }
    CloseHandle(lock);
    CloseHandle(writer);

    EXPECT_EQ(1, Run("WriteRom", {}));
    ExpectRefused("Invalid Parameter!");
}

TEST_F(MemoryCommand, WriteRomReadOnlyFileAndSharedReaders)
{
    std::string file = folder.file("ro.rom");
    WriteAll(file, RecordLine(0x10, 'R'));
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
    HANDLE reader = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, reader);
    EXPECT_EQ(0, Run("WriteRom", {file}));
    CloseHandle(reader);
    EXPECT_EQ(1u, Lines("> ").size());
}

TEST_F(MemoryCommand, WriteRomOfflineSendsNothingButReportsEachRecord)
{
    std::string file = folder.file("offline.rom");
    WriteAll(file, RecordLine(0, 'a') + RecordLine(0x10, 'b') + RecordLine(0x20, 'c'));
    host.setVariable("_offline", 1);
    EXPECT_EQ(0, Run("WriteRom", {file}));
    host.setVariable("_offline", 0);
    EXPECT_EQ(0u, InstrumentTraffic());
    EXPECT_EQ((std::vector<std::string>{"\"#H0000\"", "\"#H0010\"", "\"#H0020\""}), Lines("status 0 "));
}

// ---- back up, restore, back up ----

// Each run starts from a freshly reset simulator, so a memory that differs
// from the reset pattern is put in place from the trace sink: after the first
// block's progress line (block 0 is already read or written by then) the rest
// of the 8 KiB is overwritten with `image`.
void OverwriteAfterFirstBlock(cphost::Host &host, const std::vector<unsigned char> &image)
{
    auto done = std::make_shared<bool>(false);
    host.setTraceSink([done, &image](const std::string &line) {
        if (!*done && line.rfind("status 0 ", 0) == 0) {
            *done = true;
            Sim().writeMemory(16, image.data() + 16, static_cast<unsigned>(image.size() - 16));
        }
    });
}

TEST_F(MemoryCommand, BackupRestoreBackupRoundTrip)
{
    Sim().reset();
    const std::vector<unsigned char> pattern = SimMemory(0, 8192);
    std::vector<unsigned char> image = pattern;
    for (size_t i = 16; i < image.size(); ++i) image[i] = static_cast<unsigned char>(pattern[i] ^ 0x5A ^ (i >> 4));

    // 1. Back up a memory that differs from the reset pattern.
    std::string first = folder.file("first.rom");
    OverwriteAfterFirstBlock(host, image);
    ASSERT_EQ(0, Run("ReadRom", {"#H0000", "8192", first}));
    host.setTraceSink(nullptr);
    std::vector<std::string> lines = FileLines(ReadAll(first));
    ASSERT_EQ(512u, lines.size());
    for (const std::string &line : lines) ASSERT_EQ(89u, line.size()) << "not restorable: " << line;
    ASSERT_EQ(image, SimMemory(0, 8192)) << "reading must not change the memory";

    // 2. Restore it into the reset simulator (the pattern, not the image).
    ASSERT_EQ(0, Run("WriteRom", {first}));
    EXPECT_EQ(512u, Lines("> ").size());
    EXPECT_EQ(image, SimMemory(0, 8192)) << "the restore must reproduce the backed-up memory byte for byte";
    const std::vector<unsigned char> restored = SimMemory(0, 8192);

    // 3. Back up the restored memory again: the same file, byte for byte.
    std::string second = folder.file("second.rom");
    OverwriteAfterFirstBlock(host, restored);
    ASSERT_EQ(0, Run("ReadRom", {"#H0000", "8192", second}));
    host.setTraceSink(nullptr);
    EXPECT_TRUE(ReadAll(first) == ReadAll(second)) << "the second backup differs from the first";
}

// ---- hostile arguments and files ----

TEST_F(MemoryCommand, ReadRomAddressTexts)
{
    // Only the address text's characters 3 to 6 count, in either case;
    // anything else there reads as address 0, however long or strange the text.
    struct Case { std::string text; const char *firstQuery; };
    for (const Case &c : {Case{"#h00a0", "PEC:EROM? #H00A0,16"}, Case{"#HXYZ1", "PEC:EROM? #H0000,16"},
                          Case{"#H12", "PEC:EROM? #H0000,16"}, Case{std::string(10000, '#'), "PEC:EROM? #H0000,16"},
                          Case{"#H00A0" + std::string(10000, 'Z'), "PEC:EROM? #H00A0,16"},
                          Case{"\x01\x02\xff\xfe\x80\x7f", "PEC:EROM? #H0000,16"},
                          Case{"#H%s%n%p", "PEC:EROM? #H0000,16"}, Case{"#HffFF", "PEC:EROM? #HFFFF,16"}}) {
        ASSERT_EQ(0, Run("ReadRom", {c.text, "16", folder.file("h.rom")})) << c.text.substr(0, 20);
        EXPECT_EQ(std::vector<std::string>{c.firstQuery}, Lines("? ")) << c.text.substr(0, 20);
    }
}

TEST_F(MemoryCommand, WriteRomOverlongLinesGoRecordByRecord)
{
    // A line of 1000 characters is not a record: the file is still sent in
    // 91-byte pieces as they fall, the instrument judging each one.
    std::string text = std::string(1000, '7') + "\r\n" + RecordLine(0x20, 'q');
    std::string file = folder.file("long-line.rom");
    WriteAll(file, text);
    ASSERT_EQ(0, Run("WriteRom", {file}));
    std::vector<std::string> sent = Lines("> ");
    ASSERT_EQ(text.size() / 91, sent.size());
    for (size_t i = 0; i < sent.size(); ++i)
        EXPECT_EQ("POC:EROM " + text.substr(i * 91, 90), sent[i]) << i;
}

// A restore reads one record at a time: its memory stays flat whatever the
// file's size. TORVEX_HUGE_MB sets the size (default 20; 100 in the long run).
TEST_F(MemoryCommand, WriteRomHugeFileInFlatMemory)
{
    const char *env = std::getenv("TORVEX_HUGE_MB");
    const long long bytes = (env ? std::atoll(env) : 20) * 1000 * 1000;
    const long long records = bytes / 91;
    std::string file = folder.file("huge.rom");
    {
        std::ofstream out(file, std::ios::binary);
        std::string line = RecordLine(0x40, 'H');
        for (long long i = 0; i < records; ++i) out << line;
        out << std::string(static_cast<size_t>(bytes - records * 91), 'x');
    }
    auto privateBytes = [] {
        PROCESS_MEMORY_COUNTERS c{};  // committed private memory: PagefileUsage
        c.cb = sizeof c;
        GetProcessMemoryInfo(GetCurrentProcess(), &c, sizeof c);
        return static_cast<long long>(c.PagefileUsage);
    };
    long long seen = 0, start = 0, highest = 0;
    host.setKeepTranscript(false);
    host.setTraceSink([&](const std::string &line) {
        if (line.rfind("> ", 0) != 0)
            return;
        if (++seen % 4096 == 1) {
            long long now = privateBytes();
            if (seen == 1)
                start = now;
            highest = now > highest ? now : highest;
        }
    });
    auto t0 = std::chrono::steady_clock::now();
    int rc = host.run("WriteRom", {file}, "");
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    host.setTraceSink(nullptr);
    host.setKeepTranscript(true);
    ASSERT_EQ(0, rc) << host.error();
    EXPECT_EQ(records, seen);
    std::printf("WriteRom %lld MB (%lld records): %.1f s, private bytes %lld KiB at the first record, %+lld KiB at "
                "most\n", bytes / 1000000, records, seconds, start / 1024, (highest - start) / 1024);
    EXPECT_LT(highest - start, 4LL * 1024 * 1024);
}

}  // namespace

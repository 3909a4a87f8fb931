// ReadRomProc and WriteRomProc run natively: memory/rom.cpp compiled against
// a POSIX stand-in for its few Windows file calls (shim/windows.h) and a fake
// host and instrument defined here. The instrument keeps a 64 KiB memory and
// answers "PEC:EROM?" with "#H00,#H01,..." (79 characters) and parses
// "POC:EROM" records, so a back-up/restore round trip runs for real.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "link/channel.h"
#include "memory/rom.h"

// ---- the fake host and instrument ----

namespace {

struct Argument {
    bool present = false;
    bool isText = false;
    std::string text;
    double number = 0;
};

struct Fake {
    std::vector<Argument> args;
    std::vector<std::string> transcript;
    bool keepTranscript = true;
    size_t queries = 0, writes = 0, statuses = 0;
    bool windowFails = false;
    bool offline = false;
    int openFiles = 0;
    unsigned char memory[65536] = {};
} g;

// Builds the line only when it is kept: the large-file test must not
// allocate per record (AddressSanitizer's quarantine would hold it all).
void Log(const char *head, const char *text, const char *tail = "")
{
    if (g.keepTranscript) g.transcript.push_back(std::string(head) + text + tail);
}

}  // namespace

char ReplyBuffer[REPLY_SIZE];

uint16_t HostGetWindow(PluginHandle, HWND *windowOut)
{
    *windowOut = g.windowFails ? nullptr : reinterpret_cast<HWND>(0x1234);
    return g.windowFails ? 1 : 0;
}

void *CommandArgument(PluginHandle, HostWord, int16_t index)
{
    if (index < 1 || index > static_cast<int>(g.args.size())) return nullptr;
    Argument &a = g.args[index - 1];
    if (!a.present) return nullptr;
    return a.isText ? static_cast<void *>(&a.text[0]) : static_cast<void *>(&a.number);
}

void HostReportStatus(PluginHandle, uint16_t kind, const char *text)
{
    ++g.statuses;
    Log(kind ? "status 1 \"" : "status 0 \"", text, "\"");
}

const char *LoadResString(UINT id)
{
    return id == 202 ? "Invalid Parameter!" : id == 203 ? "Invalid Filename!" : "";
}

uint32_t InstrumentChannel(HWND, uint32_t mode, const char *command, char *reply)
{
    if (g.offline) {
        reply[0] = '\0';
        return 1;
    }
    unsigned address = 0;
    if (mode == InstrumentQueryMode) {
        ++g.queries;
        Log("? ", command);
        if (std::sscanf(command, "PEC:EROM? #H%x,16", &address) == 1) {
            std::string text;
            for (unsigned i = 0; i < 16; ++i) {
                char item[8];
                std::snprintf(item, sizeof item, "%s#H%02X", i ? "," : "", g.memory[(address + i) & 0xFFFF]);
                text += item;
            }
            std::snprintf(reply, REPLY_SIZE, "%s", text.c_str());
        }
        return 0;
    }
    ++g.writes;
    Log("> ", command);
    unsigned bytes[16];
    if (std::sscanf(command,
                    "POC:EROM #H%x,16,#H%x,#H%x,#H%x,#H%x,#H%x,#H%x,#H%x,#H%x,#H%x,#H%x,#H%x,#H%x,#H%x,#H%x,#H%x,#H%x",
                    &address, &bytes[0], &bytes[1], &bytes[2], &bytes[3], &bytes[4], &bytes[5], &bytes[6], &bytes[7],
                    &bytes[8], &bytes[9], &bytes[10], &bytes[11], &bytes[12], &bytes[13], &bytes[14],
                    &bytes[15]) == 17) {
        for (unsigned i = 0; i < 16; ++i) g.memory[(address + i) & 0xFFFF] = static_cast<unsigned char>(bytes[i]);
    }
    return 0;
}

// ---- the file calls over POSIX ----

HANDLE CreateFileA(const char *name, DWORD access, DWORD, void *, DWORD disposition, DWORD, HANDLE)
{
    struct stat info;
    if (name[0] == '\0' || (stat(name, &info) == 0 && S_ISDIR(info.st_mode))) return INVALID_HANDLE_VALUE;
    int fd = disposition == CREATE_ALWAYS && (access & GENERIC_WRITE) ? open(name, O_WRONLY | O_CREAT | O_TRUNC, 0644)
             : disposition == OPEN_EXISTING && (access & GENERIC_READ) ? open(name, O_RDONLY)
                                                                         : -1;
    if (fd < 0) return INVALID_HANDLE_VALUE;
    ++g.openFiles;
    return reinterpret_cast<HANDLE>(static_cast<intptr_t>(fd));
}

BOOL ReadFile(HANDLE file, void *buffer, DWORD size, DWORD *got, void *)
{
    *got = 0;
    while (*got < size) {
        ssize_t n = read(static_cast<int>(reinterpret_cast<intptr_t>(file)), static_cast<char *>(buffer) + *got,
                         size - *got);
        if (n < 0) return 0;
        if (n == 0) break;
        *got += static_cast<DWORD>(n);
    }
    return 1;
}

BOOL WriteFile(HANDLE file, const void *buffer, DWORD size, DWORD *written, void *)
{
    ssize_t n = write(static_cast<int>(reinterpret_cast<intptr_t>(file)), buffer, size);
    *written = n < 0 ? 0 : static_cast<DWORD>(n);
    return n == static_cast<ssize_t>(size);
}

BOOL CloseHandle(HANDLE handle)
{
    --g.openFiles;
    return close(static_cast<int>(reinterpret_cast<intptr_t>(handle))) == 0;
}

// ---- tests ----

namespace {

Argument Text(const std::string &t) { return Argument{true, true, t, 0}; }
Argument Number(double v) { return Argument{true, false, "", v}; }
const Argument kAbsent{};

class MemoryProc : public ::testing::Test {
protected:
    void SetUp() override
    {
        g = Fake();
        char pattern[] = "/tmp/torvex_rom_XXXXXX";
        folder = mkdtemp(pattern);
        for (unsigned a = 0; a < 65536; ++a) g.memory[a] = static_cast<unsigned char>(a * 7 + (a >> 8));
    }
    void TearDown() override
    {
        EXPECT_EQ(0, g.openFiles) << "a file handle was left open";
        std::system(("rm -rf '" + folder + "'").c_str());
    }

    int ReadRom(std::vector<Argument> args)
    {
        g.args = std::move(args);
        g.transcript.clear();
        return ReadRomProc(7, 1);
    }
    int WriteRom(std::vector<Argument> args)
    {
        g.args = std::move(args);
        g.transcript.clear();
        return WriteRomProc(7, 1);
    }
    std::string File(const std::string &name) const { return folder + "/" + name; }
    static std::string Read(const std::string &path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static void Write(const std::string &path, const std::string &data)
    {
        std::ofstream(path, std::ios::binary) << data;
    }

    std::string folder;
};

TEST_F(MemoryProc, ReadRomTwoBlocks)
{
    std::string file = File("a.rom");
    ASSERT_EQ(0, ReadRom({Text("#H00A0"), Number(32), Text(file)}));
    EXPECT_EQ((std::vector<std::string>{"? PEC:EROM? #H00A0,16", "status 0 \"#H00A0 0016/0032(Bytes)\"",
                                        "? PEC:EROM? #H00B0,16", "status 0 \"#H00B0 0032/0032(Bytes)\""}),
              g.transcript);
    std::string text = Read(file);
    ASSERT_EQ(182u, text.size());
    EXPECT_EQ(0u, text.compare(0, 14, "#H00A0,16,#H60"));  // memory[0xA0] = 0xA0 * 7 = 0x460
    EXPECT_EQ(0u, text.compare(91, 10, "#H00B0,16,"));
    EXPECT_EQ("\r\n", text.substr(89, 2));
}

TEST_F(MemoryProc, RefusedBeforeAnythingIsSentOrWritten)
{
    const std::string file = File("refused.rom");
    struct Case { std::vector<Argument> args; const char *message; };
    const Case cases[] = {
        {{}, "Invalid Parameter!"},
        {{Text("#H0000")}, "Invalid Parameter!"},
        {{Text("#H0000"), Number(32)}, "Invalid Parameter!"},
        {{Text("#H0000"), Number(32), kAbsent}, "Invalid Parameter!"},
        {{Text("#H0000"), Number(15), Text(file)}, "Invalid Parameter!"},
        {{Text("#H0000"), Number(8193), Text(file)}, "Invalid Parameter!"},
        {{Text("#H0000"), Number(-1), Text(file)}, "Invalid Parameter!"},
        {{Text("#H0000"), Number(1e300), Text(file)}, "Invalid Parameter!"},
        {{Text("#H0000"), Number(std::nan("")), Text(file)}, "Invalid Parameter!"},
        {{Text("#H0000"), Number(-HUGE_VAL), Text(file)}, "Invalid Parameter!"},
        {{Text("#H0000"), Number(32), Text(folder)}, "Invalid Filename!"},
        {{Text("#H0000"), Number(32), Text(File("missing/a.rom"))}, "Invalid Filename!"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(1, ReadRom(c.args));
        EXPECT_EQ(std::vector<std::string>{std::string("status 1 \"") + c.message + "\""}, g.transcript);
        EXPECT_EQ(0u, g.queries);
        EXPECT_NE(0, access(file.c_str(), F_OK)) << "the file must not be created";
    }

    for (const Case &c : {Case{{}, "Invalid Parameter!"}, Case{{Text(File("absent.rom"))}, "Invalid Filename!"},
                          Case{{Text(folder)}, "Invalid Filename!"}, Case{{Text("")}, "Invalid Filename!"}}) {
        EXPECT_EQ(1, WriteRom(c.args));
        EXPECT_EQ(std::vector<std::string>{std::string("status 1 \"") + c.message + "\""}, g.transcript);
    }
    EXPECT_EQ(0u, g.writes);

    g.windowFails = true;  // no host window: 1, and nothing is reported
    EXPECT_EQ(1, ReadRom({Text("#H0000"), Number(32), Text(file)}));
    EXPECT_EQ(1, WriteRom({Text(file)}));
    EXPECT_TRUE(g.transcript.empty());
}

TEST_F(MemoryProc, OfflineLinesAndShortRecords)
{
    g.offline = true;
    std::string file = File("offline.rom");
    ASSERT_EQ(0, ReadRom({Text("#HFFF0"), Number(47.5), Text(file)}));  // 48 bytes: 3 blocks, past FFFF
    EXPECT_EQ("#HFFF0,16,\r\n#H10000,16,\r\n#H10010,16,\r\n", Read(file));
    EXPECT_EQ("status 0 \"#H10010 0048/0048(Bytes)\"", g.transcript.back());

    g.offline = false;
    std::string line = "#H0010,16," + std::string(79, 'd') + "\r\n";
    Write(file, line + line + std::string(40, 'x'));
    ASSERT_EQ(0, WriteRom({Text(file)}));
    std::string sent = "> POC:EROM " + line.substr(0, 90);
    EXPECT_EQ((std::vector<std::string>{sent, "status 0 \"#H0010\"", sent, "status 0 \"#H0010\""}), g.transcript);

    Write(file, "");
    ASSERT_EQ(0, WriteRom({Text(file)}));
    EXPECT_TRUE(g.transcript.empty());
}

TEST_F(MemoryProc, BackupRestoreBackupRoundTrip)
{
    std::vector<unsigned char> original(g.memory, g.memory + 8192);
    std::string first = File("first.rom"), second = File("second.rom");
    ASSERT_EQ(0, ReadRom({Text("#H0000"), Number(8192), Text(first)}));
    ASSERT_EQ(512u * 91, Read(first).size());

    for (unsigned a = 0; a < 8192; ++a) g.memory[a] ^= 0xFF;  // the restore target differs everywhere
    ASSERT_EQ(0, WriteRom({Text(first)}));
    EXPECT_EQ(512u, g.writes);
    EXPECT_TRUE(std::equal(original.begin(), original.end(), g.memory));

    ASSERT_EQ(0, ReadRom({Text("#H0000"), Number(8192), Text(second)}));
    EXPECT_TRUE(Read(first) == Read(second));
}

TEST_F(MemoryProc, HundredMegabyteRestoreKeepsMemoryFlat)
{
    const size_t records = 100u * 1000 * 1000 / 91;
    std::string file = File("huge.rom");
    {
        std::string line = "#H0000,16," + std::string(79, 'h') + "\r\n", block;
        for (int i = 0; i < 1000; ++i) block += line;
        std::ofstream out(file, std::ios::binary);
        for (size_t i = 0; i < records / 1000; ++i) out << block;
        for (size_t i = 0; i < records % 1000; ++i) out << line;
        out << std::string(50, 'x');
    }
    g.keepTranscript = false;
    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    ASSERT_EQ(0, WriteRom({Text(file)}));
    getrusage(RUSAGE_SELF, &after);
    EXPECT_EQ(records, g.writes);
    EXPECT_EQ(records, g.statuses);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 16 * 1024) << "KiB of peak memory grown while sending 100 MB";
    unlink(file.c_str());
}

}  // namespace

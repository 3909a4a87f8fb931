// ReadRom and WriteRom end to end: the real TORVEX2.dll in the in-process
// host, talking to the simulated instrument (TELVOR.dll), with real files. (A
// backup restored and backed up again: romtool_tests, each file of its table.)
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cphost/host.h"
#include "tests/host/host_support.h"

namespace {

std::string Hex(const char *form, unsigned a, unsigned b = 0, unsigned c = 0)
{
    char text[64];
    std::snprintf(text, sizeof text, form, a, b, c);
    return text;
}

// A restorable line: address, count and 79 characters of data.
std::string RecordLine(unsigned address, char fill) { return Hex("#H%04X,16,", address) + std::string(79, fill) + "\r\n"; }

class MemoryCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        static int serial = 0;
        dir = (std::filesystem::temp_directory_path() /
               ("torvex_memory_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++serial))).string();
        std::filesystem::create_directory(dir);
    }
    void TearDown() override
    {
        std::error_code ec;
        for (const auto &entry : std::filesystem::directory_iterator(dir, ec))
            SetFileAttributesA(entry.path().string().c_str(), FILE_ATTRIBUTE_NORMAL);
        std::filesystem::remove_all(dir, ec);
    }
    std::string file(const std::string &name) const { return dir + "\\" + name; }

    int Run(const std::string &command, const std::vector<std::string> &args)
    {
        int rc = host.run(command, args, "");
        EXPECT_TRUE(rc == 0 || rc == 1) << command << ": " << host.error();
        return rc;
    }

    std::vector<std::string> Lines(const std::string &prefix) const { return only(host.transcript(), {prefix}); }
    size_t InstrumentTraffic() const { return only(host.transcript(), {"? ", "> "}).size(); }

    void ExpectRefused(const char *message, const std::string &what)
    {
        EXPECT_EQ(std::vector<std::string>{std::string("status 1 \"") + message + "\""}, Lines("status 1 ")) << what;
        EXPECT_EQ(0u, Lines("status 0 ").size()) << what;
        EXPECT_EQ(0u, InstrumentTraffic()) << what << ": nothing may reach the instrument before the checks pass";
    }

    cphost::Host host;
    std::string dir;
};

// Each block's query, answered before its progress line; the file holds each
// block's address and reply (the line feed taken off, at most 255
// characters), lines ending CR LF. Only characters 3 to 6 of the address
// text count, in either case; anything else there reads as address 0 (each
// form: rom_format_test; here the hostile texts through the host). The
// instrument refuses a block past FFFF: its line keeps the address, no data.
TEST_F(MemoryCommand, ReadRomQueriesProgressAndFile)
{
    struct Row { std::string address; const char *count; unsigned first, total; int reply; };  // reply: its length, -1 the instrument's
    const Row rows[] = {
        {"#H00A0", "32", 0xA0, 32, -1}, {"#HFFF0", "32", 0xFFF0, 32, -1}, {"#H0000", "16", 0, 16, -1},
        {"#H0000", "15.6", 0, 16, -1}, {"#H0000", "100", 0, 100, -1}, {"#H0000", "8192", 0, 8192, -1},
        {std::string(10000, '#'), "16", 0, 16, -1}, {"#H00A0" + std::string(10000, 'Z'), "16", 0xA0, 16, -1},
        {"\x01\x02\xff\xfe\x80\x7f", "16", 0, 16, -1}, {"#H%s%n%p", "16", 0, 16, -1},
        {"#H0000", "16", 0, 16, 0}, {"#H0000", "16", 0, 16, 1}, {"#H0000", "16", 0, 16, 90}, {"#H0000", "16", 0, 16, 253},
        {"#H0000", "16", 0, 16, 254}, {"#H0000", "16", 0, 16, 255}, {"#H0000", "16", 0, 16, 300},
    };
    for (const Row &r : rows) {
        const std::string what = r.address.substr(0, 12) + " " + r.count + " reply " + std::to_string(r.reply);
        std::string reply(r.reply < 0 ? 0 : r.reply, 'R');
        for (size_t i = 0; i < reply.size(); i += 10) reply[i] = static_cast<char>('0' + i / 10 % 10);
        host.clearReplies();
        if (r.reply >= 0) host.addReply("PEC:EROM? #H0000,16", reply);
        const std::string path = file("a.rom");
        ASSERT_EQ(0, Run("ReadRom", {r.address, r.count, path})) << what;

        std::vector<std::string> sequence, replies, expected;
        for (const std::string &t : host.transcript()) {
            if (t.rfind("? ", 0) == 0) replies.emplace_back();
            if (t.rfind("? ", 0) == 0 || t.rfind("status ", 0) == 0) sequence.push_back(t);
            else if (t.rfind("<", 0) == 0 && !replies.empty()) replies.back() = t.substr(t.size() < 2 ? t.size() : 2);
        }
        std::string content;
        for (unsigned i = 0, a = r.first; i < r.total / 16; ++i, a += 16) {
            expected.push_back(Hex("? PEC:EROM? #H%04X,16", a));
            expected.push_back(Hex("status 0 \"#H%04X %04u/%04u(Bytes)\"", a, 16 * (i + 1), r.total));
            content += Hex("#H%04X,16,", a) + (r.reply >= 0 ? reply : i < replies.size() ? replies[i] : "").substr(0, 255) + "\r\n";
        }
        EXPECT_EQ(expected, sequence) << what;
        EXPECT_EQ(content, readFile(path)) << what;
        if (r.first == 0xFFF0) { EXPECT_EQ(89u + 2u, content.find("#H10000,16,\r\n")) << what; }
    }
}

// Counts outside 16..8192 (rounded half up) and missing arguments are refused
// before anything is sent or made; the host refuses what is not a number.
TEST_F(MemoryCommand, RefusedArguments)
{
    const std::string path = file("refused.rom");
    std::vector<std::vector<std::string>> refused = {{}, {"#H0000"}, {"#H0000", "32"}};
    for (const char *count : {"15", "15.49999", "8193", "8192.5", "0", "-0", "-16", "1e300", "-1e300", "1e-300"})
        refused.push_back({"#H0000", count, path});
    for (const auto &args : refused) {
        const std::string what = args.size() > 1 ? args[1] : std::to_string(args.size()) + " argument(s)";
        EXPECT_EQ(1, Run("ReadRom", args)) << what;
        ExpectRefused("Invalid Parameter!", what);
        EXPECT_FALSE(std::filesystem::exists(path)) << what;
    }
    EXPECT_EQ(1, Run("WriteRom", {}));
    ExpectRefused("Invalid Parameter!", "WriteRom");
    for (const char *count : {"NaN", "nan", "inf", "-inf", "abc"}) {
        EXPECT_NE(0, host.run("ReadRom", {"#H0000", count, path}, "")) << count;
        EXPECT_EQ(0u, InstrumentTraffic()) << count;
        EXPECT_FALSE(std::filesystem::exists(path)) << count;
    }
}

// Names that cannot be used, and files others hold open: 'L' with no sharing,
// 'R' read-only and read by one who shares reading only, 'W' written by one
// who shares reading and writing, 'O' read-only alone (ReadRom tried only where
// that is enforced). A refused ReadRom leaves the file as it was; one that runs replaces it.
TEST_F(MemoryCommand, FilesThatCannotBeUsed)
{
    const std::string keep = RecordLine(0x10, 'K') + std::string(100, 'Z');  // two records
    // Wine running as root does not enforce the read-only attribute on writes.
    writeFile(file("probe"), "");
    SetFileAttributesA(file("probe").c_str(), FILE_ATTRIBUTE_READONLY);
    HANDLE probe = CreateFileA(file("probe").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    const bool readOnlyEnforced = probe == INVALID_HANDLE_VALUE;
    if (!readOnlyEnforced) CloseHandle(probe);
    struct Row { std::string name; char held; bool writeRomRefused; int readRomRefused; };  // -1: not tried
    const Row rows[] = {
        {dir, 0, true, true}, {file("missing\\a.rom"), 0, true, true}, {"", 0, true, true},
        {file(std::string(4000, 'p') + ".rom"), 0, true, true}, {file("absent.rom"), 0, true, false},
        {file("locked.rom"), 'L', true, true}, {file("reader.rom"), 'R', false, true},
        {file("writer.rom"), 'W', true, false}, {file("ro.rom"), 'O', false, readOnlyEnforced ? 1 : -1},
    };
    for (const Row &r : rows) {
        HANDLE held = INVALID_HANDLE_VALUE;
        if (r.held) {
            writeFile(r.name, keep);
            if (r.held == 'R' || r.held == 'O') SetFileAttributesA(r.name.c_str(), FILE_ATTRIBUTE_READONLY);
            if (r.held != 'O') {
                held = CreateFileA(r.name.c_str(), r.held == 'W' ? GENERIC_WRITE : GENERIC_READ,
                                   r.held == 'L' ? 0 : r.held == 'R' ? FILE_SHARE_READ : FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   nullptr, OPEN_EXISTING, 0, nullptr);
                ASSERT_NE(INVALID_HANDLE_VALUE, held) << r.name;
            }
        }
        EXPECT_EQ(r.writeRomRefused ? 1 : 0, Run("WriteRom", {r.name})) << r.name;
        if (r.writeRomRefused) ExpectRefused("Invalid Filename!", "WriteRom " + r.name);
        else { EXPECT_EQ(2u, Lines("> ").size()) << r.name; }
        if (r.readRomRefused < 0) continue;
        EXPECT_EQ(r.readRomRefused, Run("ReadRom", {"#H0000", "16", r.name})) << r.name;
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
        if (r.readRomRefused) {
            ExpectRefused("Invalid Filename!", "ReadRom " + r.name);
            if (r.held) { EXPECT_EQ(keep, readFile(r.name)) << r.name; }
        } else {
            const std::string text = readFile(r.name);  // one line, ending CR LF
            EXPECT_EQ(0u, text.rfind("#H0000,16,", 0)) << r.name;
            EXPECT_EQ(text.size() - 2, text.find("\r\n")) << r.name;
        }
    }
}

// WriteRom sends the file in 91-byte records as they fall, each as
// "POC:EROM " and its first 90 bytes (up to a NUL), whatever the lines; a
// last piece shorter than a record is left. Offline nothing is sent, but
// each record is reported.
TEST_F(MemoryCommand, WriteRomSendsWholeRecords)
{
    const std::string a = RecordLine(0x00A0, '1'), b = RecordLine(0x00B0, '2'), c = RecordLine(0x00C0, '3');
    std::string offline, garbage;
    for (int i = 0; i < 16; ++i) offline += "#H00A0,16,\r\n";
    for (int i = 0; i < 91 * 3 + 7; ++i) garbage += static_cast<char>((i * 37 + 11) % 256);
    garbage[91 + 20] = '\0';
    struct Row { std::string text; size_t records; const char *labels; bool offline; };
    const Row rows[] = {
        {a + b, 2, "#H00A0 #H00B0 ", false}, {a + b + "T", 2, "#H00A0 #H00B0 ", false},
        {a + b + c.substr(0, 90), 2, "#H00A0 #H00B0 ", false}, {a + b + c, 3, "#H00A0 #H00B0 #H00C0 ", false},
        {"", 0, "", false}, {offline, 2, nullptr, false}, {garbage, 3, nullptr, false},
        {std::string(1000, '7') + "\r\n" + RecordLine(0x20, 'q'), 12, nullptr, false},
        {RecordLine(0, 'a') + RecordLine(0x10, 'b') + RecordLine(0x20, 'c'), 3, "#H0000 #H0010 #H0020 ", true},
    };
    for (const Row &r : rows) {
        const std::string what = r.text.substr(0, 20) + " (" + std::to_string(r.text.size()) + " bytes)";
        writeFile(file("w.rom"), r.text);
        host.setVariable("_offline", r.offline);
        ASSERT_EQ(0, Run("WriteRom", {file("w.rom")})) << what;
        host.setVariable("_offline", 0);
        std::vector<std::string> sent;
        std::string labels;
        for (size_t i = 0; i < r.records && !r.offline; ++i)
            sent.push_back("> POC:EROM " + std::string(r.text.substr(i * 91, 90).c_str()));
        for (const std::string &label : Lines("status 0 ")) labels += label.substr(10, label.size() - 11) + " ";
        EXPECT_EQ(sent, Lines("> ")) << what;
        EXPECT_EQ(0u, Lines("? ").size()) << what;
        EXPECT_EQ(r.records, Lines("status 0 ").size()) << what;
        if (r.labels) { EXPECT_EQ(r.labels, labels) << what; }
    }
}

// A restore reads one record at a time: its memory stays flat whatever the
// file's size. TORVEX_HUGE_MB sets the size (default 20; 100 in the long run).
TEST_F(MemoryCommand, WriteRomHugeFileInFlatMemory)
{
    const char *env = std::getenv("TORVEX_HUGE_MB");
    const long long bytes = (env ? std::atoll(env) : 20) * 1000 * 1000, records = bytes / 91;
    {
        std::ofstream out(file("huge.rom"), std::ios::binary);
        const std::string line = RecordLine(0x40, 'H');
        for (long long i = 0; i < records; ++i) out << line;
        out << std::string(static_cast<size_t>(bytes - records * 91), 'x');
    }
    long long seen = 0, start = 0, highest = 0;
    host.setKeepTranscript(false);
    host.setTraceSink([&](const std::string &line) {
        if (line.rfind("> ", 0) == 0 && ++seen % 4096 == 1) {
            long long now = privateBytes();
            start = seen == 1 ? now : start;
            highest = now > highest ? now : highest;
        }
    });
    auto t0 = std::chrono::steady_clock::now();
    int rc = host.run("WriteRom", {file("huge.rom")}, "");
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    host.setTraceSink(nullptr);
    ASSERT_EQ(0, rc) << host.error();
    EXPECT_EQ(records, seen);
    std::printf("WriteRom %lld MB (%lld records): %.1f s, private bytes %lld KiB at the first record, %+lld KiB at "
                "most\n", bytes / 1000000, records, seconds, start / 1024, (highest - start) / 1024);
    EXPECT_LT(highest - start, 4LL * 1024 * 1024);
}

}  // namespace

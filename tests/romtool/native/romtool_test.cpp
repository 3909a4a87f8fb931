// romtool on the host compiler: the table of backup files (status, the lines
// named, the problem found; the same in one piece and byte by byte), 100 MB,
// diff, show and the command line.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "memory/rom_format.h"
#include "romtool_cases.h"

namespace {

using romcases::Result;
using romcases::Romtool;

std::string Write(const std::string &name, const std::string &bytes) { return romcases::WriteFile(name + ".rom", bytes); }

// Every problem of a file fed in pieces of `piece` bytes, one per line.
std::string Problems(const std::string &bytes, size_t piece)
{
    std::string told;
    RomChecker checker(
        [](const RomProblem &p, void *context) {
            *static_cast<std::string *>(context) += std::to_string(p.line) + " " + std::to_string(p.offset) + " " +
                                                    std::to_string(p.record) + " " + p.text + "\n";
        },
        &told);
    const unsigned char *data = reinterpret_cast<const unsigned char *>(bytes.data());
    for (size_t at = 0; at < bytes.size(); at += piece) checker.Feed(data + at, std::min(piece, bytes.size() - at));
    checker.Finish();
    return told;
}

TEST(RomtoolCheck, TableOfBackupFiles)
{
    for (const romcases::Case &c : romcases::Table()) {
        SCOPED_TRACE(c.name);
        std::string path = Write(c.name, c.file);
        Result r = Romtool({"check", path});
        EXPECT_EQ(c.status, r.status) << r.err;
        EXPECT_EQ(c.lines, romcases::NamedLines(r.err, path)) << r.err;
        EXPECT_NE(std::string::npos, r.err.find(c.phrase)) << r.err;
        EXPECT_EQ(c.status == 0, r.err.empty()) << r.err;
        EXPECT_EQ(0u, r.out.find(path + ": ")) << r.out;
        EXPECT_NE(std::string::npos, r.out.find(c.status == 0 ? "512 lines, 46592 bytes; 512 records, each one whole line; "
                                                                 "blocks #H0000 to #H1FF0; no problems"
                                                               : "WriteRom would not")) << r.out;
        // The same problems whatever pieces the file comes in.
        for (size_t piece : {size_t(1), size_t(91)}) EXPECT_EQ(Problems(c.file, c.file.size() + 1), Problems(c.file, piece));
        std::remove(path.c_str());
    }
}

TEST(RomtoolCheck, WhatARestoreSendsAfterAShortLine)
{
    std::string path = Write("lf-only", romcases::Backup(0x100, 3, "\n"));
    Result r = Romtool({"check", path});
    for (const char *says : {"lf-only.rom:1: offset 0, record 1: line is 90 bytes, not 91\n",
                             "record 1 is not one whole line: a restore sends \"POC:EROM #H0100,16,",
                             "lf-only.rom:3: offset 182, record 3: the last 88 bytes"})
        EXPECT_NE(std::string::npos, r.err.find(says)) << r.err;
    EXPECT_NE(std::string::npos, r.out.find("3 lines, 270 bytes; 2 records, 0 of them one whole line, 88 bytes never sent"))
        << r.out;
    std::remove(path.c_str());
}

// 100 MB of 64 KiB backups one after the other (the address wraps every 4096
// lines), cut inside its last line: read in pieces, the first 20 problems listed.
TEST(RomtoolCheck, HundredMegabytes)
{
    const unsigned long long size = 100ull * 1000 * 1000;
    std::string path = "huge.rom";
    {
        std::string copy = romcases::Backup(0, 4096);
        std::ofstream out(path, std::ios::binary);
        for (unsigned long long n = 0; n < size; n += copy.size())
            out.write(copy.data(), static_cast<std::streamsize>(std::min<unsigned long long>(copy.size(), size - n)));
    }
    auto t0 = std::chrono::steady_clock::now();
    Result r = Romtool({"check", path});
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::remove(path.c_str());
    EXPECT_EQ(1, r.status);
    EXPECT_EQ(0u, r.err.find("huge.rom:4097: offset 372736, record 4097: address #H0000 does not follow #HFFF0")) << r.err;
    EXPECT_NE(std::string::npos, r.err.find("huge.rom: 252 more problems not listed (--all lists every one)\n")) << r.err;
    EXPECT_NE(std::string::npos, r.out.find("1098902 lines, 100000000 bytes; 1098901 records, each one whole line, 9 bytes "
                                            "never sent; blocks #H0000 to #HFFF0; 272 problems")) << r.out;
    printf("romtool check of 100 MB: %.2f s\n", seconds);
}

TEST(RomtoolDiff, ByAddress)
{
    const std::string good = romcases::Backup(0x100, 4);
    std::string changed = good, offline = good;
    changed.replace(91 + 10 + 5 * 3 + 2, 2, "00");  // block 0110, byte 3
    offline.replace(2 * 91, 91, "#H0120,16,\r\n");
    struct Row { std::string b; int status; const char *says; } rows[] = {
        {good, 0, "a.rom and b.rom hold the same 4 blocks\n"},
        {changed, 1, "#H0110: a.rom:2 and b.rom:2 differ in 1 byte: +3 07/00\n"},
        {romcases::Backup(0x100, 3), 1, "only in a.rom: #H0130 (line 4)\n"},
        {romcases::Backup(0x100, 5), 1, "only in b.rom: #H0140 (line 5)\n"},
        {offline, 1, "#H0120: a.rom:3 and b.rom:3 differ: \"#H0120,16,#H"},
        {good + "garbage\r\n", 1, "b.rom:5: not a block line (\"garbage\"), not compared\n"},
        {good + romcases::Line(0x100), 1, "b.rom:5: block #H0100 again (first at line 1), not compared\n"},
    };
    std::string a = Write("a", good);
    for (const Row &row : rows) {
        std::string b = Write("b", row.b);
        Result r = Romtool({"diff", a, b});
        EXPECT_EQ(row.status, r.status) << r.out;
        EXPECT_NE(std::string::npos, r.out.find(row.says)) << r.out;
        EXPECT_EQ("", r.err);
    }
    Result missing = Romtool({"diff", a, "no-such.rom"});
    EXPECT_EQ(2, missing.status);
    EXPECT_EQ(0u, missing.err.find("romtool: no-such.rom: cannot open: ")) << missing.err;
    std::remove(a.c_str());
    std::remove("b.rom");
}

TEST(RomtoolShow, TableAndOneBlock)
{
    std::string path = Write("show", romcases::Backup(0x100, 2) + "#H0120,16,\r\n");
    Result all = Romtool({"show", path});
    EXPECT_EQ(1, all.status);
    EXPECT_EQ("address   +0 +1 +2 +3 +4 +5 +6 +7 +8 +9 +A +B +C +D +E +F  ASCII\n"
              "#H0100    E0 FD 1A 37 54 71 8E AB C8 E5 02 1F 3C 59 76 93  ...7Tq......<Yv.\n"
              "#H0110    B0 CD EA 07 24 41 5E 7B 98 B5 D2 EF 0C 29 46 63  ....$A^{.....)Fc\n"
              "#H0120    (no data: read without a reply)\n",
              all.out);
    EXPECT_EQ("show.rom:3: block #H0120: data \"\" does not read as sixteen bytes #Hxx,#Hxx,...\n", all.err);
    Result one = Romtool({"show", path, "#h011f"});
    EXPECT_EQ(0, one.status) << one.err;
    EXPECT_EQ(2u, std::count(one.out.begin(), one.out.end(), '\n'));
    EXPECT_NE(std::string::npos, one.out.find("#H0110    B0 CD")) << one.out;
    Result none = Romtool({"show", path, "0200"});
    EXPECT_EQ(1, none.status);
    EXPECT_EQ("show.rom: no block holds #H0200\n", none.err);
    std::remove(path.c_str());
}

TEST(RomtoolCommandLine, UsageAndStatuses)
{
    struct Row { std::vector<std::string> words; int status; const char *err; } rows[] = {
        {{}, 2, "romtool: no command given\nusage: romtool check"},
        {{"check"}, 2, "romtool: check takes one file\n"}, {{"check", "a", "b"}, 2, "romtool: check takes one file\n"},
        {{"diff", "a"}, 2, "romtool: diff takes two files\n"}, {{"show"}, 2, "romtool: show takes a file"},
        {{"show", "x.rom", "#HXYZ"}, 2, "romtool: show: #HXYZ is not an address"},
        {{"frob"}, 2, "romtool: unknown command frob\n"},
        {{"check", "--quick", "x.rom"}, 2, "romtool: unknown option --quick\n"},
        {{"check", "no-such.rom"}, 2, "romtool: no-such.rom: cannot open: "}, {{"check", "."}, 2, "romtool: .: cannot read: "},
    };
    for (const Row &row : rows) {
        Result r = Romtool(row.words);
        EXPECT_EQ(row.status, r.status) << r.err;
        EXPECT_EQ(0u, r.err.find(row.err)) << r.err;
        EXPECT_EQ("", r.out);
    }
    Result help = Romtool({"--help"});
    EXPECT_EQ(0, help.status);
    EXPECT_EQ("", help.err);
    EXPECT_NE(std::string::npos, help.out.find("Status 2: a usage error"));
    EXPECT_EQ(0, Romtool({"check", "--help"}).status);
}

}  // namespace

// romtool's verdict against what WriteRom really does: each file of the table
// is restored by the real TORVEX2.dll into the simulated instrument (its
// memory cleared first) and the same blocks are backed up again, all in one
// host session. `romtool diff` of the original and the new backup is empty
// exactly when `romtool check` of the original answered 0.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "cphost/host.h"
#include "memory/rom_format.h"
#include "romtool/romtool.h"
#include "romtool_cases.h"

namespace {

std::string BinFolder()
{
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, n);
    return folder.substr(0, folder.find_last_of("\\/"));
}

using WriteMemory = void(__cdecl *)(unsigned, const unsigned char *, unsigned);

WriteMemory SimWriteMemory()
{
    HMODULE module = LoadLibraryExA((BinFolder() + "\\TELVOR.dll").c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    return module ? (WriteMemory)(void *)GetProcAddress(module, "tvsim_WriteMemory") : nullptr;
}

void WriteFileBytes(const std::string &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadFileBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct Result {
    int status;
    std::string out, err;
};

// romtool in this process.
Result Romtool(std::vector<std::string> words)
{
    words.insert(words.begin(), "romtool");
    std::vector<char *> argv;
    for (std::string &w : words) argv.push_back(&w[0]);
    FILE *out = tmpfile(), *err = tmpfile();
    Result r{RomtoolMain(static_cast<int>(argv.size()), argv.data(), out, err), "", ""};
    for (auto [f, text] : {std::make_pair(out, &r.out), std::make_pair(err, &r.err)}) {
        rewind(f);
        char buffer[4096];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, f)) > 0) text->append(buffer, n);
        fclose(f);
    }
    return r;
}

// romtool.exe as a program of its own, its standard output and error in files.
Result RomtoolExe(const std::string &arguments, const std::string &folder)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    std::string outPath = folder + "\\exe-out.txt", errPath = folder + "\\exe-err.txt";
    HANDLE out = CreateFileA(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    HANDLE err = CreateFileA(errPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOA start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdOutput = out;
    start.hStdError = err;
    PROCESS_INFORMATION process{};
    std::string line = "\"" + BinFolder() + "\\romtool.exe\" " + arguments;
    DWORD status = 99;
    if (CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start, &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &status);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(out);
    CloseHandle(err);
    return {static_cast<int>(status), ReadFileBytes(outPath), ReadFileBytes(errPath)};
}

// The blocks a file names, lowest to highest, as ReadRom's start and count.
void BackupRange(const std::string &bytes, std::string *start, std::string *count)
{
    RomChecker checker(nullptr, nullptr);
    checker.Feed(reinterpret_cast<const unsigned char *>(bytes.data()), bytes.size());
    checker.Finish();
    const RomCheckSummary &s = checker.summary();
    unsigned from = s.haveAddress ? s.lowestAddress : 0;
    unsigned long long n = s.haveAddress ? s.highestAddress - s.lowestAddress + 16ull : 16;
    char text[16];
    snprintf(text, sizeof text, "#H%04X", from);
    *start = text;
    *count = std::to_string(n < 8192 ? n : 8192);
}

TEST(RomtoolAgreement, RestoreAndBackUpAgainDiffersExactlyWhenCheckSaysSo)
{
    WriteMemory writeMemory = SimWriteMemory();
    if (!writeMemory) GTEST_SKIP() << "TELVOR.dll with tvsim_WriteMemory is not beside the test";
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "romtool_agree_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);

    cphost::Host host;
    host.setKeepTranscript(false);
    ASSERT_EQ(0, host.beginSession()) << host.error();
    const std::vector<unsigned char> cleared(65536, 0);
    for (const romcases::Case &c : romcases::Table()) {
        SCOPED_TRACE(c.name);
        std::string original = folder + "\\" + c.name + ".rom", again = folder + "\\" + c.name + "-again.rom";
        WriteFileBytes(original, c.file);
        Result check = Romtool({"check", original});
        EXPECT_EQ(c.status, check.status) << check.err;

        writeMemory(0, cleared.data(), static_cast<unsigned>(cleared.size()));
        EXPECT_EQ(0, host.run("WriteRom", {original}, "")) << host.error();
        std::string start, count;
        BackupRange(c.file, &start, &count);
        EXPECT_EQ(0, host.run("ReadRom", {start, count, again}, "")) << host.error();

        Result diff = Romtool({"diff", original, again});
        EXPECT_EQ(check.status == 0 ? 0 : 1, diff.status) << "check said " << check.status << "\n" << diff.out;
        EXPECT_EQ("", diff.err);
        DeleteFileA(again.c_str());
        if (c.status == 0) continue;
        DeleteFileA(original.c_str());
    }
    EXPECT_EQ(0, host.endSession()) << host.error();

    // The program as shipped: quiet and 0 on the good file, 1 and the lines on
    // a damaged one, 2 and the reason for a file that is not there.
    const std::string good = folder + "\\good.rom";
    Result exeGood = RomtoolExe("check \"" + good + "\"", folder);
    EXPECT_EQ(0, exeGood.status);
    EXPECT_EQ("", exeGood.err);
    EXPECT_NE(std::string::npos, exeGood.out.find("512 lines, 46592 bytes; 512 records, each one whole line; blocks #H0000 "
                                                  "to #H1FF0; no problems"))
        << exeGood.out;
    const std::string cut = folder + "\\cut.rom";
    WriteFileBytes(cut, romcases::Backup(0x100, 2).substr(0, 150));
    Result exeCut = RomtoolExe("check \"" + cut + "\"", folder);
    EXPECT_EQ(1, exeCut.status);
    EXPECT_EQ("2", romcases::NamedLines(exeCut.err, cut)) << exeCut.err;
    Result exeMissing = RomtoolExe("check \"" + folder + "\\none.rom\"", folder);
    EXPECT_EQ(2, exeMissing.status);
    EXPECT_NE(std::string::npos, exeMissing.err.find("none.rom: cannot open")) << exeMissing.err;

    // A good 8 KiB backup is checked in well under a second.
    auto t0 = std::chrono::steady_clock::now();
    EXPECT_EQ(0, Romtool({"check", good}).status);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    printf("romtool check of a good 8 KiB backup (46592 bytes), in-process: %.4f s\n", seconds);
    EXPECT_LT(seconds, 0.5);

    for (const char *name : {"good.rom", "cut.rom", "exe-out.txt", "exe-err.txt"}) DeleteFileA((folder + "\\" + name).c_str());
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

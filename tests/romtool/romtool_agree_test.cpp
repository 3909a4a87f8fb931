// romtool's verdict against what WriteRom really does: each file of the table
// is restored by the real TORVEX2.dll into the simulated instrument (its
// memory cleared first) and the same blocks are backed up again, all in one
// host session. `romtool diff` of the original and the new backup is empty
// exactly when `romtool check` of the original answered 0.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cphost/host.h"
#include "memory/rom_format.h"
#include "romtool_cases.h"
#include "telvor/telvor_sim.h"

namespace {

using romcases::Romtool;

TEST(RomtoolAgreement, RestoreAndBackUpAgainDiffersExactlyWhenCheckSaysSo)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "romtool_agree_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    cphost::Host host;
    host.setKeepTranscript(false);
    ASSERT_EQ(0, host.beginSession()) << host.error();
    const std::vector<unsigned char> cleared(65536, 0);
    for (const romcases::Case &c : romcases::Table()) {
        SCOPED_TRACE(c.name);
        const std::string original = romcases::WriteFile(folder + "\\" + c.name + ".rom", c.file);
        const std::string again = folder + "\\" + c.name + "-again.rom";
        romcases::Result check = Romtool({"check", original});

        tvsim_WriteMemory(0, cleared.data(), static_cast<unsigned>(cleared.size()));
        EXPECT_EQ(0, host.run("WriteRom", {original}, "")) << host.error();
        // Backed up again: the blocks the file names, lowest to highest.
        RomChecker checker(nullptr, nullptr);
        checker.Feed(reinterpret_cast<const unsigned char *>(c.file.data()), c.file.size());
        checker.Finish();
        const RomCheckSummary &s = checker.summary();
        const unsigned long long count = s.haveAddress ? s.highestAddress - s.lowestAddress + 16ull : 16;
        char start[16];
        snprintf(start, sizeof start, "#H%04X", s.haveAddress ? s.lowestAddress : 0);
        EXPECT_EQ(0, host.run("ReadRom", {start, std::to_string(count < 8192 ? count : 8192), again}, "")) << host.error();

        romcases::Result diff = Romtool({"diff", original, again});
        EXPECT_EQ(check.status == 0 ? 0 : 1, diff.status) << "check said " << check.status << "\n" << diff.out;
        EXPECT_EQ("", diff.err);
        DeleteFileA(again.c_str());
        DeleteFileA(original.c_str());
    }
    EXPECT_EQ(0, host.endSession()) << host.error();
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

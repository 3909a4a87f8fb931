// One host at a time per desktop: two cphost programs started together
// each give the transcript they give alone, and a host that cannot have the
// desktop gives up after its wait, naming the cause.
#include <gtest/gtest.h>

#include <process.h>

#include "host_support.h"

namespace {

// A session whose edit field commits each time it loses the focus: a window
// of another host taking the activation would add a "commit" line.
const char kScript[] =
    "--do \"type Set Point: = 1; wait 150; click Pump On; answer Yes; type Set Point: = 2; wait 150; tab; escape\" "
    "TestPanel\n"
    "--do \"type Set Point: = 3; wait 150; click Sub...; type Limit: = 4; wait 150; escape; escape\" TestPanel\n"
    "--do \"type Set Point: = 5; wait 150; click Help; wait 150; escape\" TestPanel\n";

HANDLE startCphost(const std::string &trace)
{
    std::string line = "cphost.exe --plugin testplug.dll --trace " + trace + " --script desktop_script.txt";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION p = {};
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &p))
        return nullptr;
    CloseHandle(p.hThread);
    return p.hProcess;
}

DWORD finish(HANDLE process)
{
    DWORD status = 99;
    if (process && WaitForSingleObject(process, 120000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process, &status);
    CloseHandle(process);
    return status;
}

HANDLE s_held = CreateEventA(nullptr, TRUE, FALSE, nullptr), s_done = CreateEventA(nullptr, TRUE, FALSE, nullptr);

unsigned __stdcall holdDesktop(void *)
{
    HANDLE mutex = CreateMutexA(nullptr, TRUE, cphost::desktopMutexName().c_str());
    SetEvent(s_held);
    WaitForSingleObject(s_done, INFINITE);
    ReleaseMutex(mutex);
    CloseHandle(mutex);
    return 0;
}

}  // namespace

TEST(Desktop, TwoProgramsStartedTogetherGiveTheirTranscriptsAlone)
{
    writeFile("desktop_script.txt", kScript);
    ASSERT_EQ(finish(startCphost("desktop_alone.txt")), 0u);
    std::string expected = readFile("desktop_alone.txt");
    ASSERT_NE(expected.find("text \"commit 5\""), std::string::npos) << expected;
    for (int round = 0; round < 2; ++round) {
        HANDLE a = startCphost("desktop_a.txt"), b = startCphost("desktop_b.txt");
        EXPECT_EQ(finish(a), 0u);
        EXPECT_EQ(finish(b), 0u);
        EXPECT_EQ(readFile("desktop_a.txt"), expected) << "round " << round;
        EXPECT_EQ(readFile("desktop_b.txt"), expected) << "round " << round;
    }
    for (const char *f : {"desktop_script.txt", "desktop_alone.txt", "desktop_a.txt", "desktop_b.txt"})
        DeleteFileA(f);
}

TEST(Desktop, AHostGivesUpOnADesktopHeldLongerThanItsWait)
{
    HANDLE thread = (HANDLE)_beginthreadex(nullptr, 0, holdDesktop, nullptr, 0, nullptr);
    ASSERT_EQ(WaitForSingleObject(s_held, 10000), WAIT_OBJECT_0);
    SetEnvironmentVariableA("CPHOST_DESKTOP_WAIT", "1");
    std::string err;
    EXPECT_EQ(runProgram({"--plugin", "testplug.dll", "--do", "", "TestFail"}, &err), cphost::kHostFailure);
    EXPECT_EQ(err.rfind("cphost: another host has been driving dialogs on desktop ", 0), 0u) << err;
    EXPECT_NE(err.find("(it holds " + cphost::desktopMutexName() + ")"), std::string::npos) << err;
    cphost::Host host;
    useTestPlugin(host);
    EXPECT_EQ(host.beginSession(), cphost::kHostFailure);
    SetEvent(s_done);
    WaitForSingleObject(thread, 10000);
    CloseHandle(thread);
    EXPECT_EQ(host.run("TestFail", {}, ""), 1) << host.error();  // the desktop is free again
    SetEnvironmentVariableA("CPHOST_DESKTOP_WAIT", nullptr);
}

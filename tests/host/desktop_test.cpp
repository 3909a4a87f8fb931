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

struct Child {
    PROCESS_INFORMATION process = {};
    bool started = false;
};

Child StartCphost(const std::string &trace)
{
    std::string line = "cphost.exe --plugin testplug.dll --trace " + trace + " --script desktop_script.txt";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    Child c;
    c.started = CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &c.process);
    return c;
}

DWORD Finish(Child &c)
{
    DWORD status = 99;
    if (!c.started)
        return status;
    WaitForSingleObject(c.process.hProcess, 120000);
    GetExitCodeProcess(c.process.hProcess, &status);
    CloseHandle(c.process.hProcess);
    CloseHandle(c.process.hThread);
    return status;
}

struct Holder {
    HANDLE held = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
};

unsigned __stdcall HoldDesktop(void *p)
{
    Holder *h = static_cast<Holder *>(p);
    HANDLE mutex = CreateMutexA(nullptr, TRUE, cphost::desktopMutexName().c_str());
    SetEvent(h->held);
    WaitForSingleObject(h->done, INFINITE);
    ReleaseMutex(mutex);
    CloseHandle(mutex);
    return 0;
}

}  // namespace

TEST(Desktop, TwoProgramsStartedTogetherGiveTheirTranscriptsAlone)
{
    writeFile("desktop_script.txt", kScript);
    Child alone = StartCphost("desktop_alone.txt");
    ASSERT_EQ(Finish(alone), 0u);
    std::string expected = readFile("desktop_alone.txt");
    ASSERT_NE(expected.find("text \"commit 5\""), std::string::npos) << expected;
    for (int round = 0; round < 2; ++round) {
        Child a = StartCphost("desktop_a.txt"), b = StartCphost("desktop_b.txt");
        EXPECT_EQ(Finish(a), 0u);
        EXPECT_EQ(Finish(b), 0u);
        EXPECT_EQ(readFile("desktop_a.txt"), expected) << "round " << round;
        EXPECT_EQ(readFile("desktop_b.txt"), expected) << "round " << round;
    }
    for (const char *f : {"desktop_script.txt", "desktop_alone.txt", "desktop_a.txt", "desktop_b.txt"})
        DeleteFileA(f);
}

TEST(Desktop, AHostGivesUpOnADesktopHeldLongerThanItsWait)
{
    Holder holder;
    HANDLE thread = (HANDLE)_beginthreadex(nullptr, 0, HoldDesktop, &holder, 0, nullptr);
    ASSERT_EQ(WaitForSingleObject(holder.held, 10000), WAIT_OBJECT_0);
    SetEnvironmentVariableA("CPHOST_DESKTOP_WAIT", "1");
    std::string err;
    EXPECT_EQ(runProgram({"--plugin", "testplug.dll", "--do", "", "TestFail"}, &err), cphost::kHostFailure);
    EXPECT_EQ(err.rfind("cphost: another host has been driving dialogs on desktop ", 0), 0u) << err;
    EXPECT_NE(err.find("(it holds " + cphost::desktopMutexName() + ")"), std::string::npos) << err;
    cphost::Host host;
    useTestPlugin(host);
    EXPECT_EQ(host.beginSession(), cphost::kHostFailure);
    SetEvent(holder.done);
    WaitForSingleObject(thread, 10000);
    CloseHandle(thread);
    EXPECT_EQ(host.run("TestFail", {}, ""), 1) << host.error();  // the desktop is free again
    SetEnvironmentVariableA("CPHOST_DESKTOP_WAIT", nullptr);
}

// The cphost program: command line, exit statuses, trace file, scripts.
#include <gtest/gtest.h>

#include "host_support.h"

static int runTestplug(std::vector<std::string> words, std::string *err)
{
    words.insert(words.begin(), {"--plugin", "testplug.dll"});
    return runProgram(words, err);
}

TEST(Program, ExitStatusesAndTheFirstLineOfTheReason)
{
    const struct {
        std::vector<std::string> words;
        int status;
        const char *err;
    } cases[] = {
        {{"--set", "fakestatus"}, 2, "cphost: --set needs NAME=NUMBER, not 'fakestatus'"},
        {{"--bogus", "TestPanel"}, 2, "cphost: unknown option --bogus"},
        {{"--option", "OPT_X=1.5", "TestPanel"}, 2, "cphost: --option needs NAME=INTEGER, not 'OPT_X=1.5'"},
        {{}, 2, "cphost: no command given"},
        {{"--do", "click", "TestPanel"}, 2, "cphost: action 'click': a caption is needed"},
        {{"--do", "click OK; jump", "TestPanel"}, 2, "cphost: action 'jump': unknown verb"},
        {{"--do", "type Limit 5", "TestPanel"}, 2, "cphost: action 'type Limit 5': expected LABEL = TEXT"},
        {{"--do", "tick many", "TestPanel"}, 2, "cphost: action 'tick many': expected a tick count"},
        {{"--do", "expect Valve shiny", "TestPanel"}, 2,
         "cphost: action 'expect Valve shiny': state must be enabled, disabled, checked, unchecked, hidden or visible"},
        {{"--do", "tab now", "TestPanel"}, 2, "cphost: action 'tab now': takes no operand"},
        {{"--do", "wait", "TestPanel"}, 2, "cphost: action 'wait': expected milliseconds"},
        {{"--do", "", "TestArgs", "a", "b"}, 2, "cphost: argument 2 of TestArgs must be a number, not 'b'"},
        {{"TestArgs", "a", "1", "b", "c"}, 2, "cphost: TestArgs takes 3 argument(s), 4 given"},
        {{"NoSuch"}, 2, "cphost: unknown command 'NoSuch' (the plug-in registers: TestPanel, TestArgs, TestFormat, "
                        "TestOption, TestFail, TestSend)"},
        {{"--do", "click Valve", "TestPanel"}, 3, "cphost: action 'click Valve': 'Valve' is disabled"},
        {{"--plugin", "C:\\no-such.dll", "TestFail"}, 4,
         "cphost: plug-in C:\\no-such.dll cannot be loaded (error 126)"},
        {{"--do", "", "TestFail"}, 1, ""},
        {{"--set", "leak=1", "--do", "escape", "TestPanel"}, 0, "cphost: left behind: dialog 901: timer 1 not killed"},
    };
    for (const auto &c : cases) {
        std::string err;
        writeFile("program_trace.txt", "");
        std::vector<std::string> words = c.words;
        words.insert(words.begin(), {"--trace", "program_trace.txt"});
        EXPECT_EQ(runTestplug(words, &err), c.status) << c.err;
        EXPECT_EQ(err.substr(0, err.find('\n')), c.err);
        EXPECT_TRUE(c.status != 2 || readFile("program_trace.txt").empty()) << c.err;  // nothing run
    }
}

// A scenario's [host] section sets host variables; --set wins over it.
TEST(Program, TraceFileScenarioHostSectionAndScriptLineByLine)
{
    std::string err;
    writeFile("program_host.ini", "[host]\ngate = 1\n");
    auto traced = [&](std::vector<std::string> words) {
        words.insert(words.begin(), {"--trace", "program_trace.txt", "--scenario", "program_host.ini"});
        EXPECT_EQ(runTestplug(words, &err), 0) << err;
        return readFile("program_trace.txt");
    };
    EXPECT_EQ(traced({"--do", "Answer ok", "TestPanel"}),
              "dialog 901 \"Test Panel\"\ndo Answer ok\nbox \"Maintenance\" \"Panel cannot be run now.\" -> OK\n"
              "end 901 1\nset _BUTTON 1\n");
    EXPECT_EQ(traced({"--set", "gate=0", "--do", "escape", "TestPanel"}),
              "dialog 901 \"Test Panel\"\ndo escape\nend 901 1\nset _BUTTON 1\n");
    DeleteFileA("program_host.ini");

    writeFile("program_script.txt", "# a comment\n\nTestArgs \"two words\" 5\n"
                                    "  --do \"click Help; escape\" TestPanel\nTestFail\nTestArgs only\n");
    // The first nonzero command status; later lines still run.
    EXPECT_EQ(runTestplug({"--trace", "program_trace.txt", "--script", "program_script.txt"}, &err), 1) << err;
    EXPECT_EQ(readFile("program_trace.txt"),
              "line 3 begin TestArgs \"two words\" 5\n"
              "status 0 \"arg1 two words\"\nstatus 1 \"arg2 5\"\nstatus 0 \"arg3 absent\"\nline 3 end 0\n"
              "line 4 begin --do \"click Help; escape\" TestPanel\n"
              "dialog 901 \"Test Panel\"\ndo click Help\nhelp 901\ndo escape\nend 901 1\nset _BUTTON 1\nline 4 end 0\n"
              "line 5 begin TestFail\nline 5 end 1\n"
              "line 6 begin TestArgs only\n"
              "status 0 \"arg1 only\"\nstatus 1 \"arg2 absent\"\nstatus 0 \"arg3 absent\"\nline 6 end 0\n");
    writeFile("program_script.txt", "TestArgs a 1\nTestArgs a b\nTestFail\n");
    EXPECT_EQ(runTestplug({"--script", "program_script.txt"}, &err), 2);
    EXPECT_EQ(err, "cphost: argument 2 of TestArgs must be a number, not 'b'\n");
    DeleteFileA("program_script.txt");
    DeleteFileA("program_trace.txt");
}

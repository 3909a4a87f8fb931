// The cphost program: command line, exit statuses, trace file, scripts.
#include <gtest/gtest.h>

#include "host_support.h"

namespace {

struct Program {
    int status = -1;
    std::string err;
};

Program runCphost(std::vector<std::string> words)
{
    words.insert(words.begin(), {"--plugin", "testplug.dll"});
    Program p;
    p.status = runProgram(words, &p.err);
    return p;
}

}  // namespace

TEST(Program, UsageErrorsExitTwoWithOneReason)
{
    Program p = runCphost({"--set", "fakestatus"});
    EXPECT_EQ(p.status, 2);
    EXPECT_EQ(p.err.substr(0, p.err.find('\n')), "cphost: --set needs NAME=NUMBER, not 'fakestatus'");
    EXPECT_EQ(runCphost({"--bogus", "TestPanel"}).status, 2);
    EXPECT_EQ(runCphost({"--option", "OPT_X=1.5", "TestPanel"}).status, 2);
    EXPECT_EQ(runCphost({}).status, 2);
    p = runCphost({"--do", "click", "TestPanel"});
    EXPECT_EQ(p.status, 2);
    EXPECT_EQ(p.err, "cphost: action 'click': a caption is needed\n");
    p = runCphost({"--do", "", "TestArgs", "a", "b"});
    EXPECT_EQ(p.status, 2);
    EXPECT_EQ(p.err, "cphost: argument 2 of TestArgs must be a number, not 'b'\n");
}

TEST(Program, ActionFailureExitsThreeNamingTheAction)
{
    Program p = runCphost({"--do", "click Valve", "TestPanel"});
    EXPECT_EQ(p.status, 3);
    EXPECT_EQ(p.err, "cphost: action 'click Valve': 'Valve' is disabled\n");
}

TEST(Program, TraceFileAndCommandStatus)
{
    DeleteFileA("program_trace.txt");
    Program p = runCphost({"--trace", "program_trace.txt", "--set", "gate=1", "--do", "Answer ok", "TestPanel"});
    EXPECT_EQ(p.status, 0) << p.err;
    EXPECT_EQ(readFile("program_trace.txt"),
              "dialog 901 \"Test Panel\"\ndo Answer ok\nbox \"Maintenance\" \"Panel cannot be run now.\" -> OK\n"
              "end 901 1\nset _BUTTON 1\n");
    EXPECT_EQ(runCphost({"--do", "", "TestFail"}).status, 1);
    DeleteFileA("program_trace.txt");
}

TEST(Program, ScriptRunsLineByLineWithLineOptions)
{
    {
        std::ofstream s("program_script.txt", std::ios::binary);
        s << "# a comment\n\nTestArgs \"two words\" 5\n"
             "  --do \"click Help; escape\" TestPanel\n"
             "TestFail\n"
             "TestArgs only\n";
    }
    DeleteFileA("program_trace.txt");
    Program p = runCphost({"--trace", "program_trace.txt", "--script", "program_script.txt"});
    EXPECT_EQ(p.status, 1) << p.err;  // the first nonzero command status; later lines still run
    EXPECT_EQ(readFile("program_trace.txt"),
              "line 3 begin TestArgs \"two words\" 5\n"
              "status 0 \"arg1 two words\"\nstatus 1 \"arg2 5\"\nstatus 0 \"arg3 absent\"\nline 3 end 0\n"
              "line 4 begin --do \"click Help; escape\" TestPanel\n"
              "dialog 901 \"Test Panel\"\ndo click Help\nhelp 901\ndo escape\nend 901 1\nset _BUTTON 1\nline 4 end 0\n"
              "line 5 begin TestFail\nline 5 end 1\n"
              "line 6 begin TestArgs only\n"
              "status 0 \"arg1 only\"\nstatus 1 \"arg2 absent\"\nstatus 0 \"arg3 absent\"\nline 6 end 0\n");
    {
        std::ofstream s("program_script.txt", std::ios::binary);
        s << "TestArgs a 1\nTestArgs a b\nTestFail\n";
    }
    p = runCphost({"--script", "program_script.txt"});
    EXPECT_EQ(p.status, 2);
    EXPECT_EQ(p.err, "cphost: argument 2 of TestArgs must be a number, not 'b'\n");
    DeleteFileA("program_script.txt");
    DeleteFileA("program_trace.txt");
}

TEST(Program, ScenarioHostSectionSetsVariablesAndSetWins)
{
    // A scenario's [host] section sets host variables (the AFC gas system
    // needs _AFC); --set on the command line wins over it.
    FILE *f = fopen("host-section.ini", "w");
    ASSERT_NE(f, nullptr);
    fputs("[instrument]\nstate = 1\n[host]\n_AFC = 1\nfakestatus = 1\n", f);
    fclose(f);
    auto gasTemplate = [](std::vector<std::string> words) {
        words.insert(words.begin(), {"cphost", "--plugin", "TORVEX2.dll", "--scenario", "host-section.ini", "--trace",
                                     "host-section.txt", "--do", "escape"});
        words.push_back("MaintGas");
        std::vector<char *> argv;
        for (std::string &w : words)
            argv.push_back(&w[0]);
        FILE *err = tmpfile();
        int status = cphost::cphostMain((int)words.size(), argv.data(), err);
        fclose(err);
        std::string trace = readFile("host-section.txt");
        return status == 0 ? trace.substr(0, trace.find('\n')) : "status " + std::to_string(status);
    };
    if (GetFileAttributesA("TORVEX2.dll") == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "TORVEX2.dll not built";
    EXPECT_EQ(gasTemplate({}), "dialog 336 \"Gas Controller Maintenance\"");
    EXPECT_EQ(gasTemplate({"--set", "_AFC=0"}), "dialog 269 \"Gas Controller Maintenance\"");
}

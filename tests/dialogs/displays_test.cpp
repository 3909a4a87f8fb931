// What every display of every panel shows when every reply reads 1.2345678,
// 2.3456789, 3.4567891 ... in its fields 1, 2, 3 ...: each value from its own
// field of the reply, in its own format ("1.2", "1.23457",
// "1.2E+00", "1"), or "--------" outside its display range, and every stored
// parameter rewritten by its definition. displays.txt holds the expected
// `show` lines of each panel row; TORVEX_UPDATE_DISPLAYS=1 writes it afresh
// (read the difference before committing it).
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "../reliability/panel_rows.h"
#include "panel_support.h"

namespace {

using namespace panels;

const char kEveryReply[] =
    "[faults]\n"
    "digits = nan * on=query text=1.2345678;2.3456789;3.4567891;4.5678912;5.6789123;6.7891234;7.8912345;8.9123456\n";

}  // namespace

TEST(Displays, EveryPanelShowsEachValueInItsOwnFormat)
{
    const std::string scenario = "displays-" + std::to_string(GetCurrentProcessId()) + ".ini";
    std::ofstream(scenario) << kEveryReply;
    std::ostringstream shown;
    for (const reliability::PanelRow &row : reliability::kPanelRows) {
        cphost::Host host;
        Set(host, row.variables);
        host.setScenario(scenario);
        ASSERT_EQ(host.run(row.command, {}, row.script), 0) << row.command << " " << row.variables << ": "
                                                            << host.error();
        shown << "== " << row.command << " " << row.variables << "\n";
        for (const std::string &line : host.transcript())
            if (line.rfind("show ", 0) == 0)
                shown << line << "\n";
    }
    std::remove(scenario.c_str());

    const std::string path = std::string(TORVEX_SOURCE_DIR) + "/tests/dialogs/displays.txt";
    if (std::getenv("TORVEX_UPDATE_DISPLAYS") != nullptr) {
        std::ofstream(path, std::ios::binary) << shown.str();
        GTEST_SKIP() << "wrote " << path;
    }
    std::ifstream file(path, std::ios::binary);
    std::stringstream expected;
    expected << file.rdbuf();
    // Compared panel by panel, so that a difference names its panel.
    std::istringstream want(expected.str()), got(shown.str());
    std::string a, b, panel;
    int line = 0;
    while (std::getline(want, a)) {
        ++line;
        if (a.rfind("== ", 0) == 0)
            panel = a;
        ASSERT_TRUE(std::getline(got, b)) << "displays.txt:" << line << " " << panel << ": nothing shown for " << a;
        ASSERT_EQ(b, a) << "displays.txt:" << line << " " << panel;
    }
    EXPECT_FALSE(std::getline(got, b)) << "shown but not in displays.txt: " << b;
}

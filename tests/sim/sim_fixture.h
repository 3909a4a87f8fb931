// Drives TELVOR.dll through its two entries as the plug-in calls them and
// keeps the transcript of its trace events.
#ifndef TORVEX_TESTS_SIM_FIXTURE_H
#define TORVEX_TESTS_SIM_FIXTURE_H

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "link/telvor.h"
#include "telvor/telvor_sim.h"

using Lines = std::vector<std::string>;

struct Exchange {
    uint32_t status = 0;  // low 16 bits of the result
    std::string text;     // the reply as stored
    uint32_t length = 0;  // what *replyLength received
    bool intact = true;   // a NUL within the 256 bytes and nothing written past them
};

class SimTest : public ::testing::Test {
protected:
    Lines transcript;
    Lines scratch;  // files made by the test, removed after it

    void SetUp() override
    {
        tvsim_Reset();
        tvsim_SetTrace(&SimTest::Trace, this);
    }
    void TearDown() override
    {
        tvsim_SetTrace(nullptr, nullptr);
        tvsim_Reset();
        for (const std::string &path : scratch)
            std::remove(path.c_str());
    }

    static void Trace(void *context, int kind, const char *text, int number)
    {
        static const char *const kPrefix[] = {"?? ", "> ", "? ", "< ", "! ", "# unknown ", "# fault "};
        std::string t = text ? text : "";
        std::string line = kind == TVSIM_EV_FAILED               ? "! " + std::to_string(number)
                           : kind == TVSIM_EV_REPLY && t.empty() ? "<"
                                                                 : kPrefix[kind >= 1 && kind <= 6 ? kind : 0] + t;
        static_cast<SimTest *>(context)->transcript.push_back(line);
    }

    // Commands are handed over with garbage behind their `length` characters.
    Exchange Ask(const std::string &query)
    {
        std::string bytes = query + "GARBAGE;*XYZ?";
        char buffer[256 + 16];
        std::memset(buffer, 0x7E, sizeof buffer);
        Exchange e;
        uint32_t length = 0xDEADBEEF;
        e.status = _tvl_QueryString(7, 0, 0, &length, 0, bytes.data(), (uint32_t)query.size(), buffer, 256) & 0xFFFF;
        e.length = length;
        e.intact = std::all_of(buffer + 256, std::end(buffer), [](char c) { return c == 0x7E; }) &&
                   std::memchr(buffer, 0, 256) != nullptr;
        e.text = e.intact ? std::string(buffer) : std::string();
        return e;
    }

    // A query that must succeed with a line feed at its end: its text without the line feed.
    std::string Value(const std::string &query)
    {
        Exchange e = Ask(query);
        bool ok = e.status == 0 && e.length == e.text.size() && !e.text.empty() && e.text.back() == '\n';
        EXPECT_TRUE(ok) << query << " -> status " << e.status << ", \"" << e.text << "\", length " << e.length;
        return ok ? e.text.substr(0, e.text.size() - 1) : e.text;
    }
    uint32_t Say(const std::string &command)
    {
        return _tvl_Write(7, 0, 0, 0, 0, (command + "GARBAGE;*XYZ?").data(), (uint32_t)command.size()) & 0xFFFF;
    }

    // A write (nullptr: none; "set NAME VALUE": tvsim_SetValue), then a query
    // and what its first number or whole text must be: "<N", ">N", "~N"
    // (within 0.05) or the exact text. With `polls` >= 0 the query is repeated
    // until that holds, which must take more than `polls` polls.
    struct Step {
        const char *say, *query, *expect;
        int polls = -1;
    };
    static bool Holds(const std::string &reply, const std::string &expect)
    {
        double v = std::strtod(reply.c_str(), nullptr), n = std::strtod(expect.c_str() + 1, nullptr);
        switch (expect[0]) {
        case '<': return v < n;
        case '>': return v > n;
        case '~': return std::abs(v - n) <= 0.05;
        default: return reply == expect;
        }
    }
    void Play(const std::vector<Step> &steps)
    {
        for (const Step &s : steps) {
            std::string say = s.say ? s.say : "";
            if (say.rfind("set ", 0) == 0) {
                size_t blank = say.find(' ', 4);
                ASSERT_EQ(tvsim_SetValue(say.substr(4, blank - 4).c_str(), say.substr(blank + 1).c_str()), 0) << say;
            } else if (!say.empty()) {
                Say(say);
            }
            std::string reply = Value(s.query);
            int polls = 1;
            for (; s.polls >= 0 && !Holds(reply, s.expect) && polls < 1000; ++polls)
                reply = Value(s.query);
            EXPECT_TRUE(Holds(reply, s.expect)) << say << " / " << s.query << " -> " << reply << ", not " << s.expect;
            EXPECT_GT(polls, s.polls) << say << " / " << s.query;
        }
    }

    // Makes the calls (a leading "> " makes a write, anything else is asked)
    // and answers their transcript, each query followed by "= ", its status
    // if not 0, its reply as stored ('$' for a line feed) and the length
    // reported if different.
    Lines Run(const Lines &calls)
    {
        transcript.clear();
        for (const std::string &call : calls) {
            if (call.rfind("> ", 0) == 0) {
                Say(call.substr(2));
                continue;
            }
            Exchange e = Ask(call);
            std::string shown = e.intact ? e.text : "(buffer overrun)";
            std::replace(shown.begin(), shown.end(), '\n', '$');
            if (e.length != e.text.size())
                shown += " length " + std::to_string(e.length);
            std::string line = e.status ? "= status " + std::to_string(e.status) : "=";
            transcript.push_back(e.status && shown.empty() ? line : line + " " + shown);
        }
        return transcript;
    }

    std::string Scratch(const std::string &suffix)
    {
        scratch.push_back(std::string("simtmp_") + ::testing::UnitTest::GetInstance()->current_test_info()->name() +
                          suffix);
        return scratch.back();
    }
    static void WriteFile(const std::string &path, const std::string &bytes)
    {
        EXPECT_TRUE(std::ofstream(path, std::ios::binary) << bytes) << path;
    }
    static std::string ReadFile(const std::string &path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
};

#endif

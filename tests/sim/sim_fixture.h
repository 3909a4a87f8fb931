/*
 * sim_fixture.h -- drives TELVOR.dll through its two entries exactly as the
 * plug-in calls them, and keeps the transcript of its trace events.
 */
#ifndef TORVEX_TESTS_SIM_FIXTURE_H
#define TORVEX_TESTS_SIM_FIXTURE_H

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "link/telvor.h"
#include "telvor/telvor_sim.h"

struct Exchange {
    uint32_t status = 0;   // low 16 bits of the result
    std::string text;      // the NUL-terminated reply as stored
    uint32_t length = 0;   // what *replyLength received
    bool intact = true;    // nothing written beyond the 256 bytes, and a NUL within them
};

class SimTest : public ::testing::Test {
protected:
    std::vector<std::string> transcript;

    void SetUp() override
    {
        tvsim_Reset();
        tvsim_SetTrace(&SimTest::Trace, this);
    }
    void TearDown() override
    {
        tvsim_SetTrace(nullptr, nullptr);
        tvsim_Reset();
    }

    static void Trace(void *context, int kind, const char *text, int number)
    {
        auto *self = static_cast<SimTest *>(context);
        std::string t = text ? text : "";
        switch (kind) {
        case TVSIM_EV_WRITE: self->transcript.push_back("> " + t); break;
        case TVSIM_EV_QUERY: self->transcript.push_back("? " + t); break;
        case TVSIM_EV_REPLY: self->transcript.push_back(t.empty() ? "<" : "< " + t); break;
        case TVSIM_EV_FAILED: self->transcript.push_back("! " + std::to_string(number)); break;
        case TVSIM_EV_UNKNOWN: self->transcript.push_back("# unknown " + t); break;
        case TVSIM_EV_FAULT: self->transcript.push_back("# fault " + t); break;
        default: self->transcript.push_back("?? kind " + std::to_string(kind)); break;
        }
    }

    // The command is handed over with garbage behind its `length` characters,
    // as a caller's buffer may hold it.
    static std::vector<char> Bytes(const std::string &command)
    {
        std::vector<char> bytes(command.begin(), command.end());
        for (char c : std::string("GARBAGE;*XYZ?"))
            bytes.push_back(c);
        return bytes;
    }

    Exchange Ask(const std::string &query)
    {
        std::vector<char> bytes = Bytes(query);
        char buffer[256 + 16];
        std::memset(buffer, 0x7E, sizeof buffer);
        Exchange e;
        uint32_t length = 0xDEADBEEF;
        e.status = _tvl_QueryString(7, 0, 0, &length, 0, bytes.data(), (uint32_t)query.size(), buffer, 256) & 0xFFFF;
        e.length = length;
        for (size_t i = 256; i < sizeof buffer; ++i)
            if (buffer[i] != 0x7E)
                e.intact = false;
        e.intact = e.intact && std::memchr(buffer, 0, 256) != nullptr;
        e.text = e.intact ? std::string(buffer) : std::string();
        return e;
    }

    // A query that must succeed with a line feed at its end: its text without the line feed.
    std::string Value(const std::string &query)
    {
        Exchange e = Ask(query);
        EXPECT_EQ(e.status, 0u) << query;
        EXPECT_TRUE(!e.text.empty() && e.text.back() == '\n') << query << " -> " << e.text;
        EXPECT_EQ(e.length, e.text.size()) << query;
        if (!e.text.empty() && e.text.back() == '\n')
            e.text.pop_back();
        return e.text;
    }

    // The n-th number of a reply whose numbers are separated by ';' or ',' (counted from 1).
    static double Field(const std::string &reply, int n)
    {
        size_t at = 0;
        for (int passed = 0; passed < n - 1 && at < reply.size(); ++at)
            if (reply[at] == ';' || reply[at] == ',')
                ++passed;
        return std::strtod(reply.c_str() + at, nullptr);
    }
    double Number(const std::string &query, int n = 1) { return Field(Value(query), n); }

    uint32_t Say(const std::string &command)
    {
        std::vector<char> bytes = Bytes(command);
        return _tvl_Write(7, 0, 0, 0, 0, bytes.data(), (uint32_t)command.size()) & 0xFFFF;
    }

    // Asks `query` until `done` holds for its first field, at most `limit` times; answers the count.
    template <class Pred> int PollUntil(const std::string &query, Pred done, int limit = 200)
    {
        for (int i = 1; i <= limit; ++i)
            if (done(Number(query)))
                return i;
        return -1;
    }

    // A scratch file in the working folder, named after the running test.
    static std::string TempPath(const std::string &suffix)
    {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        return std::string("simtmp_") + info->name() + suffix;
    }
    static void WriteFile(const std::string &path, const std::string &bytes)
    {
        std::FILE *f = std::fopen(path.c_str(), "wb");
        ASSERT_NE(f, nullptr) << path;
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    static std::string ReadFile(const std::string &path)
    {
        std::string bytes;
        if (std::FILE *f = std::fopen(path.c_str(), "rb")) {
            char buffer[4096];
            size_t n;
            while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
                bytes.append(buffer, n);
            std::fclose(f);
        }
        return bytes;
    }
};

#endif

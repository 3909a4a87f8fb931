/*
 * sim_faults.h -- faults on demand (portable). A rule names a kind, a
 * pattern of command texts and a trigger:
 *
 *   KIND PATTERN [always | nth=N | every=N] [on=query|write|any] [option=value ...]
 *
 * KIND: fail (failing status; status=N, default 5), empty (status 0, no
 * reply), nolf (reply without its line feed), long (reply of length=N
 * characters, default 300, line feed included; report=stored|full), nan
 * (reply that is not a number; text=T, default ERR), slow (ms=N more,
 * default 1000). PATTERN: the command text as sent, case-insensitive, '*'
 * for any run of characters; double quotes around a pattern or a value
 * that holds blanks.
 */
#ifndef TORVEX_SIM_FAULTS_H
#define TORVEX_SIM_FAULTS_H

#include <string>
#include <vector>

namespace tvsim {

/* Bounds that keep a hostile rule from exhausting memory or hanging the
   host: a `long` reply of at most 1 MiB, a `slow` delay (and a scenario's
   latency) of at most a minute per exchange. */
constexpr unsigned kMaxReplyLength = 1u << 20;
constexpr unsigned kMaxDelayMs = 60000;

enum class FaultKind { Fail, Empty, NoLineFeed, Long, NotANumber, Slow };
const char *FaultKindName(FaultKind kind);

struct FaultRule {
    enum Direction { Any, Query, Write };
    FaultKind kind = FaultKind::Fail;
    std::string pattern;
    unsigned nth = 0;    // only the nth matching call
    unsigned every = 0;  // every Nth matching call
    Direction on = Any;
    unsigned status = 5;
    unsigned length = 300;
    bool reportFull = false;
    std::string text = "ERR";
    unsigned ms = 1000;
    unsigned calls = 0;  // matching calls so far
};

bool ParseFaultRule(const std::string &ruleText, FaultRule *rule, std::string *error);

class FaultSet {
public:
    void Clear() { rules_.clear(); }
    void Add(const FaultRule &rule) { rules_.push_back(rule); }
    /* Counts the call for every rule it matches; answers the rules that fire, in order. */
    std::vector<const FaultRule *> Fire(const std::string &text, bool query);

private:
    std::vector<FaultRule> rules_;
};

}  // namespace tvsim

#endif

#include "sim_faults.h"

#include <cctype>

#include "sim_text.h"

namespace tvsim {

namespace {

const struct {
    FaultKind kind;
    const char *name;
} kKinds[] = {
    {FaultKind::Fail, "fail"},       {FaultKind::Empty, "empty"},       {FaultKind::NoLineFeed, "nolf"},
    {FaultKind::Long, "long"},       {FaultKind::NotANumber, "nan"},    {FaultKind::Slow, "slow"},
};

// Blank-separated words; double quotes group blanks into a word and are dropped.
bool Words(const std::string &ruleText, std::vector<std::string> *words)
{
    std::string word;
    bool quoted = false, inWord = false;
    for (char c : ruleText) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && std::isspace((unsigned char)c)) {
            if (inWord)
                words->push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words->push_back(word);
    return !quoted;
}

bool Count(const std::string &text, unsigned *value)
{
    long v = 0;
    if (!ParseInteger(text, &v) || v < 0)
        return false;
    *value = (unsigned)v;
    return true;
}

}  // namespace

const char *FaultKindName(FaultKind kind)
{
    for (const auto &k : kKinds)
        if (k.kind == kind)
            return k.name;
    return "?";
}

bool ParseFaultRule(const std::string &ruleText, FaultRule *rule, std::string *error)
{
    std::vector<std::string> words;
    if (!Words(ruleText, &words)) {
        *error = "unbalanced quotes in fault: " + ruleText;
        return false;
    }
    if (words.size() < 2) {
        *error = "a fault needs a kind and a pattern: " + ruleText;
        return false;
    }
    FaultRule r;
    bool known = false;
    for (const auto &k : kKinds)
        if (IEquals(words[0], k.name)) {
            r.kind = k.kind;
            known = true;
        }
    if (!known) {
        *error = "unknown fault kind: " + words[0];
        return false;
    }
    r.pattern = words[1];
    r.on = r.kind == FaultKind::Fail || r.kind == FaultKind::Slow ? FaultRule::Any : FaultRule::Query;
    for (size_t i = 2; i < words.size(); ++i) {
        const std::string &w = words[i];
        size_t eq = w.find('=');
        std::string key = Upper(w.substr(0, eq));
        std::string value = eq == std::string::npos ? std::string() : w.substr(eq + 1);
        bool ok = true;
        if (key == "ALWAYS" && eq == std::string::npos) {
            r.nth = r.every = 0;
        } else if (key == "NTH") {
            ok = Count(value, &r.nth) && r.nth > 0;
        } else if (key == "EVERY") {
            ok = Count(value, &r.every) && r.every > 0;
        } else if (key == "STATUS") {
            ok = Count(value, &r.status) && (r.status & 0xFFFF) != 0;
        } else if (key == "LENGTH") {
            ok = Count(value, &r.length) && r.length >= 1 && r.length <= kMaxReplyLength;
        } else if (key == "MS") {
            ok = Count(value, &r.ms) && r.ms <= kMaxDelayMs;
        } else if (key == "TEXT") {
            r.text = value;
        } else if (key == "REPORT") {
            ok = IEquals(value, "full") || IEquals(value, "stored");
            r.reportFull = IEquals(value, "full");
        } else if (key == "ON") {
            ok = IEquals(value, "query") || IEquals(value, "write") || IEquals(value, "any");
            r.on = IEquals(value, "query") ? FaultRule::Query : IEquals(value, "write") ? FaultRule::Write : FaultRule::Any;
        } else {
            ok = false;
        }
        if (!ok) {
            *error = "bad fault option '" + w + "' in: " + ruleText;
            return false;
        }
    }
    *rule = r;
    return true;
}

std::vector<const FaultRule *> FaultSet::Fire(const std::string &text, bool query)
{
    std::vector<const FaultRule *> fired;
    std::string t = Trim(text);
    for (FaultRule &r : rules_) {
        if ((r.on == FaultRule::Query && !query) || (r.on == FaultRule::Write && query) || !GlobMatch(r.pattern, t))
            continue;
        ++r.calls;
        bool fires = r.nth ? r.calls == r.nth : r.every ? r.calls % r.every == 0 : true;
        if (fires)
            fired.push_back(&r);
    }
    return fired;
}

}  // namespace tvsim

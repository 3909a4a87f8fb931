#include "cphost/actions.h"

#include <ctype.h>
#include <stdlib.h>

namespace cphost {

std::string trim(const std::string &text)
{
    size_t b = 0, e = text.size();
    while (b < e && isspace((unsigned char)text[b]))
        ++b;
    while (e > b && isspace((unsigned char)text[e - 1]))
        --e;
    return text.substr(b, e - b);
}

bool equalsNoCase(const std::string &a, const std::string &b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (tolower((unsigned char)a[i]) != tolower((unsigned char)b[i]))
            return false;
    return true;
}

std::string plainCaption(const std::string &caption)
{
    std::string out;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return trim(out);
}

std::string quoteField(const std::string &text)
{
    std::string out;
    for (char c : text) {
        if (c == '"')
            out += "\"\"";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

namespace {

/* A TEXT operand: quoted ("a ""b""") or trimmed as written. */
std::string operand(const std::string &raw)
{
    std::string t = trim(raw);
    if (t.size() >= 2 && t.front() == '"' && t.back() == '"') {
        std::string out;
        for (size_t i = 1; i + 1 < t.size(); ++i) {
            out += t[i];
            if (t[i] == '"' && t[i + 1] == '"')
                ++i;
        }
        return out;
    }
    return t;
}

bool parseCount(const std::string &text, int &value)
{
    std::string t = trim(text);
    if (t.empty())
        return false;
    char *end = nullptr;
    long v = strtol(t.c_str(), &end, 10);
    if (*end || v < 0 || v > 1000000)
        return false;
    value = (int)v;
    return true;
}

bool parseOne(const std::string &source, Action &a, std::string &error)
{
    a.source = source;
    size_t space = 0;
    while (space < source.size() && !isspace((unsigned char)source[space]))
        ++space;
    std::string verb = source.substr(0, space);
    std::string rest = trim(source.substr(space));
    auto fail = [&](const char *why) {
        error = "action '" + source + "': " + why;
        return false;
    };
    auto nameAndText = [&](bool required) {
        size_t eq = rest.find('=');
        if (eq == std::string::npos)
            return !required;
        a.name = trim(rest.substr(0, eq));
        a.text = operand(rest.substr(eq + 1));
        return !a.name.empty();
    };
    if (equalsNoCase(verb, "click") || equalsNoCase(verb, "answer")) {
        a.verb = equalsNoCase(verb, "click") ? Verb::Click : Verb::Answer;
        const std::string ifAsked = " if asked";
        a.ifAsked = a.verb == Verb::Answer && rest.size() > ifAsked.size() &&
                    equalsNoCase(rest.substr(rest.size() - ifAsked.size()), ifAsked);
        a.name = operand(a.ifAsked ? rest.substr(0, rest.size() - ifAsked.size()) : rest);
        if (a.name.empty())
            return fail("a caption is needed");
    } else if (equalsNoCase(verb, "type") || equalsNoCase(verb, "set")) {
        a.verb = equalsNoCase(verb, "type") ? Verb::Type : Verb::Set;
        if (!nameAndText(true))
            return fail("expected LABEL = TEXT");
    } else if (equalsNoCase(verb, "tab") || equalsNoCase(verb, "enter") || equalsNoCase(verb, "escape")) {
        a.verb = equalsNoCase(verb, "tab") ? Verb::Tab : equalsNoCase(verb, "enter") ? Verb::Enter : Verb::Escape;
        if (!rest.empty())
            return fail("takes no operand");
    } else if (equalsNoCase(verb, "tick")) {
        a.verb = Verb::Tick;
        a.count = 1;
        if (!rest.empty() && !parseCount(rest, a.count))
            return fail("expected a tick count");
    } else if (equalsNoCase(verb, "wait")) {
        a.verb = Verb::Wait;
        if (!parseCount(rest, a.count))
            return fail("expected milliseconds");
    } else if (equalsNoCase(verb, "show")) {
        a.verb = Verb::Show;
        if (!rest.empty())
            return fail("takes no operand");
    } else if (equalsNoCase(verb, "shot")) {
        a.verb = Verb::Shot;
        a.name = operand(rest);
        if (a.name.empty())
            return fail("a file name is needed");
    } else if (equalsNoCase(verb, "expect")) {
        a.verb = Verb::Expect;
        if (rest.find('=') != std::string::npos) {
            if (!nameAndText(true))
                return fail("expected LABEL = TEXT");
            a.expectation = Expectation::Text;
        } else {
            size_t last = rest.find_last_of(" \t");
            if (last == std::string::npos)
                return fail("expected LABEL = TEXT or LABEL STATE");
            std::string state = rest.substr(last + 1);
            a.name = trim(rest.substr(0, last));
            static const struct { const char *word; Expectation e; } states[] = {
                {"enabled", Expectation::Enabled},     {"disabled", Expectation::Disabled},
                {"checked", Expectation::Checked},     {"unchecked", Expectation::Unchecked},
                {"hidden", Expectation::Hidden},       {"visible", Expectation::Visible}};
            bool found = false;
            for (const auto &s : states)
                if (equalsNoCase(state, s.word)) {
                    a.expectation = s.e;
                    found = true;
                }
            if (!found || a.name.empty())
                return fail("state must be enabled, disabled, checked, unchecked, hidden or visible");
        }
    } else {
        return fail("unknown verb");
    }
    return true;
}

}  // namespace

bool parseActions(const std::string &script, std::vector<Action> &out, std::string &error)
{
    std::string current;
    bool quoted = false;
    std::vector<std::string> pieces;
    for (char c : script) {
        if (c == '"')
            quoted = !quoted;
        if (c == ';' && !quoted) {
            pieces.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    pieces.push_back(current);
    for (const std::string &piece : pieces) {
        std::string t = trim(piece);
        if (t.empty())
            continue;
        Action a;
        if (!parseOne(t, a, error))
            return false;
        out.push_back(a);
    }
    return true;
}

bool splitWords(const std::string &line, std::vector<std::string> &words, std::string &error)
{
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isspace((unsigned char)line[i]))
            ++i;
        if (i >= line.size())
            break;
        std::string word;
        bool any = false;
        while (i < line.size() && !isspace((unsigned char)line[i])) {
            if (line[i] == '"') {
                any = true;
                ++i;
                for (;;) {
                    if (i >= line.size()) {
                        error = "unterminated quote";
                        return false;
                    }
                    if (line[i] == '"') {
                        if (i + 1 < line.size() && line[i + 1] == '"') {
                            word += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    word += line[i++];
                }
            } else {
                word += line[i++];
                any = true;
            }
        }
        if (any)
            words.push_back(word);
    }
    return true;
}

}  // namespace cphost

#include "sim_text.h"

#include <cerrno>

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace tvsim {

std::string Upper(std::string text)
{
    for (char &c : text)
        c = (char)std::toupper((unsigned char)c);
    return text;
}

std::string Trim(const std::string &text)
{
    size_t begin = 0, end = text.size();
    while (begin < end && std::isspace((unsigned char)text[begin]))
        ++begin;
    while (end > begin && std::isspace((unsigned char)text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

bool IEquals(const std::string &a, const std::string &b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::toupper((unsigned char)a[i]) != std::toupper((unsigned char)b[i]))
            return false;
    return true;
}

bool IStartsWith(const std::string &text, const std::string &prefix)
{
    return text.size() >= prefix.size() && IEquals(text.substr(0, prefix.size()), prefix);
}

std::vector<std::string> Split(const std::string &text, char separator)
{
    std::vector<std::string> pieces;
    size_t start = 0;
    for (;;) {
        size_t at = text.find(separator, start);
        pieces.push_back(Trim(text.substr(start, at == std::string::npos ? std::string::npos : at - start)));
        if (at == std::string::npos)
            return pieces;
        start = at + 1;
    }
}

bool GlobMatch(const std::string &pattern, const std::string &text)
{
    // Iterative wildcard match with one backtrack point (enough for '*' only).
    size_t p = 0, t = 0, starP = std::string::npos, starT = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starT = t;
        } else if (p < pattern.size() &&
                   std::toupper((unsigned char)pattern[p]) == std::toupper((unsigned char)text[t])) {
            ++p;
            ++t;
        } else if (starP != std::string::npos) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

bool ParseNumber(const std::string &text, double *value)
{
    std::string t = Trim(text);
    if (t.empty())
        return false;
    char *end = nullptr;
    double v = std::strtod(t.c_str(), &end);
    if (end != t.c_str() + t.size())
        return false;
    // strtod also reads "nan", "inf" and hexadecimal floats: no instrument number looks like that.
    for (char c : t)
        if (!(std::isdigit((unsigned char)c) || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
            return false;
    *value = v;
    return true;
}

bool ParseInteger(const std::string &text, long *value)
{
    std::string t = Trim(text);
    int base = 10;
    if (IStartsWith(t, "#H")) {
        t = t.substr(2);
        base = 16;
    }
    if (t.empty())
        return false;
    char *end = nullptr;
    errno = 0;
    long v = std::strtol(t.c_str(), &end, base);
    if (end != t.c_str() + t.size() || errno == ERANGE)  // a number too big for a long is no count
        return false;
    *value = v;
    return true;
}

std::string Format(const char *format, ...)
{
    char buffer[512];
    va_list args;
    va_start(args, format);
    int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (n < 0)
        return std::string();
    return std::string(buffer, (size_t)n < sizeof buffer ? (size_t)n : sizeof buffer - 1);
}

}  // namespace tvsim

/*
 * sim_text.h -- small text helpers of the simulated instrument (portable).
 */
#ifndef TORVEX_SIM_TEXT_H
#define TORVEX_SIM_TEXT_H

#include <string>
#include <vector>

namespace tvsim {

std::string Upper(std::string text);
std::string Trim(const std::string &text);
bool IEquals(const std::string &a, const std::string &b);
bool IStartsWith(const std::string &text, const std::string &prefix);

/* Splits at every `separator`; each piece trimmed. "" gives one empty piece. */
std::vector<std::string> Split(const std::string &text, char separator);

/* Whole-text match, case-insensitive; '*' matches any run of characters. */
bool GlobMatch(const std::string &pattern, const std::string &text);

/* A decimal number, nothing else (blanks around allowed). */
bool ParseNumber(const std::string &text, double *value);
/* An integer, decimal or "#H" hexadecimal (either case). */
bool ParseInteger(const std::string &text, long *value);

/* printf-style formatting into a std::string. */
std::string Format(const char *format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

}  // namespace tvsim

#endif

/*
 * actions.h -- the automation language of `--do`: parsing "ACTION; ACTION"
 * into steps, and the small text helpers shared by the driver and the
 * transcript. No Windows headers.
 */
#ifndef CPHOST_ACTIONS_H
#define CPHOST_ACTIONS_H

#include <string>
#include <vector>

namespace cphost {

enum class Verb { Click, Type, Set, Tab, Enter, Escape, Answer, Tick, Expect, Shot, Wait, Show };

/* What `expect NAME STATE` checks. */
enum class Expectation { Text, Enabled, Disabled, Checked, Unchecked, Hidden, Visible };

struct Action {
    Verb verb = Verb::Tab;
    std::string source;   // the action as written (trimmed), for the transcript and errors
    std::string name;     // control name, button caption or file name
    std::string text;     // type/set/expect text
    Expectation expectation = Expectation::Text;
    int count = 1;        // tick count, wait milliseconds
    bool ifAsked = false; // `answer BUTTON if asked`: only when a message box is on top
};

/* Splits `script` at ';' (outside double quotes) and parses each action.
   Empty actions are skipped. On a syntax error answers false and describes
   it in `error` ("action 'foo': unknown verb"). A TEXT may be written in
   double quotes (a doubled quote inside stands for one) to keep leading or
   trailing blanks or a ';'. */
bool parseActions(const std::string &script, std::vector<Action> &out, std::string &error);

/* Caption or label text as compared: '&' accelerators removed ("&&" stays
   one '&'), surrounding blanks trimmed. */
std::string plainCaption(const std::string &caption);

/* Text for a transcript field: '"' doubled, CR and LF written as \r and \n. */
std::string quoteField(const std::string &text);

std::string trim(const std::string &text);
bool equalsNoCase(const std::string &a, const std::string &b);

/* Splits a command line of a script into words: blanks separate, double
   quotes group ("" inside quotes is one quote). */
bool splitWords(const std::string &line, std::vector<std::string> &words, std::string &error);

}  // namespace cphost

#endif

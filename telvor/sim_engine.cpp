#include "sim_engine.h"

#include <algorithm>
#include <cstring>

#include "sim_text.h"

namespace tvsim {

Engine::Engine(const Platform &platform) : platform_(platform)
{
    model_.onMemoryWritten = [this] {
        std::string error;
        if (!SaveMemoryImage(&error))
            lastError = error;
    };
}

void Engine::Reset()
{
    model_.Reset();
    faults_.Clear();
    overrides_.clear();
    latency_ = 0;
    exchanges_ = 0;
    busy_ = 0;
    image_.clear();
    lastError.clear();
}

void Engine::Emit(int kind, const std::string &text, int number)
{
    if (trace_)
        trace_(traceContext_, kind, text.c_str(), number);
}

bool Engine::SetReply(const std::string &query, const char *replies)
{
    std::string key = Upper(Trim(query));
    if (key.empty())
        return false;
    if (!replies) {
        overrides_.erase(key);
        return true;
    }
    Override o;
    std::string all = replies;
    size_t start = 0;
    for (;;) {
        size_t bar = all.find('|', start);
        o.replies.push_back(all.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }
    overrides_[key] = o;
    return true;
}

bool Engine::AddFault(const std::string &ruleText, std::string *error)
{
    FaultRule rule;
    if (!ParseFaultRule(ruleText, &rule, error))
        return false;
    faults_.Add(rule);
    return true;
}

bool Engine::SaveMemoryImage(std::string *error)
{
    return image_.empty() || model_.memory().Save(image_, error);
}

void Engine::WriteMemory(unsigned address, const uint8_t *data, unsigned count)
{
    model_.memory().Write(address, data, count);
    if (model_.onMemoryWritten)
        model_.onMemoryWritten();
}

// ---------------------------------------------------------------- parsing a line

// The parts of a line joined by ';'. Every later part continues the header
// path of the first ("PRTC:AIN:PF?;PR?" asks PRTC:AIN:PR? second).
std::vector<Engine::Part> Engine::Parts(const std::string &text)
{
    std::vector<Part> parts;
    std::string prefix;
    size_t start = 0;
    for (;;) {
        size_t semi = text.find(';', start);
        std::string piece = Trim(text.substr(start, semi == std::string::npos ? std::string::npos : semi - start));
        if (!piece.empty()) {
            Part part;
            part.request = ParseRequest(piece, parts.empty() ? std::string() : prefix);
            if (parts.empty()) {
                std::string header = piece.substr(0, piece.find_first_of(" \t"));
                if (!header.empty() && header[0] == ':')
                    header.erase(0, 1);
                size_t colon = header.rfind(':');
                prefix = colon == std::string::npos ? std::string() : header.substr(0, colon + 1);
            }
            parts.push_back(part);
        }
        if (semi == std::string::npos)
            return parts;
        start = semi + 1;
    }
}

bool Engine::TakeOverride(const std::string &text, std::string *reply)
{
    auto it = overrides_.find(Upper(Trim(text)));
    if (it == overrides_.end())
        return false;
    Override &o = it->second;
    *reply = o.replies[o.next];
    if (o.next + 1 < o.replies.size())
        ++o.next;
    return true;
}

void Engine::Flag(const Request &request, Outcome outcome)
{
    if (outcome == Outcome::Ok)
        return;
    Emit(EvUnknown, request.text);
    model_.NoteError(outcome == Outcome::Unknown ? "-113,\"Undefined header\"" : "-224,\"Illegal parameter value\"");
}

// A query line: the override of the whole line, else part by part. False when
// the instrument would not answer (a part outside the command set, no query).
bool Engine::Answer(const std::string &text, std::string *value)
{
    if (TakeOverride(text, value))
        return true;
    bool ok = true, asked = false;
    unsigned answered = 0;
    std::string joined;
    for (Part &part : Parts(text)) {
        const Request &r = part.request;
        std::string v;
        if (!r.query) {
            Outcome o = model_.Command(r);
            Flag(r, o);
            continue;
        }
        asked = true;
        if (!TakeOverride(r.text, &v)) {
            Outcome o = model_.Query(r, &v);
            Flag(r, o);
            if (o != Outcome::Ok) {
                ok = false;
                continue;
            }
        }
        if (answered++)
            joined += ';';
        joined += v;
    }
    *value = joined;
    return ok && asked;
}

// A written line: every part carried out; a query in it is answered into nothing.
void Engine::Perform(const std::string &text)
{
    std::vector<Part> parts = Parts(text);
    if (parts.empty())
        Emit(EvUnknown, text);
    for (Part &part : parts) {
        const Request &r = part.request;
        std::string ignored;
        if (r.query)
            Flag(r, TakeOverride(r.text, &ignored) ? Outcome::Ok : model_.Query(r, &ignored));
        else
            Flag(r, model_.Command(r));
    }
}

// An exchange that failed before the instrument saw it still names the
// commands it does not know.
void Engine::FlagUnknownOnly(const std::string &text, bool query)
{
    if (query && overrides_.count(Upper(Trim(text))))
        return;
    std::vector<Part> parts = Parts(text);
    if (parts.empty())
        Emit(EvUnknown, text);
    for (Part &part : parts) {
        const Request &r = part.request;
        if (!(r.query && overrides_.count(Upper(r.text))) && !model_.Knows(r))
            Emit(EvUnknown, r.text);
    }
}

// ---------------------------------------------------------------- exchanges

void Engine::Begin(const char *command, uint32_t length, std::string *text)
{
    if (command)
        text->assign(command, strnlen(command, length));
    ++exchanges_;
    if (latency_ && platform_.sleep)
        platform_.sleep(latency_);
    model_.Tick(platform_.microseconds ? platform_.microseconds() / 1000.0 : 0.0);
}

void Engine::Finish(double start, const std::vector<const FaultRule *> &applied)
{
    unsigned slow = 0;
    for (const FaultRule *rule : applied) {
        Emit(EvFault, FaultKindName(rule->kind));
        if (rule->kind == FaultKind::Slow)
            slow += rule->ms;
    }
    if (slow && platform_.sleep)
        platform_.sleep(slow);
    if (platform_.microseconds)
        busy_ += platform_.microseconds() - start;
}

uint32_t Engine::Write(const char *command, uint32_t length)
{
    double start = platform_.microseconds ? platform_.microseconds() : 0;
    std::string text;
    Begin(command, length, &text);
    Emit(EvWrite, text);
    uint32_t status = StatusOk;
    std::vector<const FaultRule *> applied;
    const FaultRule *fail = nullptr;
    for (const FaultRule *rule : faults_.Fire(text, false)) {
        if (rule->kind == FaultKind::Fail && !fail)
            fail = rule;
        if (rule->kind == FaultKind::Slow)
            applied.push_back(rule);
    }
    if (!command && length) {
        status = StatusBadCall;
    } else if (fail) {
        FlagUnknownOnly(text, false);
        status = fail->status;
        applied.insert(applied.begin(), fail);
    } else {
        Perform(text);
    }
    if (status)
        Emit(EvFailed, std::string(), (int)status);
    Finish(start, applied);
    return status;
}

uint32_t Engine::Query(const char *command, uint32_t length, char *reply, uint32_t replySize, uint32_t *replyLength)
{
    double start = platform_.microseconds ? platform_.microseconds() : 0;
    std::string text;
    Begin(command, length, &text);
    Emit(EvQuery, text);
    if (replyLength)
        *replyLength = 0;
    if (reply && replySize)
        reply[0] = 0;

    std::vector<const FaultRule *> fired = faults_.Fire(text, true), applied;
    auto first = [&](FaultKind kind) -> const FaultRule * {
        for (const FaultRule *rule : fired)
            if (rule->kind == kind)
                return rule;
        return nullptr;
    };
    const FaultRule *fail = first(FaultKind::Fail);
    uint32_t status = StatusOk;
    std::string value;
    if (!reply || !replySize || (!command && length)) {
        status = StatusBadCall;
    } else if (fail) {
        FlagUnknownOnly(text, true);
        status = fail->status;
        applied.push_back(fail);
    } else if (!Answer(text, &value)) {
        status = StatusTimeout;
    }

    std::string full;  // what the instrument sends, line feed included
    bool reportFull = false;
    if (status == StatusOk) {
        full = value + "\n";
        if (const FaultRule *empty = first(FaultKind::Empty)) {
            full.clear();
            applied.push_back(empty);
        } else {
            if (const FaultRule *nan = first(FaultKind::NotANumber)) {
                full = nan->text + "\n";
                applied.push_back(nan);
            }
            if (const FaultRule *lng = first(FaultKind::Long)) {
                // The reply repeated (joined by ';') to the asked length, line feed last.
                std::string body = full.substr(0, full.size() - 1);
                std::string unit = body.empty() ? std::string("9") : body;
                std::string longText = unit;
                while (longText.size() + 1 < lng->length)
                    longText += ";" + unit;
                longText.resize(lng->length - 1);
                full = longText + "\n";
                reportFull = lng->reportFull;
                applied.push_back(lng);
            }
            if (const FaultRule *nolf = first(FaultKind::NoLineFeed)) {
                full.pop_back();
                applied.push_back(nolf);
            }
        }
        // Never beyond the caller's buffer: cut and NUL-terminate.
        size_t stored = std::min<size_t>(full.size(), replySize - 1);
        std::memcpy(reply, full.data(), stored);
        reply[stored] = 0;
        if (replyLength)
            *replyLength = (uint32_t)(reportFull ? full.size() : stored);
        std::string shown(reply, stored);
        if (!shown.empty() && shown.back() == '\n')
            shown.pop_back();
        Emit(EvReply, shown);
    } else {
        Emit(EvFailed, std::string(), (int)status);
    }
    if (const FaultRule *slow = first(FaultKind::Slow))
        applied.push_back(slow);
    Finish(start, applied);
    return status;
}

}  // namespace tvsim

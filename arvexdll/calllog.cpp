// The record of the calls the client made into the library, kept for the test hooks.
#include "calllog.h"

#include <utility>

namespace {
bool sameCall(const arvexsim::Call &a, const arvexsim::Call &b)
{
    return a.function == b.function && a.record == b.record && a.intArg == b.intArg
        && a.result == b.result;
}
} // namespace

void CallLog::record(arvexsim::Call call)
{
    if (!entries.empty() && sameCall(entries.back().call, call)) {
        ++entries.back().repeats;
        return;
    }
    entries.push_back({ std::move(call), 1 });
    if (entries.size() > MaxEntries)
        entries.pop_front();
}

std::vector<arvexsim::Call> CallLog::calls() const
{
    return callsOf({});
}

std::vector<arvexsim::Call> CallLog::callsOf(const std::string &function) const
{
    std::vector<arvexsim::Call> found;
    for (const Entry &entry : entries) {
        if (function.empty() || entry.call.function == function)
            found.insert(found.end(), entry.repeats, entry.call);
    }
    return found;
}

// The record of the calls the client made into the library, kept for the test hooks.
#pragma once

#include "arvexsimtesting.h"

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

class CallLog
{
public:
    void record(arvexsim::Call call);
    std::vector<arvexsim::Call> calls() const;
    // An empty name matches every call.
    std::vector<arvexsim::Call> callsOf(const std::string &function) const;
    void clear() { entries.clear(); }

private:
    // The client calls PeriodicTask on every pass of its event loop, so a run of identical
    // calls is kept once with a count; the oldest entries go once the log is full, which bounds
    // the memory of a program that runs for days.
    struct Entry
    {
        arvexsim::Call call;
        std::size_t repeats = 1;
    };
    static constexpr std::size_t MaxEntries = std::size_t(1) << 18;

    std::deque<Entry> entries;
};

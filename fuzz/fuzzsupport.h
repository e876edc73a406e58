// What every fuzz target shares: a quiet message log and a way to stop on a broken property.
#pragma once

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace FuzzSupport {

// Parsers log every malformed input; millions of lines would only slow the run down.
inline void silenceMessages()
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
}

// A finding that is no crash: abort, so that libFuzzer keeps the input that shows it.
inline void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "Property broken: %s\n", what);
        std::abort();
    }
}

} // namespace FuzzSupport

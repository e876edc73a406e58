// The installed version of a package, as the installer's components.xml records it.
#pragma once

#include <QString>

class QIODevice;

// Reads "components.xml" from the working directory; empty when the file, the package or its
// version is missing or the file is malformed. With logParseOutcome, the outcome of the XML parse
// ("true" or "false") goes to the debug log whenever the file could be opened.
QString getComponentVersion(const QString &packageName, bool logParseOutcome = false);
// The same, read from an open device holding the file's text.
QString getComponentVersion(
    QIODevice *device, const QString &packageName, bool logParseOutcome = false);

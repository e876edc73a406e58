// The installed version of a package, as the installer's components.xml records it.
#pragma once

#include <QString>

class QIODevice;

// Reads "components.xml" from the working directory; empty when the file, the package or its
// version is missing or the file is malformed.
QString getComponentVersion(const QString &packageName);
// The same, read from an open device holding the file's text.
QString getComponentVersion(QIODevice *device, const QString &packageName);

// The check of a firmware file as Intel hex before it is offered for download.
#pragma once

#include <QString>

class QIODevice;

// Reads device from its position up to the end-of-file record and says what is wrong with it:
// which line and why, or the missing end-of-file record. Empty when the file is sound. Reads one
// record line at a time, so a large file that is no hex is refused after its first line.
QString intelHexError(QIODevice *device);

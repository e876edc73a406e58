// commitSaveFile: the last step of every QSaveFile write, which must not hide a full disk.
#pragma once

class QSaveFile;
class QString;

// Flushes what the file still buffers and renames it over the target only when everything was
// written. QSaveFile::commit() alone overlooks a failed final flush and renames an empty or cut
// file over the good one. On failure the target stays as it was, errorText, if given, receives
// the system's reason, and the temporary file goes when the QSaveFile does.
bool commitSaveFile(QSaveFile &file, QString *errorText = nullptr);

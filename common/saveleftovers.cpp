// Removal of the temporary files that an interrupted save leaves beside a settings or points file.
#include "saveleftovers.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

bool isAsciiLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
        || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

} // namespace

void removeSaveLeftovers(const QString &filePath)
{
    const QFileInfo file(filePath);
    QDir folder = file.dir();
    const QString prefix = file.fileName() + QLatin1Char('.');
    // Compared by hand: a name filter or a regular expression would compile a pattern, which at
    // start-up costs more than the listing and loads the pattern library's code.
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        if (name.size() != prefix.size() + 6 || !name.startsWith(prefix))
            continue;
        const QStringRef suffix = name.midRef(prefix.size());
        if (std::all_of(suffix.begin(), suffix.end(), isAsciiLetter))
            folder.remove(name);
    }
}

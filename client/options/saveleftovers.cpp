// Removal of the temporary files that an interrupted save leaves beside a settings or points file.
#include "options/saveleftovers.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

void removeSaveLeftovers(const QString &filePath)
{
    const QFileInfo file(filePath);
    QDir folder = file.dir();
    const QRegularExpression leftoverName(
        QStringLiteral("^%1\\.[A-Za-z]{6}$").arg(QRegularExpression::escape(file.fileName())));
    const QStringList candidates = folder.entryList(
        { file.fileName() + QStringLiteral(".??????") }, QDir::Files | QDir::Hidden);
    for (const QString &name : candidates) {
        if (leftoverName.match(name).hasMatch())
            folder.remove(name);
    }
}

// Reader of the installer's components.xml, shared by both programs.
#include "componentversion.h"

#include <QDebug>
#include <QDomDocument>
#include <QFile>

QString getComponentVersion(const QString &packageName, bool logParseOutcome)
{
    QFile file(QStringLiteral("components.xml"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return getComponentVersion(&file, packageName, logParseOutcome);
}

QString getComponentVersion(QIODevice *device, const QString &packageName, bool logParseOutcome)
{
    QDomDocument document;
    QString errorMessage;
    int errorLine = 0;
    int errorColumn = 0;
    const bool parsed = document.setContent(device, false, &errorMessage, &errorLine, &errorColumn);
    if (logParseOutcome)
        qDebug() << parsed;
    if (!parsed) {
        qDebug() << "XML Error:" << errorMessage << errorLine << errorColumn;
        return QString();
    }

    for (QDomElement package = document.documentElement().firstChildElement(); !package.isNull();
         package = package.nextSiblingElement()) {
        if (package.tagName() != QLatin1String("Package"))
            continue;
        const QDomElement name = package.firstChildElement(QStringLiteral("Name"));
        if (!name.isNull() && name.text() == packageName)
            return package.firstChildElement(QStringLiteral("Version")).text();
    }
    return QString();
}

// Updater: runs the maintenance tool's update check, reads its answer and starts its update run
// when the application quits.
#include "updater.h"

#include "adminauthoriser.h"
#include "invalidxmlexception.h"
#include "noupdatesxmlexception.h"
#include "updaterprivate.h"

#include <QDebug>
#include <QXmlStreamReader>

#include <memory>

namespace UpdateKit {

namespace {

QString platformToolPath(const QString &path)
{
#ifdef Q_OS_WIN
    if (!path.endsWith(QLatin1String(".exe")))
        return path + QLatin1String(".exe");
#endif
    return path;
}

} // namespace

bool Updater::UpdateInfo::operator==(const UpdateInfo &other) const
{
    return name == other.name && version == other.version && size == other.size;
}

Updater::Updater(QObject *parent)
    : Updater(QStringLiteral("./maintenancetool"), parent)
{ }

Updater::Updater(const QString &maintenanceToolPath, QObject *parent)
    : QObject(parent)
    , d(new UpdaterPrivate(this, platformToolPath(maintenanceToolPath)))
{
    qRegisterMetaType<QList<UpdateKit::Updater::UpdateInfo>>();
}

Updater::~Updater() = default;

bool Updater::exitedNormally() const
{
    return d->normalExit;
}

int Updater::errorCode() const
{
    return d->lastErrorCode;
}

QByteArray Updater::errorLog() const
{
    return d->lastErrorLog;
}

QString Updater::maintenanceToolPath() const
{
    return d->toolPath;
}

QString Updater::maintenanceToolFilePath() const
{
    return d->toolFilePath();
}

bool Updater::isRunning() const
{
    return d->running;
}

QList<Updater::UpdateInfo> Updater::updateInfo() const
{
    return d->updateInfos;
}

bool Updater::checkForUpdates()
{
    return d->startCheck();
}

void Updater::abortUpdateCheck(int maxDelay, bool async)
{
    d->abortCheck(maxDelay, async);
}

void Updater::runUpdaterOnExit(AdminAuthoriser *authoriser)
{
    runUpdaterOnExit({ QStringLiteral("--updater") }, authoriser);
}

void Updater::runUpdaterOnExit(const QStringList &arguments, AdminAuthoriser *authoriser)
{
    d->armExitRun(arguments, authoriser);
}

void Updater::cancelExitRun()
{
    d->disarmExitRun();
}

bool Updater::runUpdater(const QStringList &arguments, AdminAuthoriser *authoriser)
{
    const std::unique_ptr<AdminAuthoriser> owned(authoriser);
    return d->startUpdaterRun(arguments, authoriser);
}

QString Updater::updaterRunError() const
{
    return d->lastRunError;
}

QList<Updater::UpdateInfo> Updater::parseResult(const QByteArray &toolOutput)
{
    const int nul = toolOutput.indexOf('\0');
    const QString text = QString::fromUtf8(nul < 0 ? toolOutput : toolOutput.left(nul));

    const QString openTag = QStringLiteral("<updates>");
    const QString closeTag = QStringLiteral("</updates>");
    const int start = text.indexOf(openTag);
    if (start < 0)
        throw NoUpdatesXmlException();
    const int end = text.indexOf(closeTag, start);
    if (end < 0)
        throw NoUpdatesXmlException();

    QXmlStreamReader reader(text.mid(start, end - start + closeTag.size()));
    reader.readNextStartElement();
    QList<UpdateInfo> updates;
    while (reader.readNextStartElement()) {
        if (reader.name() != QLatin1String("update"))
            throw InvalidXmlException();
        const QXmlStreamAttributes attributes = reader.attributes();
        UpdateInfo update;
        update.name = attributes.value(QLatin1String("name")).toString();
        update.version
            = QVersionNumber::fromString(attributes.value(QLatin1String("version")).toString());
        bool sizeOk = false;
        update.size = attributes.value(QLatin1String("size")).toULongLong(&sizeOk);
        if (update.name.isEmpty() || update.version.isNull() || !sizeOk)
            throw InvalidXmlException();
        if (reader.readNextStartElement())
            throw InvalidXmlException();
        updates.append(update);
    }
    if (reader.hasError()) {
        qWarning() << "XML-reader-error:" << reader.errorString();
        throw InvalidXmlException();
    }
    return updates;
}

} // namespace UpdateKit

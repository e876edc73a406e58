// COptions: the client's persistent settings, kept in four JSON files in file/ and hex/.
#include "options/coptions.h"

#include "ArvexDll.h"
#include "cfilelocations.h"
#include "savefilecommit.h"
#include "saveleftovers.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <optional>

namespace {

const char upgradeParamsPath[] = "hex/UpgradeParams.json";
const char appParamsPath[] = "file/AppParams.json";
const char jogParamsPath[] = "file/JogParams.json";
const char playbackParamsPath[] = "file/PlaybackParams.json";

const QString upgradeKey = QStringLiteral("upgrade");
const QString languageKey = QStringLiteral("language");

template <class Group>
struct FloatKey
{
    const char *key;
    float Group::*member;
};

const FloatKey<JogParams> jogKeys[] = {
    { "jointVelocity", &JogParams::jointVelocity },
    { "jointAcceleration", &JogParams::jointAcceleration },
    { "servoVelocity", &JogParams::servoVelocity },
    { "servoAcceleration", &JogParams::servoAcceleration },
    { "linearVelocity", &JogParams::linearVelocity },
    { "linearAcceleration", &JogParams::linearAcceleration },
    { "velocityRatio", &JogParams::velocityRatio },
};

const FloatKey<PlaybackParams> playbackKeys[] = {
    { "jointVelocity", &PlaybackParams::jointVelocity },
    { "jointAcceleration", &PlaybackParams::jointAcceleration },
    { "servoVelocity", &PlaybackParams::servoVelocity },
    { "servoAcceleration", &PlaybackParams::servoAcceleration },
    { "linearVelocity", &PlaybackParams::linearVelocity },
    { "linearAcceleration", &PlaybackParams::linearAcceleration },
    { "pauseTime", &PlaybackParams::pauseTime },
    { "jumpHeight", &PlaybackParams::jumpHeight },
    { "velocityRatio", &PlaybackParams::velocityRatio },
    { "accelerationRatio", &PlaybackParams::accelerationRatio },
};

template <class Group, size_t Count>
QJsonObject floatsToJson(const Group &group, const FloatKey<Group> (&keys)[Count])
{
    QJsonObject object;
    for (const FloatKey<Group> &key : keys)
        object.insert(QLatin1String(key.key), double(group.*key.member));
    return object;
}

// A member that is missing or not a number reads as 0, not as the default.
template <class Group, size_t Count>
void floatsFromJson(const QJsonObject &object, const FloatKey<Group> (&keys)[Count], Group &group)
{
    for (const FloatKey<Group> &key : keys)
        group.*key.member = float(object.value(QLatin1String(key.key)).toDouble(0));
}

QString paramsPath(const char *relativePath)
{
    return CFileLocations::instance()->writableFile(QString::fromLatin1(relativePath));
}

// QSaveFile writes a temporary file and renames it over the old one, so a crash or a full disk
// during the write leaves the previous file whole instead of an empty one that reads as zeros.
bool commitJson(QSaveFile &file, const QJsonObject &object)
{
    file.write(QJsonDocument(object).toJson());
    QString reason;
    if (commitSaveFile(file, &reason))
        return true;
    qCritical("Could not write %s: %s", qUtf8Printable(file.fileName()), qUtf8Printable(reason));
    return false;
}

QJsonObject jsonObjectOfText(const QByteArray &text)
{
    return QJsonDocument::fromJson(text).object();
}

// The text of the file at relativePath, after removing what an interrupted save left beside it.
// A missing file is first created from `current`; nothing when it can be neither read nor made.
std::optional<QByteArray> readParamsFile(const char *relativePath, const QJsonObject &current)
{
    const QString path = paramsPath(relativePath);
    qDebug("%s", qUtf8Printable(path));
    removeSaveLeftovers(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QSaveFile creator(path);
        const bool created = creator.open(QIODevice::WriteOnly);
        if (created)
            qDebug("Resetting config file");
        if (!created || !commitJson(creator, current) || !file.open(QIODevice::ReadOnly)) {
            qCritical("Failed to open %s", qUtf8Printable(path));
            return std::nullopt;
        }
    }
    return file.readAll();
}

void writeParamsFile(const char *relativePath, const QJsonObject &object)
{
    QSaveFile file(paramsPath(relativePath));
    if (!file.open(QIODevice::WriteOnly) || !commitJson(file, object))
        qCritical("Failed to open file!");
}

} // namespace

COptions *COptions::instance()
{
    static COptions *const options = new COptions;
    return options;
}

COptions::COptions()
{
    loadUpgradeParams();
    loadAppParams();
    loadJogParams();
    loadPlaybackParams();
}

void COptions::setUpgrade(int upgrade)
{
    m_upgrade = upgrade;
    saveUpgradeParams();
}

void COptions::setLanguage(int language)
{
    m_language = language;
    saveAppParams();
}

void COptions::setJogStaticParams(const JogStaticParams &params)
{
    m_jogParams.jointVelocity = params.jointVelocity;
    m_jogParams.jointAcceleration = params.jointAcceleration;
    m_jogParams.servoVelocity = params.servoVelocity;
    m_jogParams.servoAcceleration = params.servoAcceleration;
    m_jogParams.linearVelocity = params.linearVelocity;
    m_jogParams.linearAcceleration = params.linearAcceleration;
    saveJogParams();
}

void COptions::setJogVelocityRatio(float ratio)
{
    m_jogParams.velocityRatio = ratio;
    saveJogParams();
}

void COptions::setPlaybackStaticParams(const PlaybackStaticParams &params)
{
    m_playbackParams.jointVelocity = params.jointVelocity;
    m_playbackParams.jointAcceleration = params.jointAcceleration;
    m_playbackParams.servoVelocity = params.servoVelocity;
    m_playbackParams.servoAcceleration = params.servoAcceleration;
    m_playbackParams.linearVelocity = params.linearVelocity;
    m_playbackParams.linearAcceleration = params.linearAcceleration;
    m_playbackParams.pauseTime = params.pauseTime;
    m_playbackParams.jumpHeight = params.jumpHeight;
    savePlaybackParams();
}

void COptions::setPlaybackVelocityRatio(float ratio)
{
    m_playbackParams.velocityRatio = ratio;
    savePlaybackParams();
}

void COptions::setPlaybackAccelerationRatio(float ratio)
{
    m_playbackParams.accelerationRatio = ratio;
    savePlaybackParams();
}

// toInt(0) also gives 0 for a number that is not whole.
int COptions::upgradeFromText(const QByteArray &text)
{
    return jsonObjectOfText(text).value(upgradeKey).toInt(0);
}

int COptions::languageFromText(const QByteArray &text)
{
    return jsonObjectOfText(text).value(languageKey).toInt(0);
}

JogParams COptions::jogParamsFromText(const QByteArray &text)
{
    JogParams params;
    floatsFromJson(jsonObjectOfText(text), jogKeys, params);
    return params;
}

PlaybackParams COptions::playbackParamsFromText(const QByteArray &text)
{
    PlaybackParams params;
    floatsFromJson(jsonObjectOfText(text), playbackKeys, params);
    return params;
}

void COptions::loadUpgradeParams()
{
    if (const auto text = readParamsFile(upgradeParamsPath, { { upgradeKey, m_upgrade } }))
        m_upgrade = upgradeFromText(*text);
}

void COptions::saveUpgradeParams() const
{
    writeParamsFile(upgradeParamsPath, { { upgradeKey, m_upgrade } });
}

void COptions::loadAppParams()
{
    if (const auto text = readParamsFile(appParamsPath, { { languageKey, m_language } }))
        m_language = languageFromText(*text);
}

void COptions::saveAppParams() const
{
    writeParamsFile(appParamsPath, { { languageKey, m_language } });
}

void COptions::loadJogParams()
{
    if (const auto text = readParamsFile(jogParamsPath, floatsToJson(m_jogParams, jogKeys)))
        m_jogParams = jogParamsFromText(*text);
}

void COptions::saveJogParams() const
{
    writeParamsFile(jogParamsPath, floatsToJson(m_jogParams, jogKeys));
}

void COptions::loadPlaybackParams()
{
    const QJsonObject current = floatsToJson(m_playbackParams, playbackKeys);
    if (const auto text = readParamsFile(playbackParamsPath, current))
        m_playbackParams = playbackParamsFromText(*text);
}

void COptions::savePlaybackParams() const
{
    writeParamsFile(playbackParamsPath, floatsToJson(m_playbackParams, playbackKeys));
}

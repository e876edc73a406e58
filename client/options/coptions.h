// COptions: the client's persistent settings, kept in four JSON files in file/ and hex/.
#pragma once

#include "options/jogparams.h"
#include "options/playbackparams.h"

#include <QObject>

struct JogStaticParams;
struct PlaybackStaticParams;

// The single store, created on first use and never destroyed. The first use loads all four
// files; every setter rewrites its whole file at once.
class COptions : public QObject
{
    Q_OBJECT

public:
    static COptions *instance();

    int upgrade() const { return m_upgrade; }
    void setUpgrade(int upgrade);

    int language() const { return m_language; }
    void setLanguage(int language);

    JogParams jogParams() const { return m_jogParams; }
    // Replaces the first six jog values; velocityRatio keeps its value.
    void setJogStaticParams(const JogStaticParams &params);
    void setJogVelocityRatio(float ratio);

    PlaybackParams playbackParams() const { return m_playbackParams; }
    // Replaces the first eight playback values; both ratios keep theirs.
    void setPlaybackStaticParams(const PlaybackStaticParams &params);
    void setPlaybackVelocityRatio(float ratio);
    void setPlaybackAccelerationRatio(float ratio);

    // What a file's text gives when it is read at the first use: a member that is missing or
    // unusable reads as 0, not as the default, and text that is no JSON object as all zeros.
    static int upgradeFromText(const QByteArray &text);
    static int languageFromText(const QByteArray &text);
    static JogParams jogParamsFromText(const QByteArray &text);
    static PlaybackParams playbackParamsFromText(const QByteArray &text);

private:
    COptions();

    void loadUpgradeParams();
    void saveUpgradeParams() const;
    void loadAppParams();
    void saveAppParams() const;
    void loadJogParams();
    void saveJogParams() const;
    void loadPlaybackParams();
    void savePlaybackParams() const;

    int m_upgrade = 0;
    int m_language = 0;
    JogParams m_jogParams;
    PlaybackParams m_playbackParams;
};

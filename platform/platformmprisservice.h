#pragma once

#include <QDBusContext>
#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <functional>

class PlatformMprisPlayerAdaptor;

// The player's remote control on the session bus, as desktops, media keys
// and sound applets expect it (org.mpris.MediaPlayer2 and its Player
// interface at /org/mpris/MediaPlayer2). The window tells it what plays and
// acts on its requests; it turns property changes into one
// PropertiesChanged signal per event-loop turn. Without a session bus it
// stays silent and the player runs as before.
class PlatformMprisService : public QObject, protected QDBusContext
{
    Q_OBJECT
public:
    struct Identity
    {
        QString name;         // what the user sees, e.g. in a sound applet
        QString busSuffix;    // org.mpris.MediaPlayer2.<busSuffix>
        QString desktopEntry; // the desktop file's name without ".desktop"
        QStringList mimeTypes;
        double minimumRate = 1.0;
        double maximumRate = 1.0;
    };

    explicit PlatformMprisService(const Identity& identity, QObject* parent = nullptr);
    ~PlatformMprisService() override;

    // Registers on the session bus; false (and nothing else) when there is none.
    bool start();
    bool isRegistered() const { return !m_busName.isEmpty(); }
    QString busName() const { return m_busName; }
    const Identity& identity() const { return m_identity; }

    // A Player property as clients read it; a changed value is announced.
    void setPlayerValue(const char* name, const QVariant& value);
    QVariant playerValue(const char* name) const { return m_properties.value(QLatin1String(name)); }
    // Position changes all the time: it is read when asked, never announced.
    void setPositionReader(std::function<qint64()> reader) { m_position = std::move(reader); }
    qint64 position() const { return m_position ? m_position() : 0; }
    // The picture jumped to positionUs (seek, chapter, resume point).
    void announceSeek(qint64 positionUs);

    // What clients ask for, turned into checked, clamped requests.
    void requestSeek(qint64 offsetUs);
    void requestPosition(const QString& trackId, qint64 positionUs);
    // Answers a client whose location cannot be opened with an error.
    void requestOpen(const QString& uri);
    // The local path a client's location names; empty for what cannot be
    // opened, with the reason in error.
    static QString localPath(const QString& uri, QString* error = nullptr);
    void requestVolume(double volume);
    void requestRate(double rate);

Q_SIGNALS:
    void raiseRequested();
    void quitRequested();
    void playRequested();
    void pauseRequested();
    void playPauseRequested();
    void stopRequested();
    void nextRequested();
    void previousRequested();
    void positionRequested(qint64 positionUs);
    void openRequested(const QString& path);
    void volumeRequested(double volume);
    void rateRequested(double rate);
    void loopStatusRequested(const QString& status);

private:
    void flush();

    Identity m_identity;
    QString m_busName;
    QVariantMap m_properties;
    QVariantMap m_changed;
    bool m_flushQueued = false;
    std::function<qint64()> m_position;
    PlatformMprisPlayerAdaptor* m_player = nullptr;
};

#include "platform/platformmprisservice.h"

#include "platform/platformmprisplayeradaptor.h"
#include "platform/platformmprisrootadaptor.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMetaObject>
#include <QUrl>

namespace {

const QString kObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");

// Object paths have no equality QVariant knows of; unchanged metadata must
// not be announced again with every position report.
bool sameValue(const QVariant& a, const QVariant& b)
{
    if (a.metaType() != b.metaType())
        return false;
    if (a.metaType() == QMetaType::fromType<QDBusObjectPath>())
        return a.value<QDBusObjectPath>().path() == b.value<QDBusObjectPath>().path();
    if (a.metaType() != QMetaType::fromType<QVariantMap>())
        return a == b;
    const QVariantMap left = a.toMap();
    const QVariantMap right = b.toMap();
    if (left.size() != right.size())
        return false;
    for (auto it = left.begin(); it != left.end(); ++it) {
        if (!right.contains(it.key()) || !sameValue(it.value(), right.value(it.key())))
            return false;
    }
    return true;
}

} // namespace

PlatformMprisService::PlatformMprisService(const Identity& identity, QObject* parent)
    : QObject(parent), m_identity(identity)
{
    new PlatformMprisRootAdaptor(this);
    m_player = new PlatformMprisPlayerAdaptor(this);
}

PlatformMprisService::~PlatformMprisService()
{
    if (m_busName.isEmpty())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterObject(kObjectPath);
    bus.unregisterService(m_busName);
}

bool PlatformMprisService::start()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    if (!bus.registerObject(kObjectPath, this, QDBusConnection::ExportAdaptors))
        return false;
    // A second copy on the same bus (another session of the same user) keeps
    // a name of its own, as the remote-control convention allows.
    const QString name = QStringLiteral("org.mpris.MediaPlayer2.") + m_identity.busSuffix;
    const QString instance =
        name + QStringLiteral(".instance") + QString::number(QCoreApplication::applicationPid());
    for (const QString& candidate : {name, instance}) {
        if (bus.registerService(candidate)) {
            m_busName = candidate;
            return true;
        }
    }
    qDebug() << "Remote control unavailable:" << bus.lastError().message();
    bus.unregisterObject(kObjectPath);
    return false;
}

void PlatformMprisService::setPlayerValue(const char* name, const QVariant& value)
{
    const QString key = QLatin1String(name);
    if (m_properties.contains(key) && sameValue(m_properties.value(key), value))
        return;
    m_properties.insert(key, value);
    if (m_busName.isEmpty())
        return;
    m_changed.insert(key, value);
    if (m_flushQueued)
        return;
    m_flushQueued = true;
    // Everything that changes within one turn of the event loop goes out as one signal.
    QMetaObject::invokeMethod(this, &PlatformMprisService::flush, Qt::QueuedConnection);
}

void PlatformMprisService::flush()
{
    m_flushQueued = false;
    if (m_changed.isEmpty())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(
        kObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("PropertiesChanged"));
    signal << kPlayerInterface << m_changed << QStringList();
    m_changed.clear();
    QDBusConnection::sessionBus().send(signal);
}

void PlatformMprisService::announceSeek(qint64 positionUs)
{
    if (!m_busName.isEmpty())
        emit m_player->Seeked(qMax<qint64>(0, positionUs));
}

void PlatformMprisService::requestSeek(qint64 offsetUs)
{
    const qint64 length = playerValue("Metadata").toMap().value(QStringLiteral("mpris:length")).toLongLong();
    const qint64 target = qMax<qint64>(0, position() + offsetUs);
    // Past the end means the next one, as a long press of a forward key would.
    if (length > 0 && target > length) {
        if (playerValue("CanGoNext").toBool())
            emit nextRequested();
        return;
    }
    emit positionRequested(target);
}

void PlatformMprisService::requestPosition(const QString& trackId, qint64 positionUs)
{
    const QVariantMap metadata = playerValue("Metadata").toMap();
    const QString current =
        metadata.value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>().path();
    const qint64 length = metadata.value(QStringLiteral("mpris:length")).toLongLong();
    // A request meant for media that no longer plays, or outside it, is stale.
    if (trackId != current || positionUs < 0 || positionUs > length)
        return;
    emit positionRequested(positionUs);
}

QString PlatformMprisService::localPath(const QString& uri, QString* error)
{
    QString path;
    const QUrl url(uri);
    if (uri.startsWith(QLatin1Char('/')))
        path = uri;
    else if (url.isLocalFile())
        path = url.toLocalFile();
    else {
        if (error)
            *error = QStringLiteral("Only file locations and absolute paths can be opened: ") + uri;
        return QString();
    }
    path = QDir::cleanPath(path);
    if (!QFileInfo::exists(path)) {
        if (error)
            *error = QStringLiteral("No such file or folder: ") + path;
        return QString();
    }
    return path;
}

// The bus hands a call's context to the object behind the adaptor, so the
// refusal is sent from here.
void PlatformMprisService::requestOpen(const QString& uri)
{
    QString error;
    const QString path = localPath(uri, &error);
    if (path.isEmpty()) {
        if (calledFromDBus())
            sendErrorReply(QDBusError::InvalidArgs, error);
        return;
    }
    emit openRequested(path);
}

void PlatformMprisService::requestVolume(double volume)
{
    emit volumeRequested(qBound(0.0, volume, 1.25));
}

void PlatformMprisService::requestRate(double rate)
{
    // A rate of 0 is how some clients say pause.
    if (rate <= 0.0) {
        if (playerValue("CanPause").toBool())
            emit pauseRequested();
        return;
    }
    emit rateRequested(qBound(m_identity.minimumRate, rate, m_identity.maximumRate));
}

#include "player/ui/openingwatch.h"

#include "player/ui/openingnotice.h"

#include <QLoggingCategory>

namespace {

Q_LOGGING_CATEGORY(lcOpening, "kestrel.opening", QtWarningMsg)

} // namespace

OpeningWatch::OpeningWatch(QWidget* noticeParent) : QObject(noticeParent), m_noticeParent(noticeParent)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kPatienceMs);
    connect(&m_timer, &QTimer::timeout, this, &OpeningWatch::showNotice);
}

OpeningWatch::~OpeningWatch()
{
    delete m_notice;
}

void OpeningWatch::start(const QString& location)
{
    closeNotice();
    m_location = location;
    m_timer.start();
    qCInfo(lcOpening).noquote() << "opening" << location;
}

void OpeningWatch::finish(bool started)
{
    if (!isWatching())
        return;
    m_timer.stop();
    closeNotice();
    qCInfo(lcOpening).noquote() << (started ? "playing" : "stopped") << m_location;
}

void OpeningWatch::fail()
{
    m_timer.stop();
    closeNotice();
}

void OpeningWatch::noteMessage(const QString& text)
{
    fail();
    qCInfo(lcOpening).noquote() << "message" << QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

void OpeningWatch::showNotice()
{
    auto* notice = new OpeningNotice(m_location, m_noticeParent);
    m_notice = notice;
    connect(notice, &OpeningNotice::cancelRequested, this, [this] {
        qCInfo(lcOpening).noquote() << "cancelled" << m_location;
        emit cancelRequested();
    });
    // Not modal: the window's Stop must stay in reach. Qt centres a dialog over
    // its parent when it first shows.
    notice->adjustSize();
    notice->show();
    qCInfo(lcOpening).noquote() << "slow" << m_location;
    emit noticeShown();
}

void OpeningWatch::closeNotice()
{
    if (m_notice)
        m_notice->deleteLater();
    m_notice.clear();
}

#include "entry/uxsplashscreen.h"

#include "entry/splashlayout.h"
#include "framework/core/uxsrcmgr.h"
#include "platform/platformwindow.h"

#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMovie>
#include <QScreen>

namespace {

void placeLine(QLabel* label, const SplashLayout::Line& line)
{
    label->setGeometry(line.geometry);
    label->setAlignment(line.alignment);
}

} // namespace

uxSplashScreen::uxSplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setupUi();
    const double s = uxSrcMgr::dpiScale();
    resize(qRound(513 * s), qRound(288 * s));
    applyLayoutFile();
}

uxSplashScreen::~uxSplashScreen()
{
    delete m_movie;
    delete m_ui;
}

void uxSplashScreen::setupUi()
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("uxSplashScreen"));
    m_ui = new Ui;
    m_ui->lblMessage = new QLabel(this);
    m_ui->lblMessage->setObjectName(QStringLiteral("lblMessage"));
    m_ui->lblMessage->setGeometry(20, 250, 250, 16);
    m_ui->lblMessage->setIndent(5);
    m_ui->lblCopyRight = new QLabel(this);
    m_ui->lblCopyRight->setObjectName(QStringLiteral("lblCopyRight"));
    m_ui->lblCopyRight->setGeometry(15, 269, 500, 20);
    m_ui->lblCopyRight->setIndent(5);
    m_ui->lblVersion = new QLabel(this);
    m_ui->lblVersion->setObjectName(QStringLiteral("lblVersion"));
    m_ui->lblVersion->setGeometry(350, 220, 131, 20);
    m_ui->lblVersion->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_ui->lblVersion->setIndent(3);
    retranslateUi();
    QMetaObject::connectSlotsByName(this);
}

void uxSplashScreen::retranslateUi()
{
    m_ui->lblMessage->setText(tr("Load..."));
    m_ui->lblCopyRight->setText(tr("Copyright"));
    m_ui->lblVersion->setText(tr("Version"));
}

QString uxSplashScreen::layoutFilePath()
{
    return uxSrcMgr::instance()->appDir() + QStringLiteral("/splashscreen.xml");
}

void uxSplashScreen::applyLayoutFile()
{
    // A layout is a few hundred bytes; a file far larger is no layout.
    const qint64 kMaxLayoutBytes = 1 << 20;
    QFile file(layoutFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QScreen* area = screen() ? screen() : QGuiApplication::primaryScreen();
    SplashLayout layout;
    if (!layout.read(file.read(kMaxLayoutBytes), uxSrcMgr::dpiScale(),
                     area ? area->geometry() : QRect()))
        return;
    setGeometry(layout.geometry);
    placeLine(m_ui->lblMessage, layout.message);
    placeLine(m_ui->lblVersion, layout.version);
    placeLine(m_ui->lblCopyRight, layout.copyright);
    m_messageColor = layout.message.color;
    m_versionColor = layout.version.color;
    m_copyrightColor = layout.copyright.color;
}

void uxSplashScreen::setMessage(const QString& html)
{
    m_ui->lblMessage->setText(html);
}

void uxSplashScreen::setCopyright(const QString& html)
{
    m_ui->lblCopyRight->setText(html);
}

void uxSplashScreen::setVersion(const QString& html)
{
    m_ui->lblVersion->setText(html);
}

void uxSplashScreen::setBackground(const QString& imagePath)
{
    if (!m_picture) {
        m_picture = new QLabel(this);
        m_picture->setObjectName(QStringLiteral("lblBackground"));
    }
    m_picture->setGeometry(rect());
    m_picture->lower();
    delete m_movie;
    m_movie = new QMovie(imagePath);
    m_movie->setScaledSize(size());
    m_picture->setMovie(m_movie);
    m_movie->start();
}

void uxSplashScreen::finish(QWidget* mainWindow)
{
    if (mainWindow)
        PlatformWindow::bringToFront(mainWindow->window());
    close();
}

void uxSplashScreen::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
}

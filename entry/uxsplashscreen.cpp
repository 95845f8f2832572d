#include "entry/uxsplashscreen.h"

#include "framework/core/uxsrcmgr.h"
#include "platform/platformwindow.h"

#include <QDomDocument>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMovie>
#include <QScreen>
#include <QtMath>

namespace {

Qt::Alignment verticalAlignment(const QString& value)
{
    if (value == QLatin1String("top"))
        return Qt::AlignTop;
    if (value == QLatin1String("bottom"))
        return Qt::AlignBottom;
    return Qt::AlignVCenter;
}

Qt::Alignment horizontalAlignment(const QString& value)
{
    if (value == QLatin1String("center"))
        return Qt::AlignHCenter;
    if (value == QLatin1String("right"))
        return Qt::AlignRight;
    return Qt::AlignLeft;
}

int scaled(double scale, int value)
{
    return int(scale * value);
}

// Places a label as its layout element says; returns the element's colour.
QString applyLabelLayout(QLabel* label, const QDomElement& e, double s)
{
    const auto number = [&e](const char* name) { return e.attribute(name).toInt(); };
    label->setGeometry(scaled(s, number("x")), scaled(s, number("y")), scaled(s, number("width")),
                       scaled(s, number("height")));
    label->setAlignment(verticalAlignment(e.attribute("valign")) |
                        horizontalAlignment(e.attribute("halign")));
    return e.attribute("color");
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
    QFile file(layoutFilePath());
    QDomDocument doc;
    if (!file.open(QIODevice::ReadOnly) || !doc.setContent(&file))
        return;
    const QDomElement root = doc.documentElement().firstChildElement();
    const double s = uxSrcMgr::dpiScale();
    const int width = root.firstChildElement("Width").text().toInt();
    const int height = root.firstChildElement("Height").text().toInt();
    const QScreen* area = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect g = area ? area->geometry() : QRect(0, 0, 0, 0);
    const int cx = (g.left() + g.right()) / 2;
    const int cy = (g.top() + g.bottom()) / 2;
    setGeometry(int(cx - s * width * 0.5), int(cy - s * height * 0.5), scaled(s, width),
                scaled(s, height));
    m_messageColor = applyLabelLayout(m_ui->lblMessage, root.firstChildElement("Message"), s);
    m_versionColor = applyLabelLayout(m_ui->lblVersion, root.firstChildElement("Version"), s);
    m_copyrightColor = applyLabelLayout(m_ui->lblCopyRight, root.firstChildElement("CopyRight"), s);
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

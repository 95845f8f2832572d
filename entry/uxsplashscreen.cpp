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

#include <cmath>
#include <limits>

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

// Layout files are data: a product of two numbers from them may lie outside
// what an int holds, or be no number at all.
int scaled(double scale, int value)
{
    const double product = scale * value;
    if (!std::isfinite(product))
        return 0;
    return int(qBound(double(std::numeric_limits<int>::min()), product,
                      double(std::numeric_limits<int>::max())));
}

// Places a label as its layout element says, inside the splash of the given
// size; returns the element's colour.
QString applyLabelLayout(QLabel* label, const QDomElement& e, double s, const QSize& bounds)
{
    const auto number = [&e](const char* name) { return e.attribute(name).toInt(); };
    const int x = qBound(0, scaled(s, number("x")), bounds.width());
    const int y = qBound(0, scaled(s, number("y")), bounds.height());
    label->setGeometry(x, y, qBound(0, scaled(s, number("width")), bounds.width() - x),
                       qBound(0, scaled(s, number("height")), bounds.height() - y));
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
    const QScreen* area = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect g = area ? area->geometry() : QRect(0, 0, 0, 0);
    // The splash and the picture scaled into it never exceed the screen.
    const int width = qBound(0, scaled(s, root.firstChildElement("Width").text().toInt()),
                             g.width());
    const int height = qBound(0, scaled(s, root.firstChildElement("Height").text().toInt()),
                              g.height());
    const int cx = (g.left() + g.right()) / 2;
    const int cy = (g.top() + g.bottom()) / 2;
    setGeometry(qBound(g.left(), cx - width / 2, g.right() + 1 - width),
                qBound(g.top(), cy - height / 2, g.bottom() + 1 - height), width, height);
    const QSize bounds(width, height);
    m_messageColor =
        applyLabelLayout(m_ui->lblMessage, root.firstChildElement("Message"), s, bounds);
    m_versionColor =
        applyLabelLayout(m_ui->lblVersion, root.firstChildElement("Version"), s, bounds);
    m_copyrightColor =
        applyLabelLayout(m_ui->lblCopyRight, root.firstChildElement("CopyRight"), s, bounds);
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

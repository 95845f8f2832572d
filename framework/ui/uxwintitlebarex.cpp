#include "framework/ui/uxwintitlebarex.h"

#include "framework/core/uxsrcmgr.h"
#include "framework/ui/uxpicture.h"
#include "framework/ui/uxwinmenubarex.h"
#include "framework/ui/uxwintitlebar.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

uxWinTitleBarEx::uxWinTitleBarEx(QWidget* parent) : QFrame(parent)
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("uxWinTitleBarEx"));
    resize(256, 36);
    const int side = int(48 * uxSrcMgr::dpiScale());
    m_largeIconSize = QSize(side, side);
    auto* layout = new QVBoxLayout(this);
    layout->setObjectName(QStringLiteral("verticalLayout"));
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    m_titleBar = new uxWinTitleBar(this);
    m_titleBar->setObjectName(QStringLiteral("frmTitleBar"));
    layout->addWidget(m_titleBar);
    m_menuBar = new uxWinMenuBarEx(this);
    m_menuBar->setObjectName(QStringLiteral("frmMenuBar"));
    layout->addWidget(m_menuBar);
    buildLargeIconFrame();
    m_userLogoFrame = makeOverlay("uxWinTitleBarExUserLogo");
}

QFrame* uxWinTitleBarEx::makeOverlay(const char* name)
{
    auto* frame = new QFrame(this);
    frame->setObjectName(QLatin1String(name));
    frame->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    frame->hide();
    frame->raise();
    return frame;
}

void uxWinTitleBarEx::buildLargeIconFrame()
{
    m_largeIconFrame = makeOverlay("uxWinTitleBarExLargeIcon");
    auto* grid = new QGridLayout(m_largeIconFrame);
    grid->setSpacing(0);
    grid->setContentsMargins(0, 0, 0, 0);
    m_largeIcon = new QLabel(m_largeIconFrame);
    m_largeIcon->setObjectName(QStringLiteral("lblLargeIcon"));
    grid->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), 0, 1);
    grid->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum), 1, 0);
    grid->addWidget(m_largeIcon, 1, 1);
    grid->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum), 1, 2);
    grid->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), 2, 1);
}

bool uxWinTitleBarEx::attachTo(QWidget* window)
{
    return m_titleBar->attachTo(window);
}

void uxWinTitleBarEx::setMenuWidget(QWidget* widget)
{
    m_menuBar->setMenuWidget(widget);
}

void uxWinTitleBarEx::setLargeIconPath(const QString& path)
{
    if (path == m_largeIconPath)
        return;
    m_largeIconPath = path;
    showLargeIcon();
}

void uxWinTitleBarEx::showLargeIcon()
{
    const QPixmap picture = uxPicture::fitted(m_largeIconPath, m_largeIconSize,
                                              devicePixelRatioF(), Qt::IgnoreAspectRatio);
    if (picture.isNull())
        m_largeIcon->clear();
    else
        m_largeIcon->setPixmap(picture);
}

void uxWinTitleBarEx::setLogoShowMode(LogoShowMode mode)
{
    if (mode == m_logoMode)
        return;
    m_logoMode = mode;
    switch (mode) {
    case LogoMode_StandardIcon:
        m_largeIconFrame->hide();
        m_userLogoFrame->hide();
        m_titleBar->setShowIcon(true);
        break;
    case LogoMode_LargeIcon:
        m_largeIconFrame->show();
        m_largeIconFrame->raise();
        m_userLogoFrame->hide();
        m_titleBar->setShowIcon(false);
        break;
    case LogoMode_UserDefined:
        m_largeIconFrame->hide();
        m_userLogoFrame->show();
        m_userLogoFrame->raise();
        m_titleBar->setShowIcon(false);
        break;
    }
}

void uxWinTitleBarEx::setLargeIconSize(const QSize& size)
{
    if (size == m_largeIconSize)
        return;
    m_largeIconSize = size;
    m_largeIcon->resize(size);
    showLargeIcon();
}

void uxWinTitleBarEx::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    const int h = height();
    const QRect square(QPoint(0, 0), QPoint(h - 1, h - 1));
    m_largeIconFrame->setGeometry(square);
    m_userLogoFrame->setGeometry(square);
}

#include "framework/ui/uxmainwindowbase.h"

#include "framework/core/uxproductinfo.h"
#include "framework/core/uxsettings.h"
#include "framework/core/uxsrcmgr.h"
#include "framework/ui/uxaboutdlg.h"
#include "framework/ui/uxbackgroundwidget.h"
#include "framework/ui/uxhelpfiles.h"
#include "framework/ui/uxwidgetframe.h"
#include "framework/ui/uxwintitlebarex.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QUrl>

namespace {

const char* const GeometryKey = "Application/geometry";

Qt::WindowFlags mainWindowFlags(Qt::WindowFlags f)
{
    const Qt::WindowFlags frameless = Qt::Window | Qt::FramelessWindowHint;
    if (f != Qt::WindowFlags())
        return f | frameless;
    return frameless | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
           Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint;
}

} // namespace

uxMainWindowBase::uxMainWindowBase(QWidget* parent, Qt::WindowFlags f)
    : QWidget(parent, mainWindowFlags(f))
{
    setObjectName(QStringLiteral("uxMainWindowBase"));
    m_background = new uxBackgroundWidget(this);
    setProperty("windowFlags", int(windowFlags()));
    uxSrcMgr* resources = uxSrcMgr::instance();
    connect(resources, &uxSrcMgr::skinChanged, this, &uxMainWindowBase::on_skinChanged);
    connect(resources, &uxSrcMgr::languageChanged, this, &uxMainWindowBase::on_languageChanged);
}

QMenu* uxMainWindowBase::findOrCreateMenu(const QString& name)
{
    auto* menu = findChild<QMenu*>(name);
    if (!menu) {
        menu = new QMenu(m_menuBar);
        menu->setObjectName(name);
        m_menuBar->addMenu(menu);
    }
    return menu;
}

void uxMainWindowBase::setupMenus(QMenuBar* menuBar)
{
    m_menuBar = menuBar;
    m_menuFile = findChild<QMenu*>(QStringLiteral("menuFile"));
    if (!m_menuFile) {
        m_menuFile = new QMenu(menuBar);
        m_menuFile->setObjectName(QStringLiteral("menuFile"));
        const QList<QAction*> existing = menuBar->actions();
        menuBar->insertMenu(existing.isEmpty() ? nullptr : existing.first(), m_menuFile);
    }
    m_actExit = m_menuFile->findChild<QAction*>(QStringLiteral("fileExit"));
    if (!m_actExit) {
        if (!m_menuFile->isEmpty())
            m_menuFile->addSeparator();
        m_actExit = m_menuFile->addAction(QString());
        m_actExit->setObjectName(QStringLiteral("fileExit"));
        m_actExit->setShortcut(QKeySequence(QStringLiteral("Alt+F4")));
        connect(m_actExit, &QAction::triggered, this, &QWidget::close);
    }
    m_menuTools = findOrCreateMenu(QStringLiteral("menuTools"));
    m_menuHelp = findOrCreateMenu(QStringLiteral("menuHelp"));
    connect(m_menuHelp, &QMenu::aboutToShow, this, &uxMainWindowBase::onMenuHelpToShow);
    m_actSupport = m_menuHelp->addAction(QString(), this, &uxMainWindowBase::on_support);
    m_menuHelp->addSeparator();
    m_actHomePage = m_menuHelp->addAction(QString(), this, &uxMainWindowBase::on_homePage);
    if (!uxProductInfo::instance()->productUrl().isEmpty())
        m_actProduct = m_menuHelp->addAction(QString(), this, &uxMainWindowBase::on_product);
    m_menuHelp->addSeparator();
    m_actAbout = m_menuHelp->addAction(QString(), this, &uxMainWindowBase::on_about);
    retranslateMenus();
}

void uxMainWindowBase::initWidgetFrame(bool showTitleBar, bool extendedTitleBar,
                                       QWidget* menuWidget)
{
    m_frame = uxWidgetFrame::install(this, QStringLiteral("uxMainWindowClient"), showTitleBar,
                                     extendedTitleBar, menuWidget);
    m_titleBarEx = qobject_cast<uxWinTitleBarEx*>(m_frame->titleBar());
    updateWindowTitle();
    updateWindowMask();
}

void uxMainWindowBase::setLargeIconPath(const QString& path)
{
    if (m_titleBarEx)
        m_titleBarEx->setLargeIconPath(path);
}

void uxMainWindowBase::updateWindowMask()
{
    uxWidgetFrame::updateWindowMask(this, m_frame);
}

void uxMainWindowBase::retranslateMenus()
{
    const auto setText = [](QObject* item, const QString& text) {
        if (auto* menu = qobject_cast<QMenu*>(item))
            menu->setTitle(text);
        else if (auto* action = qobject_cast<QAction*>(item))
            action->setText(text);
    };
    setText(m_menuFile, tr("&File"));
    setText(m_actExit, tr("E&xit"));
    setText(m_menuTools, tr("&Tools"));
    setText(m_menuSkin, tr("S&kin"));
    if (m_menuSkin)
        for (QAction* a : m_menuSkin->actions())
            a->setText(a->data().toString());
    setText(m_menuLanguage, tr("&Language"));
    if (m_menuLanguage)
        for (QAction* a : m_menuLanguage->actions())
            a->setText(uxSrcMgr::nativeLanguageName(a->data().toString()));
    setText(m_menuHelp, tr("&Help"));
    setText(m_actUserHelp, tr("User Help"));
    const bool localManual = uxProductInfo::instance()->isLocaleManualEnabled();
    setText(m_actOnlineHelp, localManual ? tr("&Online Help") : tr("Online Help"));
    setText(m_actSupport, tr("&Support"));
    setText(m_actCheckUpdate, tr("Check Up&date..."));
    setText(m_actHomePage, tr("&Home Page"));
    setText(m_actProduct, tr("&Product Page"));
    setText(m_actAbout, tr("&About..."));
}

void uxMainWindowBase::onMenuHelpToShow()
{
    const uxProductInfo* product = uxProductInfo::instance();
    if (m_actUserHelp)
        m_actUserHelp->setVisible(product->isLocaleManualEnabled());
    if (m_actOnlineHelp)
        m_actOnlineHelp->setVisible(product->isOnlineManualEnabled());
    if (m_actCheckUpdate)
        m_actCheckUpdate->setVisible(true);
}

QString uxMainWindowBase::manualPath()
{
    const uxSrcMgr* resources = uxSrcMgr::instance();
    const QString name = uxProductInfo::instance()->localeManual();
    const QString language = resources->currentLanguage();
    const QString html = uxHelpFiles::htmlManual(resources->configDir(), name, language);
    if (!html.isEmpty())
        return html;
    return uxHelpFiles::compiledManual(resources->appDir(), name, language);
}

void uxMainWindowBase::on_manual()
{
    const QString path = manualPath();
    if (!path.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void uxMainWindowBase::openUrl(const QString& url)
{
    if (!url.isEmpty())
        QDesktopServices::openUrl(QUrl(url));
}

void uxMainWindowBase::on_onlineHelp()
{
    openUrl(uxProductInfo::instance()->onlineManual());
}

void uxMainWindowBase::on_homePage()
{
    openUrl(uxProductInfo::instance()->homePage());
}

void uxMainWindowBase::on_product()
{
    openUrl(uxProductInfo::instance()->productUrl());
}

void uxMainWindowBase::on_support()
{
    openUrl(uxProductInfo::instance()->supportUrl());
}

void uxMainWindowBase::on_contactus()
{
    openUrl(QStringLiteral("mailto:%1").arg(uxProductInfo::instance()->supportEMail()));
}

void uxMainWindowBase::on_update() {}

void uxMainWindowBase::onAppUpdateCheckResult(bool bNewVersion, QString strReason)
{
    Q_UNUSED(bNewVersion);
    Q_UNUSED(strReason);
}

void uxMainWindowBase::onCancelUpdateCheck() {}

void uxMainWindowBase::showUpdateDialog() {}

void uxMainWindowBase::on_about()
{
    if (showAboutOverride())
        return;
    uxAboutDlg about(this);
    uxDialogBase::placeDialog(&about, window());
    about.exec();
}

bool uxMainWindowBase::queryWindowTitle(QString& title)
{
    Q_UNUSED(title);
    return false;
}

bool uxMainWindowBase::showAboutOverride()
{
    return false;
}

bool uxMainWindowBase::changeLanguageOverride(const QString& language)
{
    Q_UNUSED(language);
    return false;
}

void uxMainWindowBase::on_changeSkin()
{
    if (auto* action = qobject_cast<QAction*>(sender()))
        uxSrcMgr::instance()->setCurrentSkin(action->data().toString());
}

void uxMainWindowBase::on_changeLang()
{
    auto* action = qobject_cast<QAction*>(sender());
    if (!action)
        return;
    const QString language = action->data().toString();
    if (language == uxSrcMgr::instance()->currentLanguage())
        return;
    if (!changeLanguageOverride(language))
        uxSrcMgr::instance()->setCurrentLanguage(language);
}

void uxMainWindowBase::checkActionWithData(QMenu* menu, const QString& data)
{
    if (!menu)
        return;
    for (QAction* action : menu->actions())
        action->setChecked(action->data().toString() == data);
}

void uxMainWindowBase::onMenuToolsSkinAboutToShow()
{
    checkActionWithData(m_menuSkin, uxSrcMgr::instance()->currentSkin());
}

void uxMainWindowBase::onMenuToolsLangAboutToShow()
{
    checkActionWithData(m_menuLanguage, uxSrcMgr::instance()->currentLanguage());
}

void uxMainWindowBase::on_skinChanged(QString strSkinName)
{
    updateWindowMask();
    checkActionWithData(m_menuSkin, strSkinName);
    uxSettings::instance()->setSkin(strSkinName);
}

void uxMainWindowBase::on_languageChanged(QString strLangName)
{
    checkActionWithData(m_menuLanguage, strLangName);
    uxSettings::instance()->setLanguage(strLangName);
}

void uxMainWindowBase::updateWindowTitle()
{
    QString title;
    if (!queryWindowTitle(title))
        title = uxProductInfo::instance()->displayName();
    setWindowTitle(title);
}

void uxMainWindowBase::setLinkDefaultColor(const QColor& color)
{
    if (color == m_linkColor)
        return;
    m_linkColor = color;
    QPalette palette = QApplication::palette();
    palette.setBrush(QPalette::All, QPalette::Link, QBrush(color));
    QApplication::setPalette(palette);
}

// A stored geometry wins; a missing or damaged one centres the window on its
// screen's work area, never larger than that area.
void uxMainWindowBase::restoreWindowGeometry(int minWidth, int minHeight, bool ignoreSaved)
{
    if (minWidth != 0 && minHeight != 0 && !ignoreSaved) {
        const double scale = uxSrcMgr::dpiScale();
        setMinimumSize(int(minWidth * scale), int(minHeight * scale));
    }
    QByteArray stored;
    if (!ignoreSaved)
        stored = uxSettings::instance()->value(QLatin1String(GeometryKey)).toByteArray();
    if (stored.isEmpty() || !restoreGeometry(stored))
        centreOnScreen();
}

void uxMainWindowBase::centreOnScreen()
{
    adjustSize();
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const int w = qMin(area.width(), width());
    const int h = qMin(area.height(), height());
    setGeometry((area.left() + area.right()) / 2 - w / 2, (area.top() + area.bottom()) / 2 - h / 2,
                w, h);
}

void uxMainWindowBase::saveWindowGeometry()
{
    uxSettings::instance()->setValue(QLatin1String(GeometryKey), saveGeometry());
}

void uxMainWindowBase::resizeEvent(QResizeEvent* event)
{
    updateWindowMask();
    QWidget::resizeEvent(event);
}

void uxMainWindowBase::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        updateWindowMask();
    if (event->type() == QEvent::LanguageChange) {
        retranslateMenus();
        updateWindowTitle();
    }
}

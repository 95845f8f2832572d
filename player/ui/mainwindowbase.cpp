#include "player/ui/mainwindowbase.h"

#include "framework/core/uxproductinfo.h"
#include "framework/core/uxsrcmgr.h"
#include "framework/ui/uxmessagebox.h"
#include "framework/ui/uxformparts.h"
#include "platform/platformdevicemonitor.h"
#include "player/engine/qvlcplayer.h"
#include "player/ui/mainwindow.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace {

// The media library cannot run: tell the user before the process ends.
void showFatalError(int, const QString& message)
{
    uxMessageBox::information(nullptr, uxProductInfo::instance()->name(), message);
}

} // namespace

MainWindowBase::MainWindowBase(QWidget* parent) : uxMainWindowBase(parent)
{
    QVlcPlayer::setFatalErrorHandler(showFatalError);
    buildForm();
    setupMenus(m_menuBar);
    addSkinMenu();
    addLanguageMenu();
    addUserHelp();
    retranslateMenus();
    initWidgetFrame(true, true, m_menuBar);
}

void MainWindowBase::buildForm()
{
    setObjectName(QStringLiteral("MainWindowBase"));
    setWindowTitle(tr("Form"));
    resize(16, 16);
    auto* layout = uxFormParts::tightLayout<QVBoxLayout>(this, "verticalLayout");
    QFrame* client = uxFormParts::frame(this, "uxMainWindowClient", layout);
    m_mainWindow = new MainWindow();
    m_mainWindow->setParent(this);
    m_mainWindow->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    m_mainWindow->setHost(this);
    auto* clientLayout = new QVBoxLayout(client);
    clientLayout->setSpacing(0);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->addWidget(m_mainWindow);
    m_menuBar = m_mainWindow->playerMenuBar();
    connect(m_mainWindow, &MainWindow::mediaTitleChanged, this, [this] { updateWindowTitle(); });
    m_devices = new PlatformDeviceMonitor(this);
    connect(m_devices, &PlatformDeviceMonitor::devicesChanged, this, [this] {
        emit DeviecArriveal();
        m_mainWindow->onDevicesChanged();
    });
}

void MainWindowBase::closeEvent(QCloseEvent* event)
{
    m_mainWindow->runClosingSteps();
    uxMainWindowBase::closeEvent(event);
}

bool MainWindowBase::queryWindowTitle(QString& title)
{
    const QString media = m_mainWindow->mediaTitle();
    if (media.isEmpty())
        return false;
    title = QStringLiteral("%1 - %2").arg(media, uxProductInfo::instance()->displayName());
    return true;
}

QSize MainWindowBase::sizeHint() const
{
    return QSize(960, 600);
}

QMenu* MainWindowBase::addChoiceMenu(const char* name, const QStringList& values, const char* slot)
{
    auto* menu = new QMenu(m_menuTools);
    menu->setObjectName(QLatin1String(name));
    auto* group = new QActionGroup(menu);
    QStringList seen;
    for (const QString& value : values) {
        if (seen.contains(value))
            continue;
        seen << value;
        QAction* action = menu->addAction(value);
        action->setCheckable(true);
        action->setData(value);
        group->addAction(action);
        connect(action, SIGNAL(triggered()), this, slot);
    }
    m_menuTools->addMenu(menu);
    return menu;
}

void MainWindowBase::addSkinMenu()
{
    m_menuSkin = addChoiceMenu("menuSkin", uxSrcMgr::instance()->skins(), SLOT(on_changeSkin()));
    connect(m_menuSkin, &QMenu::aboutToShow, this, &MainWindowBase::onMenuToolsSkinAboutToShow);
    onMenuToolsSkinAboutToShow();
}

void MainWindowBase::addLanguageMenu()
{
    m_menuLanguage =
        addChoiceMenu("menuLanguage", uxSrcMgr::instance()->languages(), SLOT(on_changeLang()));
    connect(m_menuLanguage, &QMenu::aboutToShow, this, &MainWindowBase::onMenuToolsLangAboutToShow);
    onMenuToolsLangAboutToShow();
}

void MainWindowBase::addUserHelp()
{
    m_actUserHelp = new QAction(this);
    m_actUserHelp->setObjectName(QStringLiteral("actionUser_Help"));
    m_actUserHelp->setShortcut(QKeySequence::HelpContents);
    connect(m_actUserHelp, &QAction::triggered, this, &MainWindowBase::on_manual);
    const QList<QAction*> entries = m_menuHelp->actions();
    m_menuHelp->insertAction(entries.isEmpty() ? nullptr : entries.first(), m_actUserHelp);
    m_menuHelp->insertAction(entries.isEmpty() ? nullptr : entries.first(),
                             m_mainWindow->shortcutsAction());
    m_menuHelp->insertSeparator(entries.isEmpty() ? nullptr : entries.first());
    addAction(m_actUserHelp);
}

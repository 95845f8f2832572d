#include "entry/startup.h"

#include "entry/uxsingleinstance.h"
#include "entry/uxsplashscreen.h"
#include "framework/core/uxframeworkflags.h"
#include "framework/core/uxhandoverslot.h"
#include "framework/core/uxproductinfo.h"
#include "framework/core/uxsettings.h"
#include "framework/core/uxsrcmgr.h"
#include "framework/ui/uxmessagebox.h"
#include "platform/platformenvironment.h"
#include "platform/platformquitsignals.h"
#include "player/ui/mainwindow.h"
#include "player/ui/mainwindowbase.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QSettings>
#include <QTimer>

#include <cstdio>

namespace {

const QString RegisterHook = QStringLiteral("--register");
const QString DeregisterHook = QStringLiteral("--deregister");
const QString LanguageOption = QStringLiteral("-l");

QSettings* installedCopies()
{
    return new QSettings(uxProductInfo::instance()->fullName(), QStringLiteral("Installed"));
}

} // namespace

Startup::Startup(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        m_args << QString::fromLocal8Bit(argv[i]);
}

Startup::~Startup()
{
    if (m_singletonsAlive)
        teardownSingletons();
}

int Startup::run()
{
    PlatformEnvironment::returnLargeFreedBlocks();
    // A quit request at any moment from here on ends the run cleanly: the steps
    // below check for it, and the event loop acts on it once it runs.
    m_quitSignals = std::make_unique<PlatformQuitSignals>();
    if (!initFramework()) {
        m_quitSignals.reset();
        teardownSingletons();
        return 1;
    }
    applyOptions();
    m_network = new QNetworkAccessManager;
    if (runInstallHook()) {
        teardownSingletons();
        return 0;
    }
    if (!uxSingleInstance::instance()->isRunningAllowed()) {
        const int result = handOverToRunningCopy();
        teardownSingletons();
        return result;
    }
    using Step = void (Startup::*)();
    for (Step step : {&Startup::openHandover, &Startup::setIcons, &Startup::applyLanguage,
                      &Startup::showSplash, &Startup::applySkin, &Startup::showMainWindow,
                      &Startup::playStartPaths}) {
        if (PlatformQuitSignals::isRequested())
            break;
        (this->*step)();
    }
    int result = 0;
    if (m_mainWindow) {
        QCoreApplication::processEvents();
        result = runEventLoop();
    }
    teardown();
    return result;
}

// The running copy's window polls the hand-over slot and opens the paths in
// the order given; a path that cannot reach it is reported, so the user does
// not wait for nothing.
int Startup::handOverToRunningCopy()
{
    for (const QString& argument : mediaArguments(m_args)) {
        const QString media = absoluteMediaPath(argument);
        const QString reason = handOverFailure(
            uxHandoverSlot::handOver(uxProductInfo::instance()->guid(), media));
        if (reason.isEmpty())
            continue;
        reportError(QCoreApplication::translate("MediaPlayer_Main",
                                                "Cannot open %1 in the running copy: %2.")
                        .arg(media, reason));
        return 2;
    }
    return 0;
}

QString Startup::handOverFailure(int delivery)
{
    switch (delivery) {
    case uxHandoverSlot::NoRunningCopy:
        return QCoreApplication::translate("MediaPlayer_Main", "the running copy cannot be reached");
    case uxHandoverSlot::TooLong:
        return QCoreApplication::translate("MediaPlayer_Main",
                                           "the path is too long to be handed over");
    case uxHandoverSlot::NotTaken:
        return QCoreApplication::translate("MediaPlayer_Main", "the running copy does not take it");
    default:
        return QString();
    }
}

void Startup::reportError(const QString& text)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                 text.toLocal8Bit().constData());
    std::fflush(stderr);
}

int Startup::runEventLoop()
{
    QObject::connect(m_quitSignals.get(), &PlatformQuitSignals::quitRequested, m_mainWindow.get(),
                     &QWidget::close);
    QObject::connect(m_quitSignals.get(), &PlatformQuitSignals::quitRequested, qApp,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    int result = 0;
    // A request that came while the window was being made has been read already.
    if (PlatformQuitSignals::isRequested())
        m_mainWindow->close();
    else
        result = QApplication::exec();
    m_quitSignals.reset();
    return result;
}

bool Startup::initFramework()
{
    for (Qt::UIEffect effect : {Qt::UI_AnimateMenu, Qt::UI_FadeMenu, Qt::UI_AnimateCombo,
                                Qt::UI_AnimateTooltip, Qt::UI_FadeTooltip})
        QApplication::setEffectEnabled(effect, false);
    uxFrameworkFlags::setAboutIconShown(true);
    uxProductInfo* product = uxProductInfo::instance();
    uxSrcMgr* resources = uxSrcMgr::instance();
    m_singletonsAlive = true;
    const QString config = resources->readProductConfig();
    if (!config.isEmpty())
        product->loadConfig(config);
    // Without a name and GUID the settings store, the instance lock and the
    // hand-over slot would all fall back to shared names: refuse to start.
    if (product->name().isEmpty() || product->guid().isEmpty()) {
        reportDamagedProduct(resources->productConfigPath());
        return false;
    }
    const QString extend = resources->readProductExtend();
    if (!extend.isEmpty())
        product->loadExtend(extend);
    resources->filterSkins();
    resources->filterLanguages();
    uxSettings::instance();
    return true;
}

void Startup::reportDamagedProduct(const QString& path)
{
    // No settings may be read or written now: the user's language is taken from
    // the system alone.
    uxSrcMgr::instance()->setCurrentLanguage(uxSrcMgr::systemLanguage());
    const QString text =
        QCoreApplication::translate("MediaPlayer_Main",
                                    "The product configuration %1 is missing or damaged: its "
                                    "name and GUID cannot be read. Please reinstall the program.")
            .arg(QDir::toNativeSeparators(path));
    reportError(text);
    if (QGuiApplication::platformName() == QLatin1String("offscreen") ||
        QGuiApplication::platformName() == QLatin1String("minimal"))
        return;
    uxMessageBox::warning(nullptr, QCoreApplication::translate("MediaPlayer_Main", "Error"),
                          text);
}

void Startup::applyOptions()
{
    for (int i = 0; i + 1 < m_args.size(); ++i) {
        if (m_args.at(i) == LanguageOption)
            uxSettings::instance()->setLanguage(m_args.at(i + 1));
    }
}

QString Startup::mediaArgument(const QStringList& args)
{
    return mediaArguments(args).value(0);
}

QStringList Startup::mediaArguments(const QStringList& args)
{
    QStringList media;
    for (int i = 0; i < args.size(); ++i) {
        // The option and its value; a trailing one has none.
        if (args.at(i) == LanguageOption) {
            ++i;
            continue;
        }
        if (args.at(i) != RegisterHook && args.at(i) != DeregisterHook)
            media << args.at(i);
    }
    return media;
}

// The running copy has a working folder of its own, and recent entries and resume
// points outlive this one: a path is only meaningful when it is absolute.
QString Startup::absoluteMediaPath(const QString& argument)
{
    if (argument.isEmpty())
        return argument;
    return QFileInfo(argument).absoluteFilePath();
}

bool Startup::runInstallHook()
{
    if (m_args.size() != 1)
        return false;
    if (m_args.first() == RegisterHook)
        registerCopy();
    else if (m_args.first() == DeregisterHook)
        deregisterCopy();
    else
        return false;
    return true;
}

void Startup::registerCopy()
{
    const uxProductInfo* product = uxProductInfo::instance();
    std::unique_ptr<QSettings> store(installedCopies());
    QVariantMap copies = store->value(product->productId()).toMap();
    copies.insert(QCoreApplication::applicationFilePath(), product->version());
    store->setValue(product->productId(), copies);
}

void Startup::deregisterCopy()
{
    const uxProductInfo* product = uxProductInfo::instance();
    std::unique_ptr<QSettings> store(installedCopies());
    QVariantMap copies = store->value(product->productId()).toMap();
    copies.remove(QCoreApplication::applicationFilePath());
    if (copies.isEmpty())
        store->remove(product->productId());
    else
        store->setValue(product->productId(), copies);
}

void Startup::openHandover()
{
    m_handover = std::make_unique<uxHandoverSlot>(uxProductInfo::instance()->guid());
    m_handover->open();
    // Several paths go straight to the window once it is shown.
    const QStringList media = mediaArguments(m_args);
    if (media.size() == 1)
        m_handover->writePath(absoluteMediaPath(media.first()));
}

void Startup::playStartPaths()
{
    const QStringList media = mediaArguments(m_args);
    if (media.size() < 2)
        return;
    QStringList paths;
    for (const QString& argument : media)
        paths << absoluteMediaPath(argument);
    MainWindow* window = m_mainWindow->playerWindow();
    QTimer::singleShot(0, window, [window, paths] { window->openFiles(paths); });
}

void Startup::setIcons()
{
    const QString aboutIcon =
        uxProductInfo::instance()->extendParam(QStringLiteral("isAboutIconShow"));
    if (!aboutIcon.isEmpty() && aboutIcon.toInt() == 0)
        uxFrameworkFlags::setAboutIconShown(false);
    m_icon = QIcon(uxSrcMgr::instance()->appIconPath());
    QApplication::setWindowIcon(m_icon);
}

void Startup::applyLanguage()
{
    const QString language =
        uxSettings::instance()->language(uxProductInfo::instance()->defaultLanguage());
    uxSrcMgr::instance()->setCurrentLanguage(language);
}

void Startup::showSplash()
{
    const uxProductInfo* product = uxProductInfo::instance();
    m_splash = std::make_unique<uxSplashScreen>();
    m_splash->setBackground(
        uxSrcMgr::instance()->splashImagePath(uxSrcMgr::instance()->currentLanguage()));
    m_splash->show();
    showMessage(QCoreApplication::translate("MediaPlayer_Main", "Loading language..."));
    m_splash->setCopyright(
        QStringLiteral("<font color = %1>%2</font>")
            .arg(m_splash->copyrightColor(),
                 QCoreApplication::translate("MediaPlayer_Main",
                                             "Copyright © %1 %2. All rights reserved.")
                     .arg(product->yearText(), product->fullName())));
    QCoreApplication::processEvents();
    m_splash->setVersion(QStringLiteral("<b><font color = %1>%2 %3</font>")
                             .arg(m_splash->versionColor(),
                                  QCoreApplication::translate("MediaPlayer_Main", "Version:"),
                                  product->version()));
    showMessage(QCoreApplication::translate("MediaPlayer_Main", "Framework initializing..."));
    QCoreApplication::processEvents();
    showMessage(QCoreApplication::translate("MediaPlayer_Main", "Loading skin..."));
}

void Startup::showMessage(const QString& text)
{
    m_splash->setMessage(
        QStringLiteral("<font color = %1>%2</font>").arg(m_splash->messageColor(), text));
}

void Startup::applySkin()
{
    const QString skin = uxSettings::instance()->skin(uxProductInfo::instance()->defaultSkin());
    uxSrcMgr::instance()->setCurrentSkin(skin);
    QCoreApplication::processEvents();
    showMessage(QCoreApplication::translate("MediaPlayer_Main", "Preparing main window..."));
}

void Startup::showMainWindow()
{
    m_mainWindow = std::make_unique<MainWindowBase>();
    m_mainWindow->setLargeIconPath(uxSrcMgr::instance()->largeLogoPath());
    m_mainWindow->restoreWindowGeometry(0, 0, false);
    m_mainWindow->show();
    uxSingleInstance::instance()->setMainWindow(m_mainWindow.get());
    m_splash->finish(m_mainWindow.get());
}

void Startup::teardownSingletons()
{
    uxSingleInstance::deleteInstance();
    delete m_network;
    m_network = nullptr;
    uxSettings::deleteInstance();
    uxProductInfo::deleteInstance();
    uxSrcMgr::deleteInstance();
    m_singletonsAlive = false;
}

void Startup::teardown()
{
    if (m_mainWindow)
        m_mainWindow->saveWindowGeometry();
    teardownSingletons();
    m_mainWindow.reset();
    m_splash.reset();
    m_icon = QIcon();
    QApplication::setWindowIcon(QIcon());
    m_handover.reset();
    // The next run in this process composes its own style sheet.
    qApp->setStyleSheet(QString());
}

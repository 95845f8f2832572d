#pragma once

#include <QIcon>
#include <QStringList>

#include <memory>

class QNetworkAccessManager;
class MainWindowBase;
class uxHandoverSlot;
class PlatformQuitSignals;
class uxSplashScreen;

// One run of the application, from framework initialisation to teardown.
class Startup
{
public:
    Startup(int argc, char** argv);
    ~Startup();

    int run();

    // The argument handed to the player: the first one that is neither an
    // option nor an option's value.
    static QString mediaArgument(const QStringList& args);
    // Every such argument, in the order given.
    static QStringList mediaArguments(const QStringList& args);
    // argument made absolute against this process's working folder.
    static QString absoluteMediaPath(const QString& argument);
    // Installation hooks: record or remove this copy in the installed-copies store.
    static void registerCopy();
    static void deregisterCopy();

private:
    int runEventLoop();
    int handOverToRunningCopy();
    static void reportError(const QString& text);
    static void reportDamagedProduct(const QString& path);
    bool initFramework();
    void applyOptions();
    bool runInstallHook();
    void openHandover();
    static QString handOverFailure(int delivery);
    void playStartPaths();
    void setIcons();
    void applyLanguage();
    void showSplash();
    void showMessage(const QString& text);
    void applySkin();
    void showMainWindow();
    void teardownSingletons();
    void teardown();

    QStringList m_args;
    QNetworkAccessManager* m_network = nullptr;
    std::unique_ptr<MainWindowBase> m_mainWindow;
    std::unique_ptr<uxSplashScreen> m_splash;
    QIcon m_icon;
    std::unique_ptr<uxHandoverSlot> m_handover;
    std::unique_ptr<PlatformQuitSignals> m_quitSignals;
    bool m_singletonsAlive = false;
};

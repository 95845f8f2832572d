#pragma once

#include <QColor>
#include <QWidget>

class QAction;
class QMenu;
class QMenuBar;
class uxBackgroundWidget;
class uxWidgetFrame;
class uxWinTitleBarEx;

// Base of the application's top-level window: frameless and skinned, with the
// File, Tools and Help menus, the help and web actions, skin and language
// switching, the window title and the remembered geometry.
//
// A subclass's form holds a QFrame "uxMainWindowClient" with a QVBoxLayout. Its
// constructor calls setupMenus() and then initWidgetFrame(). It may add Skin and
// Language submenus and User Help, Online Help and Check Update actions through
// the protected members; the base keeps them translated and checked.
class uxMainWindowBase : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor LinkDefaultColor READ linkDefaultColor WRITE setLinkDefaultColor)
public:
    explicit uxMainWindowBase(QWidget* parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());

    void setupMenus(QMenuBar* menuBar);
    void initWidgetFrame(bool showTitleBar, bool extendedTitleBar, QWidget* menuWidget);
    void setLargeIconPath(const QString& path);
    void restoreWindowGeometry(int minWidth, int minHeight, bool ignoreSaved);
    void saveWindowGeometry();
    void updateWindowMask();

    uxWidgetFrame* widgetFrame() const { return m_frame; }
    uxWinTitleBarEx* titleBarEx() const { return m_titleBarEx; }
    QColor linkDefaultColor() const { return m_linkColor; }
    void setLinkDefaultColor(const QColor& color);

    // The local manual to open for User Help, or empty when there is none.
    static QString manualPath();

    virtual bool queryWindowTitle(QString& title);
    virtual bool showAboutOverride();
    virtual bool changeLanguageOverride(const QString& language);

Q_SIGNALS:
    void windowFlagsChanged(int flag);
    void windowFlagsExChanged(int flag);

public Q_SLOTS:
    void on_changeSkin();
    void on_changeLang();
    void on_manual();
    void on_onlineHelp();
    void on_homePage();
    void on_product();
    void on_support();
    void on_update();
    void on_about();
    void on_contactus();
    void onMenuToolsSkinAboutToShow();
    void onMenuToolsLangAboutToShow();
    void onMenuHelpToShow();
    void on_skinChanged(QString strSkinName);
    void on_languageChanged(QString strLangName);
    void onAppUpdateCheckResult(bool bNewVersion, QString strReason);
    void onCancelUpdateCheck();
    void showUpdateDialog();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void retranslateMenus();
    void updateWindowTitle();

    QMenu* m_menuFile = nullptr;
    QAction* m_actExit = nullptr;
    QMenu* m_menuTools = nullptr;
    QMenu* m_menuSkin = nullptr;
    QMenu* m_menuLanguage = nullptr;
    QMenu* m_menuHelp = nullptr;
    QAction* m_actUserHelp = nullptr;
    QAction* m_actOnlineHelp = nullptr;
    QAction* m_actHomePage = nullptr;
    QAction* m_actProduct = nullptr;
    QAction* m_actSupport = nullptr;
    QAction* m_actCheckUpdate = nullptr;
    QAction* m_actAbout = nullptr;
    QMenuBar* m_menuBar = nullptr;

private:
    QMenu* findOrCreateMenu(const QString& name);
    static void checkActionWithData(QMenu* menu, const QString& data);
    static void openUrl(const QString& url);
    void centreOnScreen();

    uxWidgetFrame* m_frame = nullptr;
    uxBackgroundWidget* m_background = nullptr;
    uxWinTitleBarEx* m_titleBarEx = nullptr;
    QColor m_linkColor;
};

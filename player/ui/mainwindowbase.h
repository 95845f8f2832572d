#pragma once

#include "framework/ui/uxmainwindowbase.h"

class MainWindow;
class PlatformDeviceMonitor;
class QMenuBar;

// The application's top-level window. It hosts the player window in its
// client frame, offers the Skin and Language choices and the user manual, and
// tells the player when drives or discs change.
class MainWindowBase : public uxMainWindowBase
{
    Q_OBJECT
public:
    explicit MainWindowBase(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QMenuBar* menuBar() const { return m_menuBar; }
    MainWindow* playerWindow() const { return m_mainWindow; }
    // The caption names the media that plays.
    bool queryWindowTitle(QString& title) override;

Q_SIGNALS:
    void DeviecArriveal();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildForm();
    void addSkinMenu();
    void addLanguageMenu();
    void addUserHelp();
    QMenu* addChoiceMenu(const char* name, const QStringList& values, const char* slot);

    MainWindow* m_mainWindow = nullptr;
    PlatformDeviceMonitor* m_devices = nullptr;
};

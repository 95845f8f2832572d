#pragma once

#include "framework/ui/uxmainwindowbase.h"

class QMenuBar;

// The application's top-level window. It hosts the player's content in its
// client frame and offers the Skin and Language choices and the user manual.
class MainWindowBase : public uxMainWindowBase
{
    Q_OBJECT
public:
    explicit MainWindowBase(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QMenuBar* menuBar() const { return m_menuBar; }
    QWidget* clientArea() const { return m_clientArea; }

private:
    void buildForm();
    void addSkinMenu();
    void addLanguageMenu();
    void addUserHelp();
    QMenu* addChoiceMenu(const char* name, const QStringList& values, const char* slot);

    QWidget* m_clientArea = nullptr;
};

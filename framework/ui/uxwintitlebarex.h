#pragma once

#include <QFrame>
#include <QSize>

class QLabel;
class uxWinMenuBarEx;
class uxWinTitleBar;

// The two-row header of a main window: a title bar above a menu strip, with an
// optional large logo laid over the left end of both rows.
class uxWinTitleBarEx : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(LogoShowMode logoShowMode READ logoShowMode WRITE setLogoShowMode)
    Q_PROPERTY(QSize largeIconSize READ largeIconSize WRITE setLargeIconSize)
public:
    enum LogoShowMode
    {
        LogoMode_StandardIcon = 0,
        LogoMode_LargeIcon = 1,
        LogoMode_UserDefined = 2
    };
    Q_ENUM(LogoShowMode)

    explicit uxWinTitleBarEx(QWidget* parent = nullptr);

    bool attachTo(QWidget* window);
    void setMenuWidget(QWidget* widget);
    void setLargeIconPath(const QString& path);
    QString largeIconPath() const { return m_largeIconPath; }

    uxWinTitleBar* titleBar() const { return m_titleBar; }
    uxWinMenuBarEx* menuBar() const { return m_menuBar; }
    QLabel* largeIconLabel() const { return m_largeIcon; }

    LogoShowMode logoShowMode() const { return m_logoMode; }
    void setLogoShowMode(LogoShowMode mode);
    QSize largeIconSize() const { return m_largeIconSize; }
    void setLargeIconSize(const QSize& size);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildLargeIconFrame();
    QFrame* makeOverlay(const char* name);
    void showLargeIcon();

    uxWinTitleBar* m_titleBar = nullptr;
    uxWinMenuBarEx* m_menuBar = nullptr;
    QFrame* m_largeIconFrame = nullptr;
    QLabel* m_largeIcon = nullptr;
    QFrame* m_userLogoFrame = nullptr;
    LogoShowMode m_logoMode = LogoMode_StandardIcon;
    QString m_largeIconPath;
    QSize m_largeIconSize;
};

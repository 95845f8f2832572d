#pragma once

#include <QFrame>
#include <QIcon>

class QBoxLayout;
class QHBoxLayout;
class QLabel;
class QMenu;
class QSpacerItem;
class QTimer;
class QToolButton;
class QVBoxLayout;

// The caption of a frameless window: its icon, its title and the system
// buttons. It follows the served window's flags, state, title and icon, turns
// clicks into window state changes and tags the buttons for the skin.
class uxWinTitleBar : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(TitleAlign titleAlign READ titleAlign WRITE setTitleAlign)
    Q_PROPERTY(SysBtnAlign sysBtnAlign READ sysBtnAlign WRITE setSysBtnAlign)
    Q_PROPERTY(QString title READ title WRITE setTitle)
    Q_PROPERTY(QString iconPath READ iconPath WRITE setIconPath)
    Q_PROPERTY(bool showIcon READ showIcon WRITE setShowIcon)
public:
    enum TitleAlign
    {
        TitleAlign_Undef = 0,
        TitleAlign_Left = 1,
        TitleAlign_Center = 2,
        TitleAlign_Right = 3
    };
    Q_ENUM(TitleAlign)
    enum SysBtnAlign
    {
        SysBtnAlign_Undef = 0,
        SysBtnAlign_Top = 1,
        SysBtnAlign_Middle = 2,
        SysBtnAlign_Bottom = 3
    };
    Q_ENUM(SysBtnAlign)

    explicit uxWinTitleBar(QWidget* parent = nullptr);
    ~uxWinTitleBar() override;

    bool attachTo(QWidget* window);
    QWidget* servedWindow() const { return m_window; }
    // The menu that btnMenu drops down; none by default.
    void setSysMenu(QMenu* menu) { m_sysMenu = menu; }

    TitleAlign titleAlign() const { return m_titleAlign; }
    void setTitleAlign(TitleAlign align);
    SysBtnAlign sysBtnAlign() const { return m_sysBtnAlign; }
    void setSysBtnAlign(SysBtnAlign align);
    QString title() const;
    void setTitle(const QString& title);
    QString iconPath() const { return m_iconPath; }
    void setIconPath(const QString& path);
    bool showIcon() const;
    void setShowIcon(bool show);

Q_SIGNALS:
    void sig_windowMinimize();
    void sig_windowRestore();
    void sig_windowMaximize();
    void sig_windowClose();

public Q_SLOTS:
    void updateButtonsState();
    void onAppIconClicked();
    void onSysMenuShow();
    void onSysMenuHide();
    void on_btnMinimize_clicked();
    void on_btnRestore_clicked();
    void on_btnMaximize_clicked();
    void on_btnClose_clicked();
    void onTopWindowFlagsChanged(int flag);
    void onTopWindowFlagsExChanged(int flag);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void buildUi();
    void retranslate();
    QToolButton* addButton(const char* name);
    int servedFlags() const;
    void showMaximizeOrRestore(int flags);
    void updateButtonSkinFlags(int flags);
    bool menuLeadsGroup() const;
    void showWindowIcon();
    void showSystemMenu(QPoint pos);
    bool iconAt(const QPoint& pos) const;
    static void putBack(QBoxLayout* layout, QSpacerItem* spacer, int index);

    QHBoxLayout* m_titleLayout = nullptr;
    QVBoxLayout* m_buttonLayout = nullptr;
    QSpacerItem* m_leadingSpacer = nullptr;
    QSpacerItem* m_trailingSpacer = nullptr;
    QSpacerItem* m_topSpacer = nullptr;
    QSpacerItem* m_bottomSpacer = nullptr;
    QLabel* m_lblAppIcon = nullptr;
    QLabel* m_lblAppTitle = nullptr;
    QToolButton* m_btnMenu = nullptr;
    QToolButton* m_btnMinimize = nullptr;
    QToolButton* m_btnRestore = nullptr;
    QToolButton* m_btnMaximize = nullptr;
    QToolButton* m_btnClose = nullptr;

    QTimer* m_iconClickTimer = nullptr;
    QMenu* m_sysMenu = nullptr;
    QWidget* m_window = nullptr;
    TitleAlign m_titleAlign = TitleAlign_Undef;
    SysBtnAlign m_sysBtnAlign = SysBtnAlign_Undef;
    QString m_iconPath;
    QIcon m_icon;
    bool m_iconDoubleClicked = false;
};

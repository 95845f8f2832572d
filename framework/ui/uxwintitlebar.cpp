#include "framework/ui/uxwintitlebar.h"

#include "framework/core/uxframeworkflags.h"
#include "framework/core/uxsrcmgr.h"
#include "framework/ui/uxsystemmenu.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char* const SkinFlag = "ButtonSkinFlag";
const char* const SingleButton = "singleButton";
const int ClosingDisabled = 0x1;

void setSkinProperty(QWidget* w, const char* name, const QString& value)
{
    if (w->property(name).toString() == value && w->property(name).isValid())
        return;
    w->setProperty(name, value);
    w->style()->unpolish(w);
    w->style()->polish(w);
}

} // namespace

uxWinTitleBar::uxWinTitleBar(QWidget* parent) : QFrame(parent)
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("uxWinTitleBar"));
    resize(263, 26);
    buildUi();
    retranslate();
    QMetaObject::connectSlotsByName(this);
    if (!uxFrameworkFlags::aboutIconShown())
        m_lblAppIcon->hide();
    setTitleAlign(TitleAlign_Left);
    setSysBtnAlign(SysBtnAlign_Middle);
    m_btnMenu->hide();
    m_iconClickTimer = new QTimer(this);
    m_iconClickTimer->setSingleShot(true);
    connect(m_iconClickTimer, &QTimer::timeout, this, &uxWinTitleBar::onAppIconClicked);
}

uxWinTitleBar::~uxWinTitleBar()
{
    // Spacers taken out of their layouts by the alignments are still ours.
    if (m_titleLayout->indexOf(m_leadingSpacer) < 0)
        delete m_leadingSpacer;
    if (m_titleLayout->indexOf(m_trailingSpacer) < 0)
        delete m_trailingSpacer;
    if (m_buttonLayout->indexOf(m_topSpacer) < 0)
        delete m_topSpacer;
    if (m_buttonLayout->indexOf(m_bottomSpacer) < 0)
        delete m_bottomSpacer;
}

void uxWinTitleBar::buildUi()
{
    m_titleLayout = new QHBoxLayout(this);
    m_titleLayout->setObjectName(QStringLiteral("titleHLayout"));
    m_titleLayout->setContentsMargins(0, 0, 0, 0);
    m_leadingSpacer = new QSpacerItem(0, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    m_titleLayout->addItem(m_leadingSpacer);
    m_lblAppIcon = new QLabel(this);
    m_lblAppIcon->setObjectName(QStringLiteral("lblAppIcon"));
    m_titleLayout->addWidget(m_lblAppIcon);
    m_lblAppTitle = new QLabel(QStringLiteral("Application Caption"), this);
    m_lblAppTitle->setObjectName(QStringLiteral("lblAppTitle"));
    m_titleLayout->addWidget(m_lblAppTitle);
    m_trailingSpacer = new QSpacerItem(0, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    m_titleLayout->addItem(m_trailingSpacer);

    m_buttonLayout = new QVBoxLayout;
    m_buttonLayout->setObjectName(QStringLiteral("sysBtnVLayout"));
    m_buttonLayout->setSpacing(0);
    m_topSpacer = new QSpacerItem(20, 0, QSizePolicy::Minimum, QSizePolicy::Expanding);
    m_buttonLayout->addItem(m_topSpacer);
    auto* row = new QHBoxLayout;
    row->setObjectName(QStringLiteral("horizontalLayout"));
    row->setSpacing(0);
    m_btnMenu = addButton("btnMenu");
    m_btnMenu->setCheckable(true);
    m_btnMinimize = addButton("btnMinimize");
    m_btnRestore = addButton("btnRestore");
    m_btnMaximize = addButton("btnMaximize");
    m_btnClose = addButton("btnClose");
    for (QToolButton* b : {m_btnMenu, m_btnMinimize, m_btnRestore, m_btnMaximize, m_btnClose})
        row->addWidget(b);
    m_buttonLayout->addLayout(row);
    m_bottomSpacer = new QSpacerItem(20, 0, QSizePolicy::Minimum, QSizePolicy::Expanding);
    m_buttonLayout->addItem(m_bottomSpacer);
    m_titleLayout->addLayout(m_buttonLayout);
}

QToolButton* uxWinTitleBar::addButton(const char* name)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    if (qstrcmp(name, "btnMenu") != 0)
        button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void uxWinTitleBar::retranslate()
{
    m_btnMinimize->setToolTip(tr("Minimize"));
    m_btnRestore->setToolTip(tr("Restore"));
    m_btnMaximize->setToolTip(tr("Maximize"));
    m_btnClose->setToolTip(tr("Close"));
}

void uxWinTitleBar::changeEvent(QEvent* event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

bool uxWinTitleBar::attachTo(QWidget* window)
{
    if (m_window || !window)
        return false;
    m_window = window;
    connect(this, &uxWinTitleBar::sig_windowMinimize, window, &QWidget::showMinimized);
    connect(this, &uxWinTitleBar::sig_windowRestore, window, &QWidget::showNormal);
    connect(this, &uxWinTitleBar::sig_windowMaximize, window, &QWidget::showMaximized);
    connect(this, &uxWinTitleBar::sig_windowClose, window, &QWidget::close);
    const QMetaObject* meta = window->metaObject();
    if (meta->indexOfSignal("windowFlagsChanged(int)") >= 0)
        connect(window, SIGNAL(windowFlagsChanged(int)), this, SLOT(onTopWindowFlagsChanged(int)));
    if (meta->indexOfSignal("windowFlagsExChanged(int)") >= 0)
        connect(window, SIGNAL(windowFlagsExChanged(int)), this,
                SLOT(onTopWindowFlagsExChanged(int)));
    onTopWindowFlagsChanged(servedFlags());
    m_btnClose->setEnabled(!(window->property("windowFlagsEx").toInt() & ClosingDisabled));
    window->installEventFilter(this);
    m_lblAppTitle->setText(window->windowTitle());
    showWindowIcon();
    return true;
}

// The flags the window publishes; a window that publishes none is read directly.
int uxWinTitleBar::servedFlags() const
{
    const QVariant published = m_window->property("windowFlags");
    return published.isValid() ? published.toInt() : int(m_window->windowFlags());
}

void uxWinTitleBar::setTitleAlign(TitleAlign align)
{
    if (align == m_titleAlign)
        return;
    m_titleAlign = align;
    putBack(m_titleLayout, m_leadingSpacer, 0);
    putBack(m_titleLayout, m_trailingSpacer, 3);
    if (align == TitleAlign_Right)
        m_titleLayout->removeItem(m_trailingSpacer);
    else if (align != TitleAlign_Center)
        m_titleLayout->removeItem(m_leadingSpacer);
    m_titleLayout->update();
}

void uxWinTitleBar::setSysBtnAlign(SysBtnAlign align)
{
    if (align == m_sysBtnAlign)
        return;
    m_sysBtnAlign = align;
    putBack(m_buttonLayout, m_topSpacer, 0);
    putBack(m_buttonLayout, m_bottomSpacer, 2);
    if (align == SysBtnAlign_Top)
        m_buttonLayout->removeItem(m_topSpacer);
    else if (align == SysBtnAlign_Bottom)
        m_buttonLayout->removeItem(m_bottomSpacer);
    m_buttonLayout->update();
}

void uxWinTitleBar::putBack(QBoxLayout* layout, QSpacerItem* spacer, int index)
{
    if (layout->itemAt(index) != spacer)
        layout->insertSpacerItem(index, spacer);
}

QString uxWinTitleBar::title() const
{
    return m_lblAppTitle->text();
}

void uxWinTitleBar::setTitle(const QString& title)
{
    m_lblAppTitle->setText(title);
}

void uxWinTitleBar::setIconPath(const QString& path)
{
    m_iconPath = path;
    m_lblAppIcon->setPixmap(QPixmap(path));
}

bool uxWinTitleBar::showIcon() const
{
    return m_lblAppIcon->isVisible();
}

void uxWinTitleBar::setShowIcon(bool show)
{
    m_lblAppIcon->setVisible(show);
}

void uxWinTitleBar::showWindowIcon()
{
    m_icon = m_window->windowIcon();
    const int side = int(16 * uxSrcMgr::dpiScale());
    m_lblAppIcon->setPixmap(m_icon.pixmap(QSize(side, side), QIcon::Normal, QIcon::Off));
}

void uxWinTitleBar::on_btnMinimize_clicked()
{
    emit sig_windowMinimize();
    updateButtonsState();
}

void uxWinTitleBar::on_btnRestore_clicked()
{
    emit sig_windowRestore();
    updateButtonsState();
}

void uxWinTitleBar::on_btnMaximize_clicked()
{
    emit sig_windowMaximize();
    updateButtonsState();
}

void uxWinTitleBar::on_btnClose_clicked()
{
    emit sig_windowClose();
    updateButtonsState();
}

void uxWinTitleBar::updateButtonsState()
{
    if (!m_window || !m_window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint))
        return;
    m_btnRestore->setVisible(m_window->isMaximized());
    m_btnMaximize->setVisible(!m_window->isMaximized());
}

void uxWinTitleBar::showMaximizeOrRestore(int flags)
{
    if (!(flags & Qt::WindowMaximizeButtonHint)) {
        m_btnRestore->hide();
        m_btnMaximize->hide();
        return;
    }
    const bool maximized = m_window && m_window->isMaximized();
    m_btnRestore->setVisible(maximized);
    m_btnMaximize->setVisible(!maximized);
}

void uxWinTitleBar::onTopWindowFlagsChanged(int flag)
{
    m_btnMinimize->setVisible(flag & Qt::WindowMinimizeButtonHint);
    showMaximizeOrRestore(flag);
    m_btnClose->setVisible(flag & Qt::WindowCloseButtonHint);
    updateButtonSkinFlags(flag);
    const bool grouped = flag & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    setSkinProperty(m_btnClose, SingleButton, grouped ? QString() : QStringLiteral("1"));
}

void uxWinTitleBar::onTopWindowFlagsExChanged(int flag)
{
    if (m_window)
        m_btnClose->setEnabled(!(flag & ClosingDisabled));
}

// The menu button heads the button group only when it drops down an empty menu.
bool uxWinTitleBar::menuLeadsGroup() const
{
    return m_btnMenu->popupMode() == QToolButton::MenuButtonPopup &&
           (!m_btnMenu->menu() || m_btnMenu->menu()->isEmpty());
}

void uxWinTitleBar::updateButtonSkinFlags(int flags)
{
    const bool min = flags & Qt::WindowMinimizeButtonHint;
    const bool max = flags & Qt::WindowMaximizeButtonHint;
    const bool close = flags & Qt::WindowCloseButtonHint;
    const bool spaced = m_window && m_window->property("SysBtnSpaceStyle").toBool();
    const bool menuFirst = menuLeadsGroup();
    QString menu, minimize, maximize, closeFlag;
    bool write = true;
    if (menuFirst && !spaced) {
        menu = (min || max || close) ? QStringLiteral("2") : QStringLiteral("3");
        if (close) {
            minimize = maximize = QStringLiteral("0");
            closeFlag = QStringLiteral("1");
        } else if (max) {
            minimize = QStringLiteral("0");
            maximize = QStringLiteral("1");
        } else if (min) {
            minimize = QStringLiteral("1");
        }
    } else if (min && close) {
        minimize = QStringLiteral("2");
        maximize = QStringLiteral("0");
        closeFlag = QStringLiteral("1");
    } else if (min && max) {
        minimize = QStringLiteral("2");
        maximize = QStringLiteral("1");
    } else if (min) {
        minimize = QStringLiteral("3");
    } else if (max && close) {
        maximize = QStringLiteral("2");
        closeFlag = QStringLiteral("1");
    } else if (max) {
        maximize = QStringLiteral("3");
    } else if (close) {
        closeFlag = QStringLiteral("3");
    } else {
        write = false;
    }
    if (write) {
        setSkinProperty(m_btnMenu, SkinFlag, menu);
        setSkinProperty(m_btnMinimize, SkinFlag, minimize);
        setSkinProperty(m_btnMaximize, SkinFlag, maximize);
        setSkinProperty(m_btnRestore, SkinFlag, maximize);
        setSkinProperty(m_btnClose, SkinFlag, closeFlag);
    }
    if (spaced)
        setSkinProperty(m_btnMenu, SkinFlag, menuFirst ? QStringLiteral("3") : QString());
}

bool uxWinTitleBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window) {
        switch (event->type()) {
        case QEvent::Resize:
            updateButtonsState();
            break;
        case QEvent::WindowTitleChange:
            m_lblAppTitle->setText(m_window->windowTitle());
            break;
        case QEvent::WindowIconChange:
            showWindowIcon();
            break;
        default:
            break;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void uxWinTitleBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && iconAt(event->position().toPoint())) {
        // The second press of a double click restarts the wait, so one
        // double click leaves one pending single-click action.
        m_iconClickTimer->start(QApplication::doubleClickInterval() + 100);
        event->accept();
        return;
    }
    QFrame::mousePressEvent(event);
}

void uxWinTitleBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    const int flags = m_window ? int(m_window->windowFlags()) : 0;
    if (iconAt(event->position().toPoint())) {
        if (flags & Qt::WindowCloseButtonHint) {
            m_iconDoubleClicked = true;
            emit sig_windowClose();
            updateButtonsState();
            event->accept();
            return;
        }
    } else if (flags & Qt::WindowMaximizeButtonHint) {
        if (m_window->isMaximized())
            emit sig_windowRestore();
        else
            emit sig_windowMaximize();
        updateButtonsState();
    }
    QFrame::mouseDoubleClickEvent(event);
}

void uxWinTitleBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        showSystemMenu(event->position().toPoint());
        event->accept();
        return;
    }
    QFrame::mouseReleaseEvent(event);
}

// A hidden icon keeps the geometry of its last layout (or none at all), which
// may lie under the caption: only a shown icon takes the icon's clicks.
bool uxWinTitleBar::iconAt(const QPoint& pos) const
{
    return m_lblAppIcon->isVisible() && m_lblAppIcon->geometry().contains(pos);
}

void uxWinTitleBar::onAppIconClicked()
{
    if (m_iconDoubleClicked) {
        m_iconDoubleClicked = false;
        return;
    }
    showSystemMenu(QPoint(0, height()));
}

void uxWinTitleBar::showSystemMenu(QPoint pos)
{
    if (!m_window || !m_window->isVisible() ||
        !m_window->windowFlags().testFlag(Qt::WindowSystemMenuHint))
        return;
    pos.setX(qMax(0, pos.x()));
    pos.setY(qMax(0, pos.y()));
    uxSystemMenu::popup(m_window->window(), mapToGlobal(pos));
}

void uxWinTitleBar::onSysMenuShow()
{
    if (!m_sysMenu || !m_window)
        return;
    m_btnMenu->setChecked(true);
    const QPoint at = m_window->pos() + m_btnMenu->pos() + QPoint(0, m_btnMenu->height());
    m_sysMenu->exec(at);
}

void uxWinTitleBar::onSysMenuHide()
{
    if (m_sysMenu)
        m_btnMenu->setChecked(false);
}

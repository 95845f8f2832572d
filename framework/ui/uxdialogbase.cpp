#include "framework/ui/uxdialogbase.h"

#include "framework/core/uxsrcmgr.h"
#include "framework/ui/uxbackgroundwidget.h"
#include "framework/ui/uxwidgetframe.h"

#include <QApplication>
#include <QScreen>

namespace {

int g_modalDepth = 0;

const Qt::WindowFlags FramelessDialog = Qt::Dialog | Qt::FramelessWindowHint;

Qt::WindowFlags dialogFlags(Qt::WindowFlags f)
{
    if (f == Qt::WindowFlags())
        return FramelessDialog | Qt::WindowCloseButtonHint;
    return f | FramelessDialog;
}

QScreen* screenOf(QWidget* widget)
{
    QScreen* screen = widget ? widget->screen() : nullptr;
    return screen ? screen : QGuiApplication::primaryScreen();
}

} // namespace

uxDialogBase::uxDialogBase(QWidget* parent, Qt::WindowFlags f) : QDialog(parent, dialogFlags(f))
{
    m_background = new uxBackgroundWidget(this);
    setProperty("windowFlags", int(windowFlags()));
    uxSrcMgr* resources = uxSrcMgr::instance();
    connect(resources, &uxSrcMgr::skinChanged, this, &uxDialogBase::on_skinChanged);
    connect(resources, &uxSrcMgr::languageChanged, this, &uxDialogBase::on_languageChanged);
}

void uxDialogBase::setWindowFlags(int flags)
{
    const int effective = flags | int(FramelessDialog);
    QDialog::setWindowFlags(Qt::WindowFlags(effective));
    setProperty("windowFlags", effective);
    emit windowFlagsChanged(effective);
}

void uxDialogBase::initWidgetFrame(bool showTitleBar, bool extendedTitleBar, QWidget* menuWidget)
{
    m_frame = uxWidgetFrame::install(this, QStringLiteral("uxDialogExClient"), showTitleBar,
                                     extendedTitleBar, menuWidget);
    updateWindowMask();
}

void uxDialogBase::updateWindowMask()
{
    uxWidgetFrame::updateWindowMask(this, m_frame);
}

int uxDialogBase::modalDepth()
{
    return g_modalDepth;
}

int uxDialogBase::exec()
{
    ++g_modalDepth;
    const int code = QDialog::exec();
    --g_modalDepth;
    return code;
}

void uxDialogBase::on_skinChanged(const QString& strSkinName)
{
    Q_UNUSED(strSkinName);
    updateWindowMask();
}

void uxDialogBase::on_languageChanged(const QString& strLangName)
{
    Q_UNUSED(strLangName);
}

void uxDialogBase::resizeEvent(QResizeEvent* event)
{
    updateWindowMask();
    QDialog::resizeEvent(event);
}

// With several screens the window system may open a dialog on the wrong one,
// so it is centred over its reference here. The clamp uses the reference's
// screen, so a dialog of a window on the second screen stays on that screen.
void uxDialogBase::placeDialog(QDialog* dialog, QWidget* reference)
{
    if (!dialog)
        return;
    if (QGuiApplication::screens().size() <= 1) {
        dialog->setModal(true);
        dialog->adjustSize();
        dialog->show();
        QCoreApplication::processEvents();
        return;
    }
    QWidget* ref = reference ? reference : dialog->parentWidget();
    dialog->move(-10000, -10000);
    dialog->setModal(true);
    dialog->adjustSize();
    dialog->show();
    QCoreApplication::processEvents();
    const QRect area = screenOf(ref)->availableGeometry();
    const QRect refRect = ref ? QRect(ref->mapToGlobal(QPoint(0, 0)), ref->size()) : area;
    const int w = dialog->width(), h = dialog->height();
    int x = refRect.x() + (refRect.width() - w) / 2;
    int y = refRect.y() + (refRect.height() - h) / 2;
    if (y + h > area.bottom())
        y = area.bottom() - h;
    if (y < area.top())
        y = area.top();
    if (x + w > area.right())
        x = area.right() - w;
    if (x < area.left())
        x = area.left();
    dialog->setGeometry(x, y, w, h);
}

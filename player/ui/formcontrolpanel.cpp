#include "player/ui/formcontrolpanel.h"

#include "framework/ui/uxformparts.h"
#include "widgets/kpplayseekingbar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

// The bar floats over a full-screen window, which window managers keep above
// every ordinary window; and it must not take the keyboard from the picture,
// where Escape, F and Space are handled. So the window manager never manages
// it: it stays on top while shown and never takes the focus.
FormControlPanel::FormControlPanel()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint
                           | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
{
    buildForm();
    retranslate();
}

void FormControlPanel::buildForm()
{
    setObjectName(QStringLiteral("FormControlPanel"));
    resize(564, 72);
    auto* column = uxFormParts::tightLayout<QVBoxLayout>(this, "verticalLayout_2");
    buildSeekRow(uxFormParts::frame(this, "frame_2", column));
    buildControlRow(uxFormParts::frame(this, "frmControlPanel", column));
    // Placeholders until the player window shows a media's times and name.
    lblPlayPosition->setText(QStringLiteral("--:--:--"));
    lblDuration->setText(QStringLiteral("--:--:--"));
    lblMeidaName->setText(QStringLiteral("-"));
}

void FormControlPanel::buildSeekRow(QWidget* row)
{
    auto* layout = uxFormParts::tightLayout<QHBoxLayout>(row, "horizontalLayout");
    lblPlayPosition = uxFormParts::add<QLabel>(row, "lblPlayPosition", layout);
    playSeekingBar = KpPlaySeekingBar::addHorizontal(row, "playSeekingBar", 999, layout);
    lblDuration = uxFormParts::add<QLabel>(row, "lblDuration", layout);
    lblSpeed = uxFormParts::add<QLabel>(row, "lblSpeed", layout);
    lblSpeed->hide();
}

void FormControlPanel::buildControlRow(QWidget* row)
{
    auto* layout = uxFormParts::tightLayout<QHBoxLayout>(row, "horizontalLayout_4");
    QFrame* nowPlaying = uxFormParts::frame(row, "FrmNowPlayPanal", layout);
    auto* nowLayout = uxFormParts::tightLayout<QVBoxLayout>(nowPlaying, "verticalLayout");
    lblplayName = uxFormParts::add<QLabel>(nowPlaying, "lblplayName", nowLayout);
    lblMeidaName = uxFormParts::add<QLabel>(nowPlaying, "lblMeidaName", nowLayout);
    layout->addStretch();
    QFrame* transport = uxFormParts::frame(row, "frame_5", layout);
    auto* buttons = uxFormParts::tightLayout<QHBoxLayout>(transport, "horizontalLayout_2");
    btnStop = uxFormParts::add<QToolButton>(transport, "btnStop", buttons);
    btnPlay = uxFormParts::add<QToolButton>(transport, "btnPlay", buttons);
    btnPause = uxFormParts::add<QToolButton>(transport, "btnPause", buttons);
    btnPrev = uxFormParts::add<QToolButton>(transport, "btnPrev", buttons);
    btnNext = uxFormParts::add<QToolButton>(transport, "btnNext", buttons);
    btnNavPanel = uxFormParts::add<QToolButton>(transport, "btnNavPanel", buttons);
    btnSnapshot = uxFormParts::add<QToolButton>(transport, "btnSnapshot", buttons);
    btnSnapFolOpen = uxFormParts::add<QToolButton>(transport, "btnSnapFolOpen", buttons);
    btnEject = uxFormParts::add<QToolButton>(transport, "btnEject", buttons);
    layout->addStretch();
    QFrame* sound = uxFormParts::frame(row, "frame_6", layout);
    auto* soundLayout = uxFormParts::tightLayout<QHBoxLayout>(sound, "horizontalLayout_3");
    btnSpeakerOn = uxFormParts::add<QToolButton>(sound, "btnSpeakerOn", soundLayout);
    btnSpeakerOff = uxFormParts::add<QToolButton>(sound, "btnSpeakerOff", soundLayout);
    previewVolume = KpPlaySeekingBar::addHorizontal(sound, "previewVolume", 100, soundLayout);
    previewVolume->setValue(50);
    btnFullScreen = uxFormParts::add<QToolButton>(sound, "btnFullScreen", soundLayout);
    btnRestore = uxFormParts::add<QToolButton>(sound, "btnRestore", soundLayout);
}

void FormControlPanel::retranslate()
{
    setWindowTitle(tr("Form"));
    lblplayName->setText(tr("Playing:"));
    btnFullScreen->setToolTip(tr("Full screen"));
    btnRestore->setToolTip(tr("Restore"));
}

void FormControlPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

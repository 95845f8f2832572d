#pragma once

#include <QWidget>

class KpPlaySeekingBar;
class QLabel;
class QToolButton;

// The transport controls that float over the bottom of the video in full
// screen. It has no behaviour of its own: the player window sets its state
// and connects its widgets.
class FormControlPanel : public QWidget
{
    Q_OBJECT
public:
    FormControlPanel();

    QLabel* lblPlayPosition = nullptr;
    KpPlaySeekingBar* playSeekingBar = nullptr;
    QLabel* lblDuration = nullptr;
    QLabel* lblSpeed = nullptr;
    QLabel* lblplayName = nullptr;
    QLabel* lblMeidaName = nullptr;
    QToolButton* btnStop = nullptr;
    QToolButton* btnPlay = nullptr;
    QToolButton* btnPause = nullptr;
    QToolButton* btnPrev = nullptr;
    QToolButton* btnNext = nullptr;
    QToolButton* btnNavPanel = nullptr;
    QToolButton* btnSnapshot = nullptr;
    QToolButton* btnSnapFolOpen = nullptr;
    QToolButton* btnEject = nullptr;
    QToolButton* btnSpeakerOn = nullptr;
    QToolButton* btnSpeakerOff = nullptr;
    KpPlaySeekingBar* previewVolume = nullptr;
    QToolButton* btnFullScreen = nullptr;
    QToolButton* btnRestore = nullptr;

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildForm();
    void buildSeekRow(QWidget* row);
    void buildControlRow(QWidget* row);
    void retranslate();
};

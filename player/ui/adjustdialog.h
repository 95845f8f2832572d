#pragma once

#include "framework/ui/uxdialogbase.h"

#include <QPointer>

class QLabel;
class QPushButton;
class QSlider;
class QVlcPlayer;

// Changes the picture of the playing video while the user moves the sliders.
// The values are remembered only when the dialog is left with its Close
// button; the next opening applies the remembered ones again.
class AdjustDialog : public uxDialogBase
{
    Q_OBJECT
public:
    // The values as the player takes them: factors, and hue in degrees.
    struct Picture
    {
        float contrast = 1.0f;
        float brightness = 1.0f;
        int hue = 0;
        float saturation = 1.0f;
        float gamma = 1.0f;
    };

    explicit AdjustDialog(QWidget* parent = nullptr);

    // Applies the remembered picture to player, which the sliders then drive.
    void init(QVlcPlayer* player);
    // What was last handed to the player.
    Picture appliedPicture() const { return m_applied; }

public Q_SLOTS:
    void onHueSlider(int value);
    void onBrightnessSlider(int value);
    void onContrastSlider(int value);
    void onSaturationSlider(int value);
    void onGammaSlider(int value);
    void onCloseButtonChanged();
    void onRestoreButtonChanged();

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildUi();
    QSlider* addRow(QWidget* parent, int row, QLabel*& label, const char* sliderName, int minimum,
                    int maximum, int value);
    QWidget* buildButtonRow(QWidget* parent);
    void retranslate();
    void onSlider(float& field, int value);
    void applySliders();
    void apply(const Picture& picture);

    QLabel* m_labels[5] = {};
    QSlider* m_hueSlider = nullptr;
    QSlider* m_brightnessSlider = nullptr;
    QSlider* m_contrastSlider = nullptr;
    QSlider* m_saturationSlider = nullptr;
    QSlider* m_gammaSlider = nullptr;
    QPushButton* m_btnRestore = nullptr;
    QPushButton* m_btnClose = nullptr;

    QPointer<QVlcPlayer> m_player;
    float m_hue = 0.0f;
    float m_brightness = 100.0f;
    float m_contrast = 100.0f;
    float m_saturation = 100.0f;
    float m_gamma = 10.0f;
    Picture m_applied;
};

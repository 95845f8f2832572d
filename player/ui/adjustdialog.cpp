#include "player/ui/adjustdialog.h"

#include "framework/core/uxsettings.h"
#include "framework/core/uxsrcmgr.h"
#include "framework/ui/uxformparts.h"
#include "player/engine/qvlcplayer.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

const char* const KeyHue = "hue";
const char* const KeyBrightness = "brightness";
const char* const KeyContrast = "contrast";
const char* const KeySaturation = "saturation";
const char* const KeyGamma = "gamma";

const int NeutralHue = 0;
const int NeutralPercent = 100;
const int NeutralGamma = 10;

// The player counts hue from 1 to 360 degrees; the slider centres it on 0.
int playerHue(int degrees)
{
    return degrees > 0 ? degrees : degrees + 360;
}

int storedValue(const char* key, double defaultValue)
{
    return int(uxSettings::instance()->value(QLatin1String(key), defaultValue).toFloat());
}

} // namespace

AdjustDialog::AdjustDialog(QWidget* parent) : uxDialogBase(parent)
{
    buildUi();
    retranslate();
    connect(m_hueSlider, &QSlider::valueChanged, this, &AdjustDialog::onHueSlider);
    connect(m_brightnessSlider, &QSlider::valueChanged, this, &AdjustDialog::onBrightnessSlider);
    connect(m_contrastSlider, &QSlider::valueChanged, this, &AdjustDialog::onContrastSlider);
    connect(m_saturationSlider, &QSlider::valueChanged, this, &AdjustDialog::onSaturationSlider);
    connect(m_gammaSlider, &QSlider::valueChanged, this, &AdjustDialog::onGammaSlider);
    connect(m_btnClose, &QPushButton::clicked, this, &AdjustDialog::onCloseButtonChanged);
    connect(m_btnRestore, &QPushButton::clicked, this, &AdjustDialog::onRestoreButtonChanged);
    initWidgetFrame(true, false, nullptr);
}

void AdjustDialog::buildUi()
{
    setObjectName(QStringLiteral("AdjustDialog"));
    const QSize size(int(400 * uxSrcMgr::dpiScale()), int(200 * uxSrcMgr::dpiScale()));
    resize(size);
    setMinimumSize(size);
    setMaximumSize(size);
    QFrame* client = uxFormParts::frame(this, "uxDialogExClient");
    uxFormParts::tightLayout<QVBoxLayout>(this, "verticalLayout_2")->addWidget(client);
    QVBoxLayout* clientLayout = uxFormParts::tightLayout<QVBoxLayout>(client, "verticalLayout");

    QFrame* sliders = uxFormParts::frame(client, "frame");
    auto* grid = new QGridLayout(sliders);
    grid->setObjectName(QStringLiteral("gridLayout_2"));
    m_hueSlider = addRow(sliders, 0, m_labels[0], "hueSlider", -180, 180, NeutralHue);
    m_brightnessSlider =
        addRow(sliders, 1, m_labels[1], "brightnessSlider", 0, 200, NeutralPercent);
    m_contrastSlider = addRow(sliders, 2, m_labels[2], "contrastSlider", 0, 200, NeutralPercent);
    m_saturationSlider =
        addRow(sliders, 3, m_labels[3], "saturationSlider", 0, 300, NeutralPercent);
    m_gammaSlider = addRow(sliders, 4, m_labels[4], "gammaSlider", 0, 100, NeutralGamma);
    clientLayout->addWidget(sliders, 1);
    clientLayout->addWidget(buildButtonRow(client));
}

QSlider* AdjustDialog::addRow(QWidget* parent, int row, QLabel*& label, const char* sliderName,
                              int minimum, int maximum, int value)
{
    label = new QLabel(parent);
    label->setObjectName(row == 0 ? QStringLiteral("label")
                                  : QStringLiteral("label_%1").arg(row + 1));
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(QLatin1String(sliderName));
    slider->setRange(minimum, maximum);
    slider->setValue(value);
    auto* grid = static_cast<QGridLayout*>(parent->layout());
    grid->addWidget(label, row, 0);
    grid->addWidget(slider, row, 1);
    return slider;
}

QWidget* AdjustDialog::buildButtonRow(QWidget* parent)
{
    QFrame* row = uxFormParts::frame(parent, "frmButtonBoxBackGround");
    auto* layout = new QHBoxLayout(row);
    layout->setObjectName(QStringLiteral("horizontalLayout"));
    layout->addStretch(1);
    m_btnRestore = new QPushButton(row);
    m_btnRestore->setObjectName(QStringLiteral("btnRestore"));
    layout->addWidget(m_btnRestore);
    m_btnClose = new QPushButton(row);
    m_btnClose->setObjectName(QStringLiteral("btnClose"));
    layout->addWidget(m_btnClose);
    return row;
}

void AdjustDialog::retranslate()
{
    setWindowTitle(tr("Effects"));
    m_labels[0]->setText(tr("Hue"));
    m_labels[1]->setText(tr("Brightness"));
    m_labels[2]->setText(tr("Contrast"));
    m_labels[3]->setText(tr("Saturation"));
    m_labels[4]->setText(tr("Gamma"));
    m_btnRestore->setText(tr("Reset"));
    m_btnClose->setText(tr("Close"));
}

void AdjustDialog::changeEvent(QEvent* event)
{
    uxDialogBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void AdjustDialog::init(QVlcPlayer* player)
{
    m_player = player;
    // Each slider that moves applies its change on the way.
    m_gammaSlider->setValue(storedValue(KeyGamma, NeutralGamma));
    m_hueSlider->setValue(storedValue(KeyHue, NeutralHue));
    m_brightnessSlider->setValue(storedValue(KeyBrightness, NeutralPercent));
    m_contrastSlider->setValue(storedValue(KeyContrast, NeutralPercent));
    m_saturationSlider->setValue(storedValue(KeySaturation, NeutralPercent));
    applySliders();
}

void AdjustDialog::applySliders()
{
    Picture picture;
    picture.contrast = float(m_contrastSlider->value()) / 100.0f;
    picture.brightness = float(m_brightnessSlider->value()) / 100.0f;
    picture.hue = playerHue(m_hueSlider->value());
    picture.saturation = float(m_saturationSlider->value()) / 100.0f;
    picture.gamma = float(m_gammaSlider->value()) / 10.0f;
    apply(picture);
}

void AdjustDialog::apply(const Picture& picture)
{
    if (!m_player)
        return;
    m_player->setAdjust(picture.contrast, picture.brightness, picture.hue, picture.saturation,
                        picture.gamma);
    m_applied = picture;
}

void AdjustDialog::onSlider(float& field, int value)
{
    if (!m_player)
        return;
    field = float(value);
    applySliders();
}

void AdjustDialog::onHueSlider(int value)
{
    onSlider(m_hue, value);
}

void AdjustDialog::onBrightnessSlider(int value)
{
    onSlider(m_brightness, value);
}

void AdjustDialog::onContrastSlider(int value)
{
    onSlider(m_contrast, value);
}

void AdjustDialog::onSaturationSlider(int value)
{
    onSlider(m_saturation, value);
}

void AdjustDialog::onGammaSlider(int value)
{
    onSlider(m_gamma, value);
}

void AdjustDialog::onRestoreButtonChanged()
{
    if (!m_player)
        return;
    m_gammaSlider->setValue(NeutralGamma);
    m_hueSlider->setValue(NeutralHue);
    m_brightnessSlider->setValue(NeutralPercent);
    m_contrastSlider->setValue(NeutralPercent);
    m_saturationSlider->setValue(NeutralPercent);
    apply(Picture());
}

// Without a player there is nothing to remember, but the button still closes.
void AdjustDialog::onCloseButtonChanged()
{
    if (m_player) {
        uxSettings* settings = uxSettings::instance();
        settings->setValue(QLatin1String(KeyGamma), m_gamma);
        settings->setValue(QLatin1String(KeyHue), m_hue);
        settings->setValue(QLatin1String(KeyBrightness), m_brightness);
        settings->setValue(QLatin1String(KeyContrast), m_contrast);
        settings->setValue(QLatin1String(KeySaturation), m_saturation);
    }
    reject();
}

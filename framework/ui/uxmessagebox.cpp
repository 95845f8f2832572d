#include "framework/ui/uxmessagebox.h"

#include "framework/ui/uxformparts.h"
#include "framework/ui/uxpicture.h"

#include "framework/core/uxsrcmgr.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

uxMessageBox::uxMessageBox(QWidget* parent)
    : uxDialogBase(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    buildUi();
    connect(m_buttonBox, &QDialogButtonBox::clicked, this, &uxMessageBox::buttonClicked);
    initWidgetFrame(true, false, nullptr);
}

void uxMessageBox::buildUi()
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("uxMessageBox"));
    resize(350, 81);
    QVBoxLayout* outer = uxFormParts::tightLayout<QVBoxLayout>(this, "verticalLayout_2");
    QFrame* client = uxFormParts::frame(this, "uxDialogExClient");
    outer->addWidget(client);
    QVBoxLayout* clientLayout = uxFormParts::tightLayout<QVBoxLayout>(client, "verticalLayout_3");

    QFrame* content = uxFormParts::frame(client, "frmContent");
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setObjectName(QStringLiteral("verticalLayout_4"));
    QFrame* container = uxFormParts::frame(content, "frmContentContainer");
    auto* row = new QHBoxLayout(container);
    row->setObjectName(QStringLiteral("horizontalLayout_2"));
    row->setContentsMargins(0, 0, 0, 0);
    m_labelIcon = new QLabel(container);
    m_labelIcon->setObjectName(QStringLiteral("labelicon"));
    row->addWidget(m_labelIcon);
    m_labelInfo = new QLabel(container);
    m_labelInfo->setObjectName(QStringLiteral("labelinfo"));
    m_labelInfo->setMinimumSize(320, 40);
    m_labelInfo->setWordWrap(true);
    m_labelInfo->setOpenExternalLinks(true);
    row->addWidget(m_labelInfo, 1);
    contentLayout->addWidget(container);
    clientLayout->addWidget(content);

    QFrame* buttonRow = uxFormParts::frame(client, "frmButtonBoxBackGround");
    buttonRow->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* buttonLayout = new QVBoxLayout(buttonRow);
    buttonLayout->setObjectName(QStringLiteral("verticalLayout"));
    buttonLayout->setContentsMargins(0, 0, 0, 0);
    m_buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok, buttonRow);
    m_buttonBox->setObjectName(QStringLiteral("buttonBox"));
    buttonLayout->addWidget(m_buttonBox);
    clientLayout->addWidget(buttonRow);
}

void uxMessageBox::buttonClicked(QAbstractButton* button)
{
    done(int(m_buttonBox->standardButton(button)));
}

void uxMessageBox::setText(const QString& text)
{
    m_labelInfo->setText(text);
}

void uxMessageBox::setStandardButtons(QDialogButtonBox::StandardButtons buttons)
{
    m_buttonBox->setStandardButtons(buttons);
}

void uxMessageBox::setIconType(int type)
{
    m_iconType = type;
    showIcon();
}

QIcon uxMessageBox::iconFor(int type) const
{
    if (type < Information || type > Failure)
        return QIcon();
    if (!m_icons[type].isNull() || type >= Success)
        return m_icons[type];
    static const QStyle::StandardPixmap fallback[] = {
        QStyle::SP_MessageBoxInformation, QStyle::SP_MessageBoxWarning,
        QStyle::SP_MessageBoxCritical, QStyle::SP_MessageBoxQuestion};
    return style()->standardIcon(fallback[type - Information], nullptr, this);
}

void uxMessageBox::showIcon()
{
    const bool sized = m_iconSize.width() >= 0 && m_iconSize.height() >= 0;
    const int side = sized ? m_iconSize.width() : int(32 * uxSrcMgr::dpiScale());
    const QIcon icon = iconFor(m_iconType);
    if (icon.isNull()) {
        m_labelIcon->clear();
        return;
    }
    m_labelIcon->setPixmap(uxPicture::square(icon, side, devicePixelRatioF()));
}

void uxMessageBox::setSkinIcon(int type, const QIcon& icon)
{
    m_icons[type] = icon;
    if (m_iconType == type)
        showIcon();
}

void uxMessageBox::setIconSize(const QSize& size)
{
    m_iconSize = size;
    showIcon();
}

void uxMessageBox::setDefaultButton(int button)
{
    if (button != 0) {
        makeDefault(m_buttonBox->button(QDialogButtonBox::StandardButton(button)));
        return;
    }
    for (uint b = QDialogButtonBox::Ok; b <= QDialogButtonBox::RestoreDefaults; b <<= 1) {
        QPushButton* candidate = m_buttonBox->button(QDialogButtonBox::StandardButton(b));
        if (candidate && m_buttonBox->buttonRole(candidate) == QDialogButtonBox::AcceptRole) {
            makeDefault(candidate);
            return;
        }
    }
}

void uxMessageBox::makeDefault(QPushButton* button)
{
    if (!button || !m_buttonBox->buttons().contains(button))
        return;
    button->setDefault(true);
    button->setFocus(Qt::OtherFocusReason);
}

int uxMessageBox::showMessage(QWidget* parent, const QString& title, const QString& text,
                              int iconType, QDialogButtonBox::StandardButtons buttons,
                              int defaultButton, int resultForClose)
{
    uxMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    box.setIconType(iconType);
    box.setStandardButtons(buttons);
    box.setDefaultButton(defaultButton);
    box.adjustSize();
    const int result = box.exec();
    return result == -1 ? resultForClose : result;
}

int uxMessageBox::information(QWidget* parent, const QString& title, const QString& text,
                              QDialogButtonBox::StandardButtons buttons, int defaultButton,
                              int resultForClose)
{
    return showMessage(parent, title, text, Information, buttons, defaultButton, resultForClose);
}

int uxMessageBox::warning(QWidget* parent, const QString& title, const QString& text,
                          QDialogButtonBox::StandardButtons buttons, int defaultButton,
                          int resultForClose)
{
    return showMessage(parent, title, text, Warning, buttons, defaultButton, resultForClose);
}

int uxMessageBox::question(QWidget* parent, const QString& title, const QString& text,
                           QDialogButtonBox::StandardButtons buttons, int defaultButton,
                           int resultForClose)
{
    return showMessage(parent, title, text, Question, buttons, defaultButton, resultForClose);
}

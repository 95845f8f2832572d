#include "player/ui/gototimedialog.h"

#include "framework/core/uxsrcmgr.h"
#include "framework/ui/uxformparts.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

GoToTimeDialog::GoToTimeDialog(qint64 position, qint64 length, QWidget* parent)
    : uxDialogBase(parent), m_length(length)
{
    setObjectName(QStringLiteral("GoToTimeDialog"));
    const double scale = uxSrcMgr::dpiScale();
    resize(int(300 * scale), int(130 * scale));
    QFrame* client = uxFormParts::frame(this, "uxDialogExClient");
    uxFormParts::tightLayout<QVBoxLayout>(this, "verticalLayout")->addWidget(client);
    auto* clientLayout = uxFormParts::tightLayout<QVBoxLayout>(client, "verticalLayout_2");
    QFrame* body = uxFormParts::frame(client, "frmGoToTime", clientLayout);
    auto* row = uxFormParts::layout<QHBoxLayout>(body, "horizontalLayout");
    m_label = uxFormParts::add<QLabel>(body, "lblTime", row);
    m_edit = uxFormParts::add<QLineEdit>(body, "editTime", row);
    m_edit->setText(format(position));
    m_edit->selectAll();
    m_label->setBuddy(m_edit);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, client);
    m_buttons->setObjectName(QStringLiteral("buttonBox"));
    clientLayout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_edit, &QLineEdit::textChanged, this, &GoToTimeDialog::check);
    m_buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    retranslate();
    check();
    initWidgetFrame(true, false, nullptr);
    m_edit->setFocus();
}

qint64 GoToTimeDialog::parse(const QString& text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(?:(?:(\\d+):)?(\\d{1,2}):)?(\\d+)\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return -1;
    const bool withMinutes = match.capturedLength(2) > 0;
    const qint64 hours = match.captured(1).toLongLong();
    const qint64 minutes = match.captured(2).toLongLong();
    const qint64 seconds = match.captured(3).toLongLong();
    // "1:75" is no time; a number of seconds alone may be any size.
    if (withMinutes && (seconds > 59 || match.capturedLength(3) != 2))
        return -1;
    if (match.capturedLength(1) > 0 && minutes > 59)
        return -1;
    if (seconds > 1000000000)
        return -1;
    return ((hours * 60 + minutes) * 60 + seconds) * 1000;
}

QString GoToTimeDialog::format(qint64 ms)
{
    const qint64 total = qMax<qint64>(0, ms) / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(total / 3600)
        .arg(total / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(total % 60, 2, 10, QLatin1Char('0'));
}

qint64 GoToTimeDialog::target() const
{
    const qint64 ms = parse(m_edit->text());
    if (ms < 0 || (m_length > 0 && ms >= m_length))
        return -1;
    return ms;
}

void GoToTimeDialog::check()
{
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(target() >= 0);
}

void GoToTimeDialog::retranslate()
{
    setWindowTitle(tr("Go to Time"));
    m_label->setText(tr("&Time (h:mm:ss):"));
    m_buttons->button(QDialogButtonBox::Ok)->setText(tr("Go"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
}

void GoToTimeDialog::changeEvent(QEvent* event)
{
    uxDialogBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

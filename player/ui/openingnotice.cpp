#include "player/ui/openingnotice.h"

#include "framework/core/uxsrcmgr.h"
#include "framework/ui/uxformparts.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QSize FormSize(380, 140);
// A notice has no system menu and no minimize or maximize buttons.
const int NoSystemButtons = int(0xF7FF1FFF);

} // namespace

OpeningNotice::OpeningNotice(const QString& location, QWidget* parent)
    : uxDialogBase(parent), m_location(location)
{
    buildForm();
    retranslate();
    const double scale = uxSrcMgr::dpiScale();
    setMinimumSize(qRound(FormSize.width() * scale), qRound(FormSize.height() * scale));
    setWindowFlags(int(windowFlags()) & NoSystemButtons);
    initWidgetFrame(true, false, nullptr);
}

void OpeningNotice::buildForm()
{
    setObjectName(QStringLiteral("OpeningNotice"));
    resize(FormSize);
    const uxFormParts::Notice form = uxFormParts::notice(this);
    m_info = uxFormParts::add<QLabel>(form.content->parentWidget(), "lblInfo", form.content);
    m_info->setAlignment(Qt::AlignCenter);
    m_info->setWordWrap(true);
    m_info->setToolTip(QDir::toNativeSeparators(m_location));
    auto* buttonLayout = uxFormParts::layout<QHBoxLayout>(form.buttons, "horizontalLayout_2");
    auto* box = uxFormParts::add<QDialogButtonBox>(form.buttons, "buttonBox", buttonLayout);
    box->setStandardButtons(QDialogButtonBox::Cancel);
    box->setCenterButtons(true);
    connect(box, &QDialogButtonBox::rejected, this, &OpeningNotice::reject);
}

void OpeningNotice::retranslate()
{
    setWindowTitle(tr("Opening"));
    const QString name = QFileInfo(QDir::cleanPath(m_location)).fileName();
    m_info->setText(tr("\"%1\" is taking long to open.").arg(name.isEmpty() ? m_location : name));
}

// Closing the notice, by its button, Escape or the title bar, cancels the open.
void OpeningNotice::reject()
{
    emit cancelRequested();
}

void OpeningNotice::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    uxDialogBase::changeEvent(event);
}

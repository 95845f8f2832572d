#include "player/discs/ffaddfileprocessingdlg.h"

#include "framework/core/uxsrcmgr.h"
#include "framework/ui/uxformparts.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QVBoxLayout>

namespace {

const QSize FormSize(360, 130);
// Without system menu, minimize, maximize and close buttons.
const int NoSystemButtons = int(0xF7FF1FFF);

} // namespace

FfAddFileProcessingDlg::FfAddFileProcessingDlg(QWidget* parent) : uxDialogBase(parent)
{
    buildForm();
    retranslate();
    const double scale = uxSrcMgr::dpiScale();
    setMinimumSize(qRound(FormSize.width() * scale), qRound(FormSize.height() * scale));
    setWindowFlags(int(windowFlags()) & NoSystemButtons);
    initWidgetFrame(true, false, nullptr);
}

void FfAddFileProcessingDlg::buildForm()
{
    setObjectName(QStringLiteral("FfAddFileProcessingDlg"));
    resize(FormSize);
    const uxFormParts::Notice form = uxFormParts::notice(this);
    QWidget* container = form.content->parentWidget();
    m_info = uxFormParts::add<QLabel>(container, "lblInfo", form.content);
    m_info->setAlignment(Qt::AlignCenter);
    m_progress = uxFormParts::add<QLabel>(container, "labprogressBar", form.content);
    m_progress->setAlignment(Qt::AlignCenter);
    uxFormParts::layout<QHBoxLayout>(form.buttons, "horizontalLayout_2");
}

void FfAddFileProcessingDlg::retranslate()
{
    setWindowTitle(tr("Loading"));
    m_info->setText(tr("Loading disc. Please wait..."));
}

void FfAddFileProcessingDlg::setProgressAnimation(const QString& path)
{
    delete m_movie;
    m_movie = new QMovie(path, QByteArray(), this);
    m_progress->setMovie(m_movie);
    m_movie->start();
}

void FfAddFileProcessingDlg::reject()
{
}

void FfAddFileProcessingDlg::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

void FfAddFileProcessingDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    uxDialogBase::changeEvent(event);
}

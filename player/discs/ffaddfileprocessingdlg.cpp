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
    auto* outer = uxFormParts::tightLayout<QVBoxLayout>(this, "verticalLayout_3");
    QFrame* client = uxFormParts::frame(this, "uxDialogExClient", outer);
    auto* clientLayout = uxFormParts::layout<QVBoxLayout>(client, "verticalLayout_4");
    clientLayout->setContentsMargins(0, 0, 0, 0);
    QFrame* content = uxFormParts::frame(client, "frmContent", clientLayout);
    auto* contentLayout = uxFormParts::layout<QVBoxLayout>(content, "verticalLayout_8");
    QFrame* container = uxFormParts::frame(content, "frmContentContainer", contentLayout);
    auto* containerLayout = uxFormParts::layout<QVBoxLayout>(container, "verticalLayout");
    m_info = new QLabel(container);
    m_info->setObjectName(QStringLiteral("lblInfo"));
    m_info->setAlignment(Qt::AlignCenter);
    containerLayout->addWidget(m_info);
    m_progress = new QLabel(container);
    m_progress->setObjectName(QStringLiteral("labprogressBar"));
    m_progress->setAlignment(Qt::AlignCenter);
    containerLayout->addWidget(m_progress);
    QFrame* buttons = uxFormParts::frame(client, "frmButtonBoxBackGround", clientLayout);
    uxFormParts::layout<QHBoxLayout>(buttons, "horizontalLayout_2");
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

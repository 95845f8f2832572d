#include "framework/ui/uxaboutdlg.h"

#include "framework/core/uxproductinfo.h"
#include "framework/core/uxsrcmgr.h"
#include "framework/ui/uxformparts.h"
#include "framework/ui/uxpicture.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const int PictureWidth = 476;
const int PictureHeight = 138;

} // namespace

uxAboutDlg::uxAboutDlg(QWidget* parent) : uxDialogBase(parent)
{
    buildUi();
    retranslate();
    m_lblAboutImage->setMinimumSize(pictureSize());
    m_lblAboutImage->setMaximumSize(pictureSize());
    m_vertFrame->hide();
    refresh();
    initWidgetFrame(true, false, nullptr);
}

QSize uxAboutDlg::pictureSize() const
{
    const double scale = uxSrcMgr::dpiScale();
    return QSize(int(PictureWidth * scale), int(PictureHeight * scale));
}

QLabel* uxAboutDlg::addLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    parent->layout()->addWidget(label);
    return label;
}

void uxAboutDlg::buildUi()
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("uxAboutDlg"));
    resize(476, 294);
    auto* outer = new QVBoxLayout(this);
    outer->setObjectName(QStringLiteral("verticalLayout_2"));
    outer->setSpacing(0);
    outer->setContentsMargins(0, 0, 0, 0);
    QFrame* client = uxFormParts::frame(this, "uxDialogExClient");
    outer->addWidget(client);
    auto* clientLayout = new QVBoxLayout(client);
    clientLayout->setObjectName(QStringLiteral("verticalLayout_4"));
    clientLayout->setSpacing(0);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    buildImageRow(client);
    buildContent(client);
}

void uxAboutDlg::buildImageRow(QWidget* client)
{
    QFrame* row = uxFormParts::frame(client, "frmAboutImageContainter");
    auto* layout = new QHBoxLayout(row);
    layout->setObjectName(QStringLiteral("horizontalLayout_3"));
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addItem(new QSpacerItem(0, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    m_lblAboutImage = addLabel(row, "lblAboutImage");
    m_lblAboutImage->setAlignment(Qt::AlignCenter);
    layout->addItem(new QSpacerItem(0, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    client->layout()->addWidget(row);
}

void uxAboutDlg::buildContent(QWidget* client)
{
    QFrame* content = uxFormParts::frame(client, "frmContent");
    auto* column = new QVBoxLayout(content);
    column->setObjectName(QStringLiteral("verticalLayout"));

    m_horzFrame = uxFormParts::frame(content, "frmHorzProductVersion");
    auto* row = new QHBoxLayout(m_horzFrame);
    row->setObjectName(QStringLiteral("horizontalLayout"));
    m_labelProduct = addLabel(m_horzFrame, "labelProduct");
    QFont bold = m_labelProduct->font();
    bold.setBold(true);
    m_labelProduct->setFont(bold);
    m_labelProduct->setMinimumHeight(30);
    m_labelProduct->setWordWrap(true);
    row->addItem(new QSpacerItem(40, 20, QSizePolicy::Minimum, QSizePolicy::Minimum));
    m_labelVersion = addLabel(m_horzFrame, "labelVersion");
    m_labelVersion->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    column->addWidget(m_horzFrame);

    m_vertFrame = uxFormParts::frame(content, "frmVertProductVersion");
    auto* stack = new QVBoxLayout(m_vertFrame);
    stack->setObjectName(QStringLiteral("verticalLayout_3"));
    m_labelProduct2 = addLabel(m_vertFrame, "labelProduct_2");
    m_labelProduct2->setFont(bold);
    m_labelProduct2->setAlignment(Qt::AlignCenter);
    m_labelProduct2->setWordWrap(true);
    m_labelVersion2 = addLabel(m_vertFrame, "labelVersion_2");
    m_labelVersion2->setAlignment(Qt::AlignCenter);
    column->addWidget(m_vertFrame);

    m_labelHomePage = addLabel(content, "labelHomePage");
    m_labelHomePage->setOpenExternalLinks(true);
    m_labelSupport = addLabel(content, "labelSupport");
    m_labelSupport->setOpenExternalLinks(true);
    m_labelCopyright = addLabel(content, "labelCopyright");
    client->layout()->addWidget(content);
}

void uxAboutDlg::retranslate()
{
    setWindowTitle(tr("About"));
    m_labelProduct->setText(tr("Product"));
    m_labelProduct2->setText(tr("Product"));
    m_labelVersion->setText(tr("version"));
    m_labelVersion2->setText(tr("version"));
    m_labelHomePage->setText(tr("HomePage"));
    m_labelSupport->setText(tr("Support"));
    m_labelCopyright->setText(tr("Copyright"));
}

QString uxAboutDlg::link(const QString& url) const
{
    if (m_linkFontColor.isValid())
        return QStringLiteral(" <a href=\"%1\" style=\"color:%2\">%1</a>")
            .arg(url, m_linkFontColor.name());
    return QStringLiteral(" <a href=\"%1\">%1</a>").arg(url);
}

QString uxAboutDlg::copyrightText()
{
    const uxProductInfo* product = uxProductInfo::instance();
    const QString holder = product->fullName().isEmpty() ? product->title() : product->fullName();
    return tr("Copyright © %1 %2. All rights reserved.").arg(product->yearText(), holder);
}

void uxAboutDlg::refresh()
{
    const uxProductInfo* product = uxProductInfo::instance();
    m_labelProduct->setText(product->displayName());
    m_labelProduct2->setText(product->displayName());
    const QString version = tr("Version: %1").arg(product->version());
    m_labelVersion->setText(version);
    m_labelVersion2->setText(version);
    m_labelHomePage->setText(tr("HomePage:") + link(product->homePage()));
    m_labelSupport->setText(tr("Support:") + link(product->supportUrl()));
    m_labelSupport->setVisible(true);
    m_labelCopyright->setText(copyrightText());
    const QPixmap picture = uxPicture::fitted(uxSrcMgr::instance()->aboutImagePath(),
                                              pictureSize(), devicePixelRatioF(),
                                              Qt::KeepAspectRatio);
    if (!picture.isNull())
        m_lblAboutImage->setPixmap(picture);
}

void uxAboutDlg::setHorzProductVersion(bool horizontal)
{
    if (horizontal == m_horzProductVersion)
        return;
    m_horzProductVersion = horizontal;
    m_horzFrame->setVisible(horizontal);
    m_vertFrame->setVisible(!horizontal);
}

void uxAboutDlg::setLinkFontColor(const QColor& color)
{
    m_linkFontColor = color;
    refresh();
}

void uxAboutDlg::changeEvent(QEvent* event)
{
    uxDialogBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        refresh();
    }
}

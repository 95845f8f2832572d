#include "player/discs/dlgopendisc.h"

#include "framework/core/uxsrcmgr.h"
#include "framework/ui/uxformparts.h"
#include "player/discs/discdetection.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileIconProvider>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

// The value is what callers compare with; its spelling is kept as it is.
const QString DlgOpenDisc::OpenFolderValue = QStringLiteral("OpenFlder");

DlgOpenDisc::DlgOpenDisc(QWidget* parent) : uxDialogBase(parent)
{
    buildForm();
    retranslate();
    m_discList->setSpacing(3);
    const int side = int(32 * uxSrcMgr::dpiScale());
    m_discList->setIconSize(QSize(side, side));
    m_buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
    reLoadDiscList();
    connect(m_discList, &QListWidget::itemDoubleClicked, this, &DlgOpenDisc::onItemDoubleClicked);
    connect(m_discList, &QListWidget::itemSelectionChanged, this,
            &DlgOpenDisc::onItemSelectionChanged);
    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &DlgOpenDisc::accept);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &DlgOpenDisc::reject);
    initWidgetFrame(true, false, nullptr);
}

void DlgOpenDisc::buildForm()
{
    setObjectName(QStringLiteral("DlgOpenDisc"));
    auto* outer = uxFormParts::tightLayout<QVBoxLayout>(this, "verticalLayout");
    QFrame* client = uxFormParts::frame(this, "uxDialogExClient", outer);
    auto* clientLayout = uxFormParts::layout<QVBoxLayout>(client, "verticalLayout_2");
    clientLayout->setContentsMargins(0, 0, 0, 0);
    QFrame* content = uxFormParts::frame(client, "frmContent", clientLayout);
    auto* contentLayout = uxFormParts::layout<QVBoxLayout>(content, "verticalLayout_3");
    auto* row = new QHBoxLayout();
    row->setObjectName(QStringLiteral("horizontalLayout"));
    contentLayout->addLayout(row);
    m_label = new QLabel(content);
    m_label->setObjectName(QStringLiteral("label"));
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    row->addWidget(m_label);
    m_discList = new QListWidget(content);
    m_discList->setObjectName(QStringLiteral("discListWidget"));
    row->addWidget(m_discList, 1);
    QFrame* buttons = uxFormParts::frame(client, "frmButtonBoxBackGround", clientLayout);
    auto* buttonLayout = uxFormParts::layout<QVBoxLayout>(buttons, "verticalLayout_4");
    m_buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, buttons);
    m_buttonBox->setObjectName(QStringLiteral("buttonBox"));
    buttonLayout->addWidget(m_buttonBox);
    resize(480, 300);
}

void DlgOpenDisc::retranslate()
{
    setWindowTitle(tr("Open Disc"));
    m_label->setText(tr("Select a Blu-ray disc:"));
    if (m_discList->count() > 0)
        m_discList->item(0)->setText(tr("Open Folder..."));
}

void DlgOpenDisc::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    uxDialogBase::changeEvent(event);
}

void DlgOpenDisc::setMainWindow(QObject* window)
{
    if (m_mainWindow)
        disconnect(m_mainWindow, nullptr, this, nullptr);
    m_mainWindow = window;
    // Only a window that announces drive changes refreshes the list.
    if (window && window->metaObject()->indexOfSignal("onReloadDevice()") >= 0)
        connect(window, SIGNAL(onReloadDevice()), this, SLOT(reLoadDiscList()));
}

void DlgOpenDisc::reLoadDiscList()
{
    m_discList->clear();
    QFileIconProvider icons;
    auto* openFolder = new QListWidgetItem(
        icons.icon(QFileInfo(QCoreApplication::applicationDirPath())), tr("Open Folder..."),
        m_discList);
    openFolder->setData(Qt::UserRole, OpenFolderValue);
    for (const QString& root : listOpticalDrives()) {
        const QString label = discVolumeLabel(root);
        if (label.isEmpty())
            continue;
        auto* drive = new QListWidgetItem(icons.icon(QFileInfo(root)), label, m_discList);
        drive->setData(Qt::UserRole, root);
    }
    onItemSelectionChanged();
}

void DlgOpenDisc::onItemSelectionChanged()
{
    m_buttonBox->button(QDialogButtonBox::Ok)->setEnabled(!m_discList->selectedItems().isEmpty());
}

void DlgOpenDisc::accept()
{
    const QList<QListWidgetItem*> selected = m_discList->selectedItems();
    if (!selected.isEmpty())
        choose(selected.first());
}

void DlgOpenDisc::onItemDoubleClicked(QListWidgetItem* item)
{
    if (item)
        choose(item);
}

void DlgOpenDisc::choose(QListWidgetItem* item)
{
    m_selectedValue = item->data(Qt::UserRole).toString();
    if (m_selectedValue == OpenFolderValue || isLoadableDisc(m_selectedValue, this))
        QDialog::accept();
}

void DlgOpenDisc::reject()
{
    m_selectedValue.clear();
    QDialog::reject();
}

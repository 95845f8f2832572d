#include "player/ui/shortcutsdialog.h"

#include "framework/core/uxsrcmgr.h"
#include "framework/ui/uxformparts.h"
#include "player/ui/playerkeys.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

ShortcutsDialog::ShortcutsDialog(const PlayerKeys* keys, QWidget* parent)
    : uxDialogBase(parent), m_keys(keys)
{
    setObjectName(QStringLiteral("ShortcutsDialog"));
    const double scale = uxSrcMgr::dpiScale();
    resize(int(480 * scale), int(520 * scale));
    QFrame* client = uxFormParts::frame(this, "uxDialogExClient");
    uxFormParts::tightLayout<QVBoxLayout>(this, "verticalLayout")->addWidget(client);
    auto* clientLayout = uxFormParts::tightLayout<QVBoxLayout>(client, "verticalLayout_2");
    QFrame* body = uxFormParts::frame(client, "frmShortcuts", clientLayout);
    clientLayout->setStretchFactor(body, 1);
    auto* bodyLayout = uxFormParts::layout<QVBoxLayout>(body, "verticalLayout_3");
    m_list = uxFormParts::add<QTreeWidget>(body, "treeShortcuts", bodyLayout);
    m_list->setColumnCount(2);
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_list->header()->setStretchLastSection(true);
    QFrame* buttons = uxFormParts::frame(client, "frmButtonBoxBackGround", clientLayout);
    auto* buttonRow = uxFormParts::layout<QHBoxLayout>(buttons, "horizontalLayout");
    buttonRow->addStretch(1);
    m_close = uxFormParts::add<QPushButton>(buttons, "btnClose", buttonRow);
    m_close->setDefault(true);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    retranslate();
    initWidgetFrame(true, false, nullptr);
}

void ShortcutsDialog::retranslate()
{
    setWindowTitle(tr("Keyboard Shortcuts"));
    m_list->setHeaderLabels({tr("Key"), tr("Action")});
    m_close->setText(tr("Close"));
    m_list->clear();
    for (const PlayerKeys::Entry& entry : m_keys->entries())
        new QTreeWidgetItem(m_list, {entry.keys, entry.description});
}

void ShortcutsDialog::changeEvent(QEvent* event)
{
    uxDialogBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

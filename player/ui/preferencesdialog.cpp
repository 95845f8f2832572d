#include "player/ui/preferencesdialog.h"

#include "framework/core/uxproductinfo.h"
#include "framework/core/uxsettings.h"
#include "framework/core/uxsrcmgr.h"
#include "framework/ui/uxformparts.h"
#include "framework/ui/uxmessagebox.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const char* const DefaultFormat = "JPEG";

int scaled(int pixels)
{
    return int(pixels * uxSrcMgr::dpiScale());
}

} // namespace

PreferencesDialog::PreferencesDialog(QWidget* parent) : uxDialogBase(parent)
{
    buildUi();
    retranslate();
    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &PreferencesDialog::accept);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &PreferencesDialog::reject);
    connect(m_btnBrowse, &QPushButton::clicked, this,
            &PreferencesDialog::onSnapshotFolderBrowseClicked);
    connect(m_btnOpen, &QPushButton::clicked, this,
            &PreferencesDialog::onSnapshotFolderOpenClicked);
    connect(m_buttonBox, &QDialogButtonBox::clicked, this, &PreferencesDialog::onButtonBoxClicked);
    m_buttonBox->button(QDialogButtonBox::Ok)->setDefault(true);
    m_groupUpdateSetting->setVisible(uxProductInfo::instance()->isSupportAutoUpdate());
    // An owner that runs the dialog without loading it must not save an
    // empty form over the stored preferences.
    load();
    initWidgetFrame(true, false, nullptr);
}

void PreferencesDialog::buildUi()
{
    setObjectName(QStringLiteral("PreferencesDialog"));
    resize(scaled(546), scaled(296));
    QVBoxLayout* outer = uxFormParts::tightLayout<QVBoxLayout>(this, "verticalLayout");
    QFrame* client = uxFormParts::frame(this, "uxDialogExClient");
    outer->addWidget(client);
    QVBoxLayout* clientLayout = uxFormParts::tightLayout<QVBoxLayout>(client, "verticalLayout_3");
    QFrame* options = uxFormParts::frame(client, "frmoption");
    auto* optionsLayout = uxFormParts::layout<QVBoxLayout>(options, "verticalLayout_4");
    optionsLayout->addWidget(buildSnapshotGroup(options));
    optionsLayout->addWidget(buildUpdateGroup(options));
    optionsLayout->addStretch(1);
    clientLayout->addWidget(options, 1);
    clientLayout->addWidget(buildButtonRow(client));
}

QGroupBox* PreferencesDialog::buildSnapshotGroup(QWidget* parent)
{
    m_grpOutPut = new QGroupBox(parent);
    m_grpOutPut->setObjectName(QStringLiteral("grpOutPut"));
    auto* form = uxFormParts::layout<QFormLayout>(m_grpOutPut, "formLayout");

    m_labelFolder = new QLabel(m_grpOutPut);
    m_labelFolder->setObjectName(QStringLiteral("label_2"));
    m_labelFolder->setMinimumWidth(scaled(100));
    auto* folderRow = new QHBoxLayout;
    folderRow->setObjectName(QStringLiteral("horizontalLayout_2"));
    m_editSnapshotFolder = new QLineEdit(m_grpOutPut);
    m_editSnapshotFolder->setObjectName(QStringLiteral("editSnapshotFolder"));
    m_editSnapshotFolder->setReadOnly(true);
    m_btnBrowse = new QPushButton(m_grpOutPut);
    m_btnBrowse->setObjectName(QStringLiteral("btnSnapshotFolderBrowse"));
    m_btnOpen = new QPushButton(m_grpOutPut);
    m_btnOpen->setObjectName(QStringLiteral("btnSnapshotFolderOpen"));
    folderRow->addWidget(m_editSnapshotFolder, 1);
    folderRow->addWidget(m_btnBrowse);
    folderRow->addWidget(m_btnOpen);
    form->addRow(m_labelFolder, folderRow);

    m_labelFormat = new QLabel(m_grpOutPut);
    m_labelFormat->setObjectName(QStringLiteral("label_3"));
    m_labelFormat->setMinimumWidth(scaled(100));
    auto* formatRow = new QHBoxLayout;
    formatRow->setObjectName(QStringLiteral("horizontalLayout_3"));
    m_cmbSnapshotType = new QComboBox(m_grpOutPut);
    m_cmbSnapshotType->setObjectName(QStringLiteral("cmbSnapshotType"));
    // Format names, stored as they are shown: not translated.
    m_cmbSnapshotType->addItems(
        {QStringLiteral("JPEG"), QStringLiteral("PNG"), QStringLiteral("BMP")});
    formatRow->addWidget(m_cmbSnapshotType);
    formatRow->addStretch(1);
    form->addRow(m_labelFormat, formatRow);
    return m_grpOutPut;
}

QGroupBox* PreferencesDialog::buildUpdateGroup(QWidget* parent)
{
    m_groupUpdateSetting = new QGroupBox(parent);
    m_groupUpdateSetting->setObjectName(QStringLiteral("groupUpdateSetting"));
    auto* row = uxFormParts::layout<QHBoxLayout>(m_groupUpdateSetting, "horizontalLayout_6");
    m_chkAutoUpdate = new QCheckBox(m_groupUpdateSetting);
    m_chkAutoUpdate->setObjectName(QStringLiteral("chkAutoUpdate"));
    row->addWidget(m_chkAutoUpdate);
    return m_groupUpdateSetting;
}

QWidget* PreferencesDialog::buildButtonRow(QWidget* parent)
{
    QFrame* row = uxFormParts::frame(parent, "frmButtonBoxBackGround");
    auto* layout = uxFormParts::layout<QVBoxLayout>(row, "verticalLayout_2");
    m_buttonBox = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::RestoreDefaults, row);
    m_buttonBox->setObjectName(QStringLiteral("buttonBox"));
    layout->addWidget(m_buttonBox);
    return row;
}

void PreferencesDialog::retranslate()
{
    setWindowTitle(tr("Preferences"));
    m_grpOutPut->setTitle(tr("Snapshot"));
    m_labelFolder->setText(tr("Snapshot Folder:"));
    m_btnBrowse->setText(tr("Browse"));
    m_btnOpen->setText(tr("Open"));
    m_labelFormat->setText(tr("Snapshot Format:"));
    m_groupUpdateSetting->setTitle(tr("Update Settings"));
    m_chkAutoUpdate->setText(tr("Check for Updates Automatically"));
}

void PreferencesDialog::changeEvent(QEvent* event)
{
    uxDialogBase::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void PreferencesDialog::showFolder(const QString& folder)
{
    m_editSnapshotFolder->setText(QDir::toNativeSeparators(folder));
    m_editSnapshotFolder->setCursorPosition(0);
    m_editSnapshotFolder->deselect();
}

void PreferencesDialog::load()
{
    const uxSettings* settings = uxSettings::instance();
    showFolder(settings->snapshotDir());
    m_cmbSnapshotType->setCurrentIndex(
        m_cmbSnapshotType->findText(settings->snapshotFormat(), Qt::MatchFixedString));
    m_chkAutoUpdate->setChecked(settings->isAutoUpdateEnabled());
    m_initialFolder = m_editSnapshotFolder->text();
    m_initialFormatIndex = m_cmbSnapshotType->currentIndex();
    m_initialAutoUpdate = m_chkAutoUpdate->isChecked();
}

void PreferencesDialog::save()
{
    uxSettings* settings = uxSettings::instance();
    settings->setSnapshotDir(m_editSnapshotFolder->text());
    settings->setSnapshotFormat(m_cmbSnapshotType->currentText());
    settings->setAutoUpdateEnabled(m_chkAutoUpdate->isChecked());
}

bool PreferencesDialog::hasChanges() const
{
    return m_editSnapshotFolder->text() != m_initialFolder ||
           m_cmbSnapshotType->currentIndex() != m_initialFormatIndex ||
           (m_chkAutoUpdate->checkState() == Qt::Checked) != m_initialAutoUpdate;
}

// Asks about unsaved changes; false when the user wants to stay. Only Yes
// and No leave: a question dismissed any other way (Escape gives 0) keeps
// the changes on screen.
bool PreferencesDialog::mayLeave()
{
    if (!hasChanges())
        return true;
    const int answer = uxMessageBox::question(
        this, tr("Preferences"),
        tr("You have changed some settings. Do you want to save the changes before exiting?"),
        QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel,
        QDialogButtonBox::Yes, QDialogButtonBox::Cancel);
    if (answer == QDialogButtonBox::Yes)
        save();
    return answer == QDialogButtonBox::Yes || answer == QDialogButtonBox::No;
}

void PreferencesDialog::accept()
{
    save();
    QDialog::accept();
}

void PreferencesDialog::reject()
{
    if (mayLeave())
        QDialog::reject();
}

// The base would call reject() and ask a second time.
void PreferencesDialog::closeEvent(QCloseEvent* event)
{
    if (!isVisible()) {
        event->accept();
        return;
    }
    if (!mayLeave()) {
        event->ignore();
        return;
    }
    QDialog::reject();
    event->accept();
}

void PreferencesDialog::onSnapshotFolderBrowseClicked()
{
    const QString chosen = QFileDialog::getExistingDirectory(
        this, tr("Select Snapshot Folder"), m_editSnapshotFolder->text(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    chooseFolder(chosen);
}

void PreferencesDialog::chooseFolder(const QString& folder)
{
    const QString shown = QDir::toNativeSeparators(folder);
    if (folder.isEmpty() || shown == m_editSnapshotFolder->text())
        return;
    if (isFolderWritable(folder)) {
        showFolder(folder);
        return;
    }
    uxMessageBox::information(this, uxProductInfo::instance()->displayName(),
                              tr("\"%1\" is not writable, Please select another one.").arg(shown));
}

void PreferencesDialog::onSnapshotFolderOpenClicked()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(m_editSnapshotFolder->text()));
}

void PreferencesDialog::onButtonBoxClicked(QAbstractButton* pButton)
{
    if (m_buttonBox->standardButton(pButton) == QDialogButtonBox::RestoreDefaults)
        restoreDefaults();
}

void PreferencesDialog::restoreDefaults()
{
    showFolder(uxSettings::defaultSnapshotDir());
    m_cmbSnapshotType->setCurrentIndex(
        m_cmbSnapshotType->findText(QLatin1String(DefaultFormat), Qt::MatchFixedString));
    m_chkAutoUpdate->setChecked(true);
}

// Taken by a file, a folder or a link, even one that leads nowhere.
static bool isNameTaken(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// Probes with a file of its own name, so nothing of the user's is touched: a name
// that is taken, even by a link that leads nowhere, is passed over, and the probe
// is created exclusively, so it never writes through a link planted in between.
// A probe that could not be written in full is removed as well.
bool PreferencesDialog::isFolderWritable(const QString& folder)
{
    for (int n = -1;; ++n) {
        const QString candidate = n < 0 ? folder + QStringLiteral("/1.temp")
                                        : folder + QStringLiteral("/1(%1).temp").arg(n);
        if (isNameTaken(candidate))
            continue;
        QFile probe(candidate);
        if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (isNameTaken(candidate))
                continue;
            return false;
        }
        const bool written = probe.write("1234567890", 10) == 10 && probe.flush();
        probe.close();
        const bool removed = probe.remove();
        return written && removed;
    }
}

#pragma once

#include "framework/ui/uxdialogbase.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Edits where snapshots go, their image format and whether updates are looked
// for automatically. Nothing is stored until the user confirms, and leaving
// with changes asks whether to keep them.
class PreferencesDialog : public uxDialogBase
{
    Q_OBJECT
public:
    explicit PreferencesDialog(QWidget* parent = nullptr);

    // Shows the stored preferences and takes them as the unchanged state.
    void load();
    // Whether a file can be created, written and removed again in folder.
    static bool isFolderWritable(const QString& folder);

public Q_SLOTS:
    void accept() override;
    void reject() override;
    void onSnapshotFolderBrowseClicked();
    void onSnapshotFolderOpenClicked();
    void onButtonBoxClicked(QAbstractButton* pButton);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildUi();
    QGroupBox* buildSnapshotGroup(QWidget* parent);
    QGroupBox* buildUpdateGroup(QWidget* parent);
    QWidget* buildButtonRow(QWidget* parent);
    void retranslate();
    void showFolder(const QString& folder);
    void chooseFolder(const QString& folder);
    void restoreDefaults();
    void save();
    bool hasChanges() const;
    bool mayLeave();

    QGroupBox* m_grpOutPut = nullptr;
    QLabel* m_labelFolder = nullptr;
    QLineEdit* m_editSnapshotFolder = nullptr;
    QPushButton* m_btnBrowse = nullptr;
    QPushButton* m_btnOpen = nullptr;
    QLabel* m_labelFormat = nullptr;
    QComboBox* m_cmbSnapshotType = nullptr;
    QGroupBox* m_groupUpdateSetting = nullptr;
    QCheckBox* m_chkAutoUpdate = nullptr;
    QDialogButtonBox* m_buttonBox = nullptr;

    QString m_initialFolder;
    int m_initialFormatIndex = -1;
    bool m_initialAutoUpdate = false;
};

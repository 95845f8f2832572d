#pragma once

#include "framework/ui/uxdialogbase.h"

#include <QPointer>

class QDialogButtonBox;
class QLabel;
class QListWidget;
class QListWidgetItem;

// Lets the user pick a Blu-ray disc: one entry per optical drive holding a
// UDF disc, and "Open Folder..." for a disc folder chosen afterwards.
class DlgOpenDisc : public uxDialogBase
{
    Q_OBJECT
public:
    explicit DlgOpenDisc(QWidget* parent = nullptr);

    // The value of the choice the dialog was accepted with: OpenFolderValue or
    // a drive's root. Empty after a cancel.
    QString selectedValue() const { return m_selectedValue; }
    // The window whose onReloadDevice() signal says drives have changed.
    void setMainWindow(QObject* window);

    static const QString OpenFolderValue;

public Q_SLOTS:
    void accept() override;
    void reject() override;
    void reLoadDiscList();
    void onItemDoubleClicked(QListWidgetItem* item);
    void onItemSelectionChanged();

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildForm();
    void retranslate();
    void choose(QListWidgetItem* item);

    QLabel* m_label = nullptr;
    QListWidget* m_discList = nullptr;
    QDialogButtonBox* m_buttonBox = nullptr;
    QString m_selectedValue;
    QPointer<QObject> m_mainWindow;
};

#pragma once

#include "framework/ui/uxdialogbase.h"

class QLabel;
class QMovie;

// The "Loading disc" notice shown while a Blu-ray disc is prepared. The user
// cannot close it; its owner ends it when the disc is ready.
class FfAddFileProcessingDlg : public uxDialogBase
{
    Q_OBJECT
public:
    explicit FfAddFileProcessingDlg(QWidget* parent = nullptr);

    void setProgressAnimation(const QString& path);

public Q_SLOTS:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildForm();
    void retranslate();

    QLabel* m_info = nullptr;
    QLabel* m_progress = nullptr;
    QMovie* m_movie = nullptr;
};

#pragma once

#include "framework/ui/uxdialogbase.h"

class QLabel;

// The notice that a media is taking long to open, naming it, with a Cancel
// button. It does not block the player window: Stop works as well.
class OpeningNotice : public uxDialogBase
{
    Q_OBJECT
public:
    OpeningNotice(const QString& location, QWidget* parent = nullptr);

Q_SIGNALS:
    void cancelRequested();

public Q_SLOTS:
    void reject() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildForm();
    void retranslate();

    QString m_location;
    QLabel* m_info = nullptr;
};

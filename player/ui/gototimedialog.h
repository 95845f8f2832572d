#pragma once

#include "framework/ui/uxdialogbase.h"

class QDialogButtonBox;
class QLabel;
class QLineEdit;

// Asks for a position as h:mm:ss (also m:ss or seconds alone).
class GoToTimeDialog : public uxDialogBase
{
    Q_OBJECT
public:
    // position and length in ms; length 0 when unknown.
    GoToTimeDialog(qint64 position, qint64 length, QWidget* parent = nullptr);

    // The chosen position in ms, or -1 when the text is no time of the media.
    qint64 target() const;
    // "1:02:03" -> 3723000 ms; -1 for anything that is not a time.
    static qint64 parse(const QString& text);
    static QString format(qint64 ms);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void check();

    qint64 m_length = 0;
    QLabel* m_label = nullptr;
    QLineEdit* m_edit = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};

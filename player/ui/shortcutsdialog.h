#pragma once

#include "framework/ui/uxdialogbase.h"

class PlayerKeys;
class QPushButton;
class QTreeWidget;

// Lists the keyboard shortcuts in two columns: the key and what it does.
class ShortcutsDialog : public uxDialogBase
{
    Q_OBJECT
public:
    explicit ShortcutsDialog(const PlayerKeys* keys, QWidget* parent = nullptr);

    QTreeWidget* list() const { return m_list; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    const PlayerKeys* m_keys = nullptr;
    QTreeWidget* m_list = nullptr;
    QPushButton* m_close = nullptr;
};

#pragma once

#include <QStyledItemDelegate>

class QBluRayMenu;
class QListWidget;

// Draws the rows of the Blu-ray menu's lists: a fixed number of rows fills
// the list's height, the text is scaled to the row and coloured by the
// menu's skin properties.
class QBluRayMenuItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    QBluRayMenuItemDelegate(QListWidget* list, int rowsPerPage, QBluRayMenu* menu);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // The width text takes in a row of the list as it is now.
    int textWidth(const QString& text) const;
    // The font rows of that height are drawn in.
    static QFont rowFont(QFont font, int rowHeight);

private:
    QColor textColour(const QStyleOptionViewItem& option) const;

    QListWidget* m_list = nullptr;
    int m_rowsPerPage = 0;
    QBluRayMenu* m_menu = nullptr;
};

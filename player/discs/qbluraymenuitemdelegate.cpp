#include "player/discs/qbluraymenuitemdelegate.h"

#include "player/discs/qbluraymenu.h"

#include <QApplication>
#include <QListWidget>
#include <QPainter>

QBluRayMenuItemDelegate::QBluRayMenuItemDelegate(QListWidget* list, int rowsPerPage,
                                                 QBluRayMenu* menu)
    : QStyledItemDelegate(menu), m_list(list), m_rowsPerPage(rowsPerPage), m_menu(menu)
{
}

QSize QBluRayMenuItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    if (!m_list || m_rowsPerPage == 0)
        return QStyledItemDelegate::sizeHint(option, index);
    return QSize(0, m_list->viewport()->height() / m_rowsPerPage);
}

void QBluRayMenuItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();
    const QWidget* widget = m_list;
    QStyle* style = m_list ? m_list->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    painter->save();
    painter->setFont(rowFont(painter->font(), opt.rect.height()));
    // The middle goes first: a track's language and format sit at its two ends.
    const QString shown =
        painter->fontMetrics().elidedText(text, Qt::ElideMiddle, opt.rect.width());
    painter->setPen(textColour(opt));
    painter->drawText(opt.rect, Qt::AlignLeft | Qt::AlignVCenter, shown);
    painter->restore();
}

QFont QBluRayMenuItemDelegate::rowFont(QFont font, int rowHeight)
{
    const int lineSpacing = QFontMetrics(font).lineSpacing();
    if (lineSpacing <= 0 || rowHeight <= 0)
        return font;
    const qreal k = 0.8 * rowHeight / lineSpacing;
    if (font.pixelSize() > 0)
        font.setPixelSize(qMax(1, qRound(font.pixelSize() * k)));
    else
        font.setPointSizeF(qMax(1.0, font.pointSizeF() * k));
    return font;
}

int QBluRayMenuItemDelegate::textWidth(const QString& text) const
{
    if (!m_list || m_rowsPerPage == 0)
        return 0;
    const int rowHeight = m_list->viewport()->height() / m_rowsPerPage;
    return QFontMetrics(rowFont(m_list->font(), rowHeight)).horizontalAdvance(text);
}

QColor QBluRayMenuItemDelegate::textColour(const QStyleOptionViewItem& option) const
{
    const bool selected = option.state & QStyle::State_Selected;
    const bool active = option.state & QStyle::State_Active;
    if (selected && active)
        return m_menu->menuItemFontColorS();
    if (selected)
        return m_menu->menuItemFontColorI();
    if (option.state & QStyle::State_MouseOver)
        return m_menu->menuItemFontColorH();
    return m_menu->menuItemFontColor();
}

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
    QFont font = painter->font();
    const int lineSpacing = QFontMetrics(font).lineSpacing();
    if (lineSpacing > 0 && opt.rect.height() > 0) {
        const qreal k = 0.8 * opt.rect.height() / lineSpacing;
        if (font.pixelSize() > 0)
            font.setPixelSize(qMax(1, qRound(font.pixelSize() * k)));
        else
            font.setPointSizeF(qMax(1.0, font.pointSizeF() * k));
        painter->setFont(font);
    }
    const QString shown =
        painter->fontMetrics().elidedText(text, Qt::ElideRight, opt.rect.width());
    painter->setPen(textColour(opt));
    painter->drawText(opt.rect, Qt::AlignLeft | Qt::AlignVCenter, shown);
    painter->restore();
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

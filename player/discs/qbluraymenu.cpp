#include "player/discs/qbluraymenu.h"

#include "framework/core/uxsrcmgr.h"
#include "player/discs/qbluraymenuitemdelegate.h"
#include "player/engine/qvlcplayer.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <qdrawutil.h>

namespace {

QListWidget* makeList(QFrame* frame, const char* layoutName, const char* listName)
{
    auto* layout = new QVBoxLayout(frame);
    layout->setObjectName(QLatin1String(layoutName));
    layout->setContentsMargins(0, 0, 0, 0);
    auto* list = new QListWidget(frame);
    list->setObjectName(QLatin1String(listName));
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setTextElideMode(Qt::ElideRight);
    list->setMouseTracking(true);
    layout->addWidget(list);
    return list;
}

} // namespace

QBluRayMenu::QBluRayMenu(QWidget* parent) : QFrame(parent, Qt::WindowFlags())
{
    buildForm();
    setAttribute(Qt::WA_MouseTracking);
    addCatalogEntries();
    m_subItemsList->hide();
    m_catalogDelegate = new QBluRayMenuItemDelegate(m_catalogList, 6, this);
    m_subItemsDelegate = new QBluRayMenuItemDelegate(m_subItemsList, 10, this);
    m_catalogList->setItemDelegate(m_catalogDelegate);
    m_subItemsList->setItemDelegate(m_subItemsDelegate);
    m_catalogList->installEventFilter(this);
    m_subItemsList->installEventFilter(this);
    connect(m_catalogList, &QListWidget::itemClicked, this, &QBluRayMenu::onCatalogItemClicked);
    connect(m_subItemsList, &QListWidget::itemClicked, this, &QBluRayMenu::onSubItemsItemClicked);
}

void QBluRayMenu::buildForm()
{
    setObjectName(QStringLiteral("QBluRayMenu"));
    m_catalogFrame = new QFrame(this);
    m_catalogFrame->setObjectName(QStringLiteral("frmMenuCatalog"));
    m_catalogList = makeList(m_catalogFrame, "verticalLayout", "lstMenuCatalog");
    m_catalogList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_subItemsFrame = new QFrame(this);
    m_subItemsFrame->setObjectName(QStringLiteral("frmMenuSubItems"));
    m_subItemsList = makeList(m_subItemsFrame, "verticalLayout_2", "lstMenuSubItems");
    m_subItemsList->setTextElideMode(Qt::ElideMiddle);
    m_discNameLabel = new QLabel(this);
    m_discNameLabel->setObjectName(QStringLiteral("lblMenuDiscName"));
    m_discNameLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_discNameLabel->hide();
}

void QBluRayMenu::setDiscName(const QString& name)
{
    m_discName = name;
    m_discNameLabel->setText(name);
    m_discNameLabel->setToolTip(name);
    m_discNameLabel->setVisible(!name.isEmpty());
    QPalette palette = m_discNameLabel->palette();
    palette.setColor(QPalette::WindowText, m_fontColor);
    m_discNameLabel->setPalette(palette);
    fitSubItems();
}

QString QBluRayMenu::discName() const
{
    return m_discName;
}

void QBluRayMenu::addCatalogEntries()
{
    for (int type = PlayMovieItem; type <= OtherTitlesItem; ++type)
        new QListWidgetItem(m_catalogList, type);
    retranslate();
}

void QBluRayMenu::retranslate()
{
    const QString texts[] = {tr("Play Movie"), tr("Chapter"), tr("Audio"), tr("Subtitle"),
                             tr("Other Titles")};
    for (int row = 0; row < m_catalogList->count(); ++row)
        m_catalogList->item(row)->setText(texts[row]);
}

void QBluRayMenu::setPlayer(QVlcPlayer* player)
{
    if (m_player)
        disconnect(m_player, nullptr, this, nullptr);
    m_player = player;
    if (player)
        connect(player, &QVlcPlayer::titleInfoChanged, this, &QBluRayMenu::onTitleInfoChanged,
                Qt::UniqueConnection);
    onTitleInfoChanged();
}

void QBluRayMenu::setMenuListBgImage(const QString& path)
{
    m_listBgImagePath = path;
    m_listBgImage = path.isEmpty() ? QImage() : QImage(path);
    update();
}

QString QBluRayMenu::menuListBgImageBorder() const
{
    const QRect& r = m_listBgImageBorder;
    return uxMargins{r.top(), r.right(), r.bottom(), r.left()}.toText();
}

void QBluRayMenu::setMenuListBgImageBorder(const QString& text)
{
    uxMargins margins;
    if (!margins.readText(text))
        return;
    m_listBgImageBorder.setCoords(margins.left, margins.top, margins.right, margins.bottom);
    update();
}

// --- Choices ----------------------------------------------------------------

void QBluRayMenu::onTitleInfoChanged()
{
    hideSubItems();
    m_titles.clear();
    if (m_player)
        m_player->titles(m_titles);
    update();
}

void QBluRayMenu::onCatalogItemClicked(QListWidgetItem* item)
{
    if (!item)
        return;
    if (item->type() == PlayMovieItem) {
        hideSubItems();
        if (m_player)
            m_player->play();
        return;
    }
    m_subItemsList->clear();
    if (item->type() == ChapterItem)
        listChapters();
    else if (item->type() == AudioItem)
        listTracks(VlcAudioTrack, AudioSubItem);
    else if (item->type() == SubtitleItem)
        listTracks(VlcSubtitleTrack, SubtitleSubItem);
    else if (item->type() == OtherTitlesItem)
        listTitles();
    m_subItemsList->show();
    fitSubItems();
    update();
}

void QBluRayMenu::listChapters()
{
    if (!m_player)
        return;
    const int title = m_player->currentTitle();
    const int chapter = m_player->currentChapter();
    for (const VlcTitle& record : qAsConst(m_titles)) {
        if (record.id != title)
            continue;
        for (const VlcChapter& c : record.chapters)
            addSubItem(c.name, c.id, ChapterSubItem, chapter);
        return;
    }
}

void QBluRayMenu::listTracks(int kind, int itemType)
{
    if (!m_player)
        return;
    QList<VlcTrack> tracks;
    m_player->tracks(kind, tracks);
    const int current = m_player->currentTrack(kind);
    bool any = false;
    for (const VlcTrack& track : qAsConst(tracks)) {
        addSubItem(track.nameWithFormat(), track.id, itemType, current);
        any = any || track.id >= 0;
    }
    // A disc without such streams says so rather than offering only "Disable".
    if (!any) {
        m_subItemsList->clear();
        auto* none = new QListWidgetItem(tr("None"), m_subItemsList);
        none->setFlags(Qt::NoItemFlags);
    }
}

void QBluRayMenu::listTitles()
{
    const int current = m_player ? m_player->currentTitle() : -1;
    for (const VlcTitle& title : qAsConst(m_titles))
        addSubItem(title.name, title.id, TitleSubItem, current);
}

void QBluRayMenu::addSubItem(const QString& text, int id, int itemType,
                             int currentId)
{
    auto* item = new QListWidgetItem(text, m_subItemsList, itemType);
    item->setData(Qt::UserRole, id);
    item->setToolTip(text);
    if (id == currentId)
        m_subItemsList->setCurrentItem(item);
}

void QBluRayMenu::onSubItemsItemClicked(QListWidgetItem* item)
{
    if (!item || !m_player)
        return;
    const int id = item->data(Qt::UserRole).toInt();
    switch (item->type()) {
    case ChapterSubItem:
        m_player->setChapter(id);
        break;
    case AudioSubItem:
        m_player->setTrack(VlcAudioTrack, id);
        return;
    case SubtitleSubItem:
        m_player->setTrack(VlcSubtitleTrack, id);
        return;
    case TitleSubItem:
        m_player->setTitle(id);
        break;
    default:
        return;
    }
    m_player->play();
    hideSubItems();
}

void QBluRayMenu::hideSubItems()
{
    if (m_subItemsList->isHidden())
        return;
    m_subItemsList->hide();
    update();
}

// --- Layout and events ------------------------------------------------------

void QBluRayMenu::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    const int w = width();
    const int h = height();
    const int unit = h / 12;
    const int column = qMin(w / 3, 5 * unit);
    m_column = column;
    const int catalogTop = h - 1 - 6 * unit - 25;
    m_catalogFrame->setGeometry(25, catalogTop, column, 6 * unit);
    m_subItemsFrame->setGeometry(column + 35, h - 1 - 10 * unit - 25, column, 10 * unit);
    m_discNameLabel->setGeometry(25, catalogTop - unit - 5, column, unit);
    m_discNameLabel->setFont(QBluRayMenuItemDelegate::rowFont(font(), unit));
    fitSubItems();
}

// The list is as wide as its longest entry needs, up to the menu's right
// edge; what is longer still is elided in the middle and shown in full as
// its tool tip.
void QBluRayMenu::fitSubItems()
{
    if (!m_subItemsDelegate)
        return;
    int needed = 0;
    for (int row = 0; row < m_subItemsList->count(); ++row)
        needed = qMax(needed, m_subItemsDelegate->textWidth(m_subItemsList->item(row)->text()));
    const QMargins margins = m_subItemsList->contentsMargins();
    needed += margins.left() + margins.right() + 2 * m_subItemsList->frameWidth() + 8;
    const int nameWidth = fitDiscName();
    QRect geometry = m_subItemsFrame->geometry();
    // A name wider than the list pushes the second list to its right rather
    // than running under it.
    geometry.moveLeft(qMax(m_column + 35, 25 + nameWidth + 10));
    const int room = width() - geometry.x() - 25;
    geometry.setWidth(qMax(m_column, qMin(needed, room)));
    m_subItemsFrame->setGeometry(geometry);
}

// The name takes what it needs, up to half the menu; a longer one is cut at
// its end and shown in full as the tool tip.
int QBluRayMenu::fitDiscName()
{
    const QFontMetrics metrics(m_discNameLabel->font());
    const int bound = qMax(m_column, width() / 2 - 25);
    const QString shown = metrics.elidedText(m_discName, Qt::ElideRight, bound);
    m_discNameLabel->setText(shown);
    const int nameWidth = qMin(bound, metrics.horizontalAdvance(shown) + 2);
    m_discNameLabel->resize(qMax(m_column, nameWidth), m_discNameLabel->height());
    return m_discName.isEmpty() ? 0 : nameWidth;
}

bool QBluRayMenu::eventFilter(QObject* watched, QEvent* event)
{
    // The rows' height follows the list's, so a resized list lays them out anew.
    if (event->type() == QEvent::Resize
        && (watched == m_catalogList || watched == m_subItemsList))
        static_cast<QListWidget*>(watched)->doItemsLayout();
    return QFrame::eventFilter(watched, event);
}

void QBluRayMenu::mousePressEvent(QMouseEvent* event)
{
    hideSubItems();
    m_catalogList->clearSelection();
    if (event->button() != Qt::RightButton) {
        QFrame::mousePressEvent(event);
        return;
    }
    event->accept();
    QApplication::restoreOverrideCursor();
    emit popupContextMenu(true);
}

void QBluRayMenu::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    emit fullscreen();
}

void QBluRayMenu::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}

// --- Painting ---------------------------------------------------------------

void QBluRayMenu::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    paintMenuBackground(&painter, rect());
    for (QListWidget* list : {m_catalogList, m_subItemsList}) {
        if (list->isVisibleTo(this))
            paintRectBackground(&painter, QRect(list->mapTo(this, QPoint(0, 0)), list->size()),
                                m_listBgImage, m_listBgImageBorder);
    }
    event->accept();
}

void QBluRayMenu::paintMenuBackground(QPainter* painter, QRect rcRect)
{
    painter->fillRect(rcRect, Qt::black);
    const QImage picture = backgroundPicture();
    if (picture.isNull() || rcRect.isEmpty())
        return;
    // Scaling a full-screen picture is costly; keep it while picture and size stay.
    const qint64 key = picture.cacheKey() ^ (qint64(rcRect.width()) << 32) ^ rcRect.height();
    if (m_scaledPicture.isNull() || m_scaledPictureKey != key) {
        QSize size = picture.size().scaled(rcRect.width(), INT_MAX, Qt::KeepAspectRatio);
        if (size.height() > rcRect.height())
            size = picture.size().scaled(INT_MAX, rcRect.height(), Qt::KeepAspectRatio);
        m_scaledPicture = QPixmap::fromImage(
            picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        m_scaledPictureKey = key;
    }
    QRect target(QPoint(0, 0), m_scaledPicture.size());
    target.moveCenter(rcRect.center());
    painter->drawPixmap(target.topLeft(), m_scaledPicture);
}

QImage QBluRayMenu::backgroundPicture()
{
    if (m_player && !m_player->coverImage().isNull())
        return m_player->coverImage();
    return fallbackPicture();
}

const QImage& QBluRayMenu::fallbackPicture()
{
    if (!m_fallbackLoaded) {
        m_fallbackLoaded = true;
        if (uxSrcMgr* resources = uxSrcMgr::instance())
            m_fallbackPicture = QImage(resources->productRoot() + QStringLiteral("/bd_menu_bg.png"));
    }
    return m_fallbackPicture;
}

void QBluRayMenu::paintRectBackground(QPainter* painter, QRect rcOutput, QImage imgBgImage,
                                      QRect rcBgImageBorder)
{
    if (imgBgImage.isNull() || rcOutput.isEmpty())
        return;
    // Borders from a skin may be negative or wider than the picture; keep them inside it.
    const int w = imgBgImage.width();
    const int h = imgBgImage.height();
    const int l = qBound(0, rcBgImageBorder.left(), w);
    const int r = qBound(0, rcBgImageBorder.right(), w - l);
    const int t = qBound(0, rcBgImageBorder.top(), h);
    const int b = qBound(0, rcBgImageBorder.bottom(), h - t);
    const QMargins margins(l, t, r, b);
    qDrawBorderPixmap(painter, rcOutput, margins, QPixmap::fromImage(imgBgImage),
                      imgBgImage.rect(), margins, QTileRules(Qt::StretchTile));
}

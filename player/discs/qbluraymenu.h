#pragma once

#include "framework/core/uxmargins.h"
#include "player/engine/vlcrecords.h"

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QPointer>

class QBluRayMenuItemDelegate;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QVlcPlayer;

// The player's own navigation menu for Blu-ray discs, drawn over the video:
// a catalog column (play, chapters, audio, subtitles, other titles) and a
// column listing what the chosen entry offers. Choices drive the player.
class QBluRayMenu : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(QColor menuItemFontColor READ menuItemFontColor WRITE setMenuItemFontColor)
    Q_PROPERTY(QColor menuItemFontColorH READ menuItemFontColorH WRITE setMenuItemFontColorH)
    Q_PROPERTY(QColor menuItemFontColorS READ menuItemFontColorS WRITE setMenuItemFontColorS)
    Q_PROPERTY(QColor menuItemFontColorI READ menuItemFontColorI WRITE setMenuItemFontColorI)
    Q_PROPERTY(QString menuListBgImage READ menuListBgImage WRITE setMenuListBgImage)
    Q_PROPERTY(QString menuListBgImageBorder READ menuListBgImageBorder WRITE
                   setMenuListBgImageBorder)
public:
    enum ItemType
    {
        PlayMovieItem = 10001,
        ChapterItem = 10002,
        AudioItem = 10003,
        SubtitleItem = 10004,
        OtherTitlesItem = 10005,
        ChapterSubItem = 20001,
        AudioSubItem = 20002,
        SubtitleSubItem = 20003,
        TitleSubItem = 20004
    };

    explicit QBluRayMenu(QWidget* parent = nullptr);

    // The player is not owned; its title list changes reach the menu by itself.
    void setPlayer(QVlcPlayer* player);
    // The disc's own name, shown above the catalog; empty hides it.
    void setDiscName(const QString& name);
    QString discName() const;

    QColor menuItemFontColor() const { return m_fontColor; }
    void setMenuItemFontColor(const QColor& colour) { m_fontColor = colour; }
    QColor menuItemFontColorH() const { return m_fontColorH; }
    void setMenuItemFontColorH(const QColor& colour) { m_fontColorH = colour; }
    QColor menuItemFontColorS() const { return m_fontColorS; }
    void setMenuItemFontColorS(const QColor& colour) { m_fontColorS = colour; }
    QColor menuItemFontColorI() const { return m_fontColorI; }
    void setMenuItemFontColorI(const QColor& colour) { m_fontColorI = colour; }
    QString menuListBgImage() const { return m_listBgImagePath; }
    void setMenuListBgImage(const QString& path);
    QString menuListBgImageBorder() const;
    void setMenuListBgImageBorder(const QString& text);

Q_SIGNALS:
    void fullscreen();
    void popupContextMenu(bool show);

protected Q_SLOTS:
    void onTitleInfoChanged();
    void onCatalogItemClicked(QListWidgetItem* item);
    void onSubItemsItemClicked(QListWidgetItem* item);
    void paintMenuBackground(QPainter* painter, QRect rcRect);
    void paintRectBackground(QPainter* painter, QRect rcOutput, QImage imgBgImage,
                             QRect rcBgImageBorder);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildForm();
    void addCatalogEntries();
    void retranslate();
    void listChapters();
    void listTracks(int kind, int itemType);
    void listTitles();
    void addSubItem(const QString& text, int id, int itemType, int currentId);
    void hideSubItems();
    void fitSubItems();
    int fitDiscName();
    QImage backgroundPicture();
    const QImage& fallbackPicture();

    QFrame* m_catalogFrame = nullptr;
    QListWidget* m_catalogList = nullptr;
    QFrame* m_subItemsFrame = nullptr;
    QListWidget* m_subItemsList = nullptr;
    QLabel* m_discNameLabel = nullptr;
    QString m_discName;
    int m_column = 0;
    QPointer<QVlcPlayer> m_player;
    QBluRayMenuItemDelegate* m_catalogDelegate = nullptr;
    QBluRayMenuItemDelegate* m_subItemsDelegate = nullptr;
    QList<VlcTitle> m_titles;
    QColor m_fontColor{255, 255, 255};
    QColor m_fontColorH{255, 0, 0};
    QColor m_fontColorS{0, 255, 0};
    QColor m_fontColorI{0, 0, 255};
    QString m_listBgImagePath;
    QImage m_listBgImage;
    QRect m_listBgImageBorder{QPoint(0, 0), QPoint(-1, -1)};
    QImage m_fallbackPicture;
    bool m_fallbackLoaded = false;
    QPixmap m_scaledPicture;
    qint64 m_scaledPictureKey = 0;
};

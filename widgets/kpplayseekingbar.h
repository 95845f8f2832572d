#pragma once

#include <QPixmap>
#include <QSlider>

class QLayout;

// A slider that jumps to where it is clicked, leaves skinnable spaces at the
// ends of its groove, and highlights a range of values with a nine-slice image.
class KpPlaySeekingBar : public QSlider
{
    Q_OBJECT
    Q_PROPERTY(QString trimRangeImage READ trimRangeImage WRITE setTrimRangeImage)
    Q_PROPERTY(QString trimRangeMargin READ trimRangeMargin WRITE setTrimRangeMargin)
    Q_PROPERTY(QString grooveOutterSpace READ grooveOutterSpace WRITE setGrooveOutterSpace)
public:
    explicit KpPlaySeekingBar(QWidget* parent = nullptr);
    // A horizontal bar named name in parent, ranging 0..maximum, added to into.
    static KpPlaySeekingBar* addHorizontal(QWidget* parent, const char* name, int maximum,
                                           QLayout* into);

    QString trimRangeImage() const { return m_trimImagePath; }
    void setTrimRangeImage(const QString& path);
    QString trimRangeMargin() const;
    void setTrimRangeMargin(const QString& text);
    QString grooveOutterSpace() const;
    void setGrooveOutterSpace(const QString& text);

    void setTrimRange(int start, int end);
    int trimStart() const { return m_trimStart; }
    int trimEnd() const { return m_trimEnd; }

    // The groove pixel along the slider that shows value, and the reverse.
    int pixelOfValue(int value) const;
    int valueOfPixel(int pixel) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Mapping
    {
        int origin = 0;
        int span = 0;
        bool upsideDown = false;
    };
    Mapping mapping() const;
    QRect grooveRect() const;
    void paintTrimRange(QPainter& painter, const QRect& groove);
    QPixmap trimPixmap(const QSize& size) const;

    int m_trimStart = 0;
    int m_trimEnd = 0;
    QString m_trimImagePath;
    QPixmap m_trimImage;
    int m_marginLeft = 0;
    int m_marginTop = 0;
    int m_marginRight = -1;
    int m_marginBottom = -1;
    int m_outerStart = 0;
    int m_outerEnd = 0;
};

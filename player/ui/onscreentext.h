#pragma once

#include <QFont>
#include <QPainterPath>
#include <QWidget>

class QTimer;

// A short text over the top left of the video: white letters with a dark
// outline, and nothing else: the widget is shaped to the letters, so the
// video shows around them. It stays 1.5 s, then fades out and hides; hidden
// it costs nothing.
class OnScreenText : public QWidget
{
    Q_OBJECT
public:
    // video is the widget the picture fills; font the family and weight to use.
    OnScreenText(QWidget* video, const QFont& font);

    void showText(const QString& text);
    // While blocked (a disc menu is shown) nothing appears, and what shows goes.
    void setBlocked(bool blocked);
    bool isBlocked() const { return m_blocked; }
    QString text() const { return m_text; }
    // The share of full brightness the letters have now, 1 while not fading.
    double brightness() const { return m_brightness; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void layoutText();
    void fadeStep();
    void finish();

    QFont m_font;
    QString m_text;
    QPainterPath m_path;
    double m_brightness = 1.0;
    bool m_blocked = false;
    QTimer* m_hold = nullptr;
    QTimer* m_fade = nullptr;
};

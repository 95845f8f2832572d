#pragma once

#include <QWidget>

// The top-level window shown until the player's own window takes its place.
class StartWindow : public QWidget
{
    Q_OBJECT
public:
    explicit StartWindow(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
};

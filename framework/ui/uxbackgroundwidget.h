#pragma once

#include <QFrame>

// The surface a skin paints a window's background on. It always covers its
// parent and stays below every sibling.
class uxBackgroundWidget : public QFrame
{
    Q_OBJECT
public:
    explicit uxBackgroundWidget(QWidget* parent);

public Q_SLOTS:
    void updateOnParentSize(QRect rcParent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

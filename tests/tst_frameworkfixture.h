#pragma once

#include <QEvent>
#include <QObject>
#include <QPoint>
#include <QStringList>
#include <QUrl>

class QWidget;

// Shared set-up of the window framework tests: the product beside the test
// programs, synthetic mouse input and a catcher for opened links.
namespace FrameworkFixture {

// Reads the product beside the test programs and applies language "en".
void loadProduct();
// Sends one mouse event with an explicit global position.
void sendMouse(QWidget* target, QEvent::Type type, const QPoint& local, const QPoint& global,
               Qt::MouseButton button = Qt::LeftButton);
// Writes a PNG of the given size filled with colour; corners of size
// cornerSide are left transparent.
void writePng(const QString& path, const QSize& size, const QColor& colour, int cornerSide = 0);

} // namespace FrameworkFixture

// Collects every URL the program asks the desktop to open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    UrlCatcher();
    ~UrlCatcher() override;
    QList<QUrl> urls;

public Q_SLOTS:
    void open(const QUrl& url) { urls << url; }
};

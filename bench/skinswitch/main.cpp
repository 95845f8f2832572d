// Times a skin switch and a language switch on a window of a few hundred
// widgets, next to applying the same, already composed style sheet directly.
// Usage: bench_skinswitch [rounds]   (needs a display; see bench/README.md)
#include "framework/core/uxsrcmgr.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QResource>
#include <QSlider>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

class RetranslatingLabel : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void changeEvent(QEvent* e) override
    {
        QLabel::changeEvent(e);
        if (e->type() == QEvent::LanguageChange)
            setText(QCoreApplication::translate("uxSystemMenu", "&Close"));
    }
};

QWidget* buildWindow(int widgets)
{
    auto* window = new QWidget;
    auto* grid = new QGridLayout(window);
    for (int i = 0; i < widgets; ++i) {
        QWidget* w = nullptr;
        switch (i % 4) {
        case 0:
            w = new QPushButton(QStringLiteral("Button %1").arg(i));
            break;
        case 1:
            w = new RetranslatingLabel(QStringLiteral("Label %1").arg(i));
            break;
        case 2:
            w = new QSlider(Qt::Horizontal);
            break;
        default:
            w = new QCheckBox(QStringLiteral("Option %1").arg(i));
            break;
        }
        grid->addWidget(w, i / 12, i % 12);
    }
    return window;
}

QString composed(uxSrcMgr* mgr, const QString& skin)
{
    mgr->setCurrentSkin(skin);
    return qApp->styleSheet();
}

// Median milliseconds of `rounds` runs of step(i), each followed by event processing.
double median(int rounds, const std::function<void(int)>& step)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        step(i);
        QCoreApplication::processEvents();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(3, atoi(argv[1])) : 15;
    uxSrcMgr* mgr = uxSrcMgr::createInstance(QStringLiteral(KESTREL_STAGE_DIR));
    QWidget* window = buildWindow(360);
    window->show();
    QCoreApplication::processEvents();
    const QStringList sheets = {composed(mgr, "Dark"), composed(mgr, "Light")};
    const QStringList skins = {"Dark", "Light"};
    const QStringList languages = {"de", "en"};

    // The floor needs the Dark package's pictures too, as a real switch has them.
    const QString darkPackage = mgr->skinDir() + QStringLiteral("/Dark.rcc");
    QResource::registerResource(darkPackage, QStringLiteral(":/skin/Dark"));
    const double floor = median(rounds, [&](int i) { qApp->setStyleSheet(sheets[i % 2]); });
    QResource::unregisterResource(darkPackage, QStringLiteral(":/skin/Dark"));
    const double skin = median(rounds, [&](int i) { mgr->setCurrentSkin(skins[i % 2]); });
    const double language =
        median(rounds, [&](int i) { mgr->setCurrentLanguage(languages[i % 2]); });

    std::printf("widgets: 360, rounds: %d (median ms)\n", rounds);
    std::printf("style sheet applied directly (floor): %8.2f ms\n", floor);
    std::printf("skin switch:                          %8.2f ms  ratio %.2f\n", skin, skin / floor);
    std::printf("language switch:                      %8.2f ms  ratio %.2f\n", language,
                language / floor);
    delete window;
    uxSrcMgr::deleteInstance();
    return 0;
}

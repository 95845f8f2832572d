// The seek and volume bars of the player window under real X input while a
// clip plays: a held handle stays under the pointer, the player's position
// updates never become seeks, and a click on the volume bar jumps there.
#include "fixtures/mediafixture.h"
#include "fixtures/playerprobe.h"
#include "fixtures/xinput.h"
#include "framework/core/uxsrcmgr.h"
#include "player/engine/qvlcplayer.h"
#include "player/ui/formcontrolpanel.h"
#include "player/ui/mainwindow.h"
#include "player/ui/mainwindowbase.h"
#include "testenvironment.h"
#include "tst_frameworkfixture.h"
#include "widgets/kpplayseekingbar.h"

#include <QApplication>
#include <QSettings>
#include <QStyleOptionSlider>
#include <algorithm>

namespace {

QRect handleRect(const KpPlaySeekingBar* bar)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.subControls = QStyle::SC_SliderHandle;
    return bar->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, bar);
}

// The point over value on the bar's groove.
QPoint over(const KpPlaySeekingBar* bar, int value)
{
    return QPoint(bar->pixelOfValue(value), bar->height() / 2);
}

QString clip(const QString& name, double seconds)
{
    const QString duration = QString::number(seconds);
    return MediaFixture::ffmpeg(name, {"-f", "lavfi", "-i",
                                       "testsrc2=size=320x180:rate=25:duration=" + duration, "-f",
                                       "lavfi", "-i", "sine=frequency=440:duration=" + duration,
                                       "-c:v", "libx264", "-preset", "ultrafast", "-c:a", "aac"});
}

} // namespace

class TestSliderInput : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindowBase> m_base;
    MainWindow* m_window = nullptr;
    std::unique_ptr<PlayerProbe> m_probe;

    void openAndPlay(const QString& path)
    {
        m_probe->clear();
        m_window->openFileByName(path);
        QVERIFY2(m_probe->waitForState(QVlcPlayer::Started), qPrintable(m_probe->order.join(' ')));
    }

private Q_SLOTS:
    void initTestCase()
    {
        FrameworkFixture::loadProduct();
        uxSrcMgr::instance()->setCurrentSkin("Dark");
    }
    void init()
    {
        QSettings().clear();
        m_base = std::make_unique<MainWindowBase>();
        m_base->resize(1000, 620);
        m_base->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_base.get()));
        m_window = m_base->playerWindow();
        m_probe = std::make_unique<PlayerProbe>(m_window->getVlcPlayer());
    }
    void cleanup()
    {
        XInput::release();
        m_base->close();
        m_probe.reset();
        m_base.reset();
    }

    void heldHandleStaysUnderThePointer()
    {
        const QString path = clip("twenty.mkv", 20);
        QVERIFY(!path.isEmpty());
        openAndPlay(path);
        KpPlaySeekingBar* bar = m_window->ui().playSeekingBar;
        QTRY_COMPARE(bar->maximum(), 20);
        QVERIFY(m_probe->waitForTime(1));

        QVERIFY(XInput::moveTo(bar, handleRect(bar).center()));
        QVERIFY(XInput::press());
        QTRY_VERIFY(bar->isSliderDown());
        QVERIFY(XInput::moveTo(bar, over(bar, 10)));
        QTRY_VERIFY(qAbs(bar->value() - 10) <= 2);
        const int dropped = bar->value();
        // The clip plays on for two and a half seconds under the held handle.
        for (int i = 0; i < 25; ++i) {
            QTest::qWait(100);
            QCOMPARE(bar->value(), dropped);
            QCOMPARE(bar->sliderPosition(), dropped);
        }
        QVERIFY(m_probe->times.last() > dropped + 1);
        QVERIFY(XInput::release());
        QTRY_VERIFY(!bar->isSliderDown());
        // The player went where the handle was dropped and the bar follows it again.
        QTRY_VERIFY(bar->value() > dropped + 1);
        QVERIFY2(m_probe->times.last() < dropped + 6, qPrintable(QString::number(m_probe->times.last())));
    }

    void positionUpdatesNeverSeek()
    {
        // The first clip ends 0.9 s after its last whole second, the second is shorter.
        const QString first = clip("twelve.mkv", 12.9);
        const QString second = MediaFixture::movie();
        QVERIFY(!first.isEmpty() && !second.isEmpty());
        openAndPlay(first);
        KpPlaySeekingBar* bar = m_window->ui().playSeekingBar;
        QTRY_COMPARE(bar->maximum(), 12);
        QVERIFY(m_probe->waitForTime(0.5f));
        m_window->getVlcPlayer()->seek(11.5f);
        QTRY_COMPARE_WITH_TIMEOUT(bar->value(), 12, 3000);
        m_window->getVlcPlayer()->pause();
        QVERIFY(m_probe->waitForState(QVlcPlayer::Paused));
        QCOMPARE(bar->value(), 12);

        // The wheel cannot take the handle past the end: the value stays.
        QVERIFY(XInput::wheel(bar, over(bar, 11), true));
        QTest::qWait(300);
        QCOMPARE(bar->value(), 12);

        // The next values the program sets come from the shorter clip.
        openAndPlay(second);
        m_probe->times.clear();
        QTest::qWait(1200);
        QVERIFY(!m_probe->times.isEmpty());
        const auto [low, high] = std::minmax_element(m_probe->times.begin(), m_probe->times.end());
        QVERIFY2(*low < 0.8f && *high < 2.5f,
                 qPrintable(QString("times from %1 to %2").arg(*low).arg(*high)));
        QVERIFY(m_window->getVlcPlayer()->state() != QVlcPlayer::Idle);
    }

    void volumeBarJumpsToTheClick()
    {
        KpPlaySeekingBar* volume = m_window->ui().previewVolume;
        QVERIFY(volume->isEnabled());
        for (int target : {30, 110, 60}) {
            QVERIFY(XInput::click(volume, over(volume, target)));
            QTRY_VERIFY2(qAbs(volume->value() - target) <= 3,
                         qPrintable(QString("%1 for %2").arg(volume->value()).arg(target)));
            QCOMPARE(m_window->controlBar()->previewVolume->value(), volume->value());
        }
    }
};

KP_TEST_MAIN(TestSliderInput)
#include "tst_sliderinput.moc"

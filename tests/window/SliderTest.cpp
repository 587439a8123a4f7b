// The gray-level slider: keys, clicks and drags, and the four displays that follow it.

#include "WindowFixture.h"

#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

namespace {

// Where a part of the scroll bar is drawn, in its own coordinates.
QPoint PartCentre(QScrollBar* bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar).center();
}

void ExpectDisplays(const WindowFixture& w, int level, const QString& gamma) {
    QCOMPARE(w.Text("Label2"), QString("RGB(%1, %1, %1)").arg(level));
    QCOMPARE(w.Text("Label1"), QString("Gamma :  ") + gamma);
    QCOMPARE(w.Box("Picture2")->backColor(), Gray(level));
    QCOMPARE(w.Box("Picture5")->backColor(), Gray(level));
}

} // namespace

class SliderTest : public QObject {
    Q_OBJECT

  private slots:
    void keys_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("level");
        QTest::newRow("Right") << 192 << int(Qt::Key_Right) << 193;
        QTest::newRow("Down") << 192 << int(Qt::Key_Down) << 193;
        QTest::newRow("Left") << 192 << int(Qt::Key_Left) << 191;
        QTest::newRow("Up") << 192 << int(Qt::Key_Up) << 191;
        QTest::newRow("PageDown") << 192 << int(Qt::Key_PageDown) << 202;
        QTest::newRow("PageUp") << 192 << int(Qt::Key_PageUp) << 182;
        QTest::newRow("Home") << 192 << int(Qt::Key_Home) << 81;
        QTest::newRow("End") << 192 << int(Qt::Key_End) << 237;
        QTest::newRow("Right at the top") << 237 << int(Qt::Key_Right) << 237;
        QTest::newRow("PageUp near the bottom") << 85 << int(Qt::Key_PageUp) << 81;
    }
    void keys() {
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(int, level);
        WindowFixture w;
        w.Slider()->setValue(start);
        // Reached as a user would: one Tab from the control panel.
        QTRY_COMPARE(QApplication::focusWidget(), w.Control("Picture3"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.Slider());
        QTest::keyClick(w.Slider(), Qt::Key(key));
        QCOMPARE(w.Slider()->value(), level);
        QCOMPARE(w.Text("Label2"), QString("RGB(%1, %1, %1)").arg(level));
    }

    void clicks_data() {
        QTest::addColumn<int>("part");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("gamma");
        QTest::newRow("right arrow") << int(QStyle::SC_ScrollBarAddLine) << 193 << "2.48";
        QTest::newRow("left arrow") << int(QStyle::SC_ScrollBarSubLine) << 191 << "2.39";
        QTest::newRow("track right of the thumb") << int(QStyle::SC_ScrollBarAddPage) << 202 << "2.97";
        QTest::newRow("track left of the thumb") << int(QStyle::SC_ScrollBarSubPage) << 182 << "2.05";
    }
    void clicks() {
        QFETCH(int, part);
        QFETCH(int, level);
        QFETCH(QString, gamma);
        WindowFixture w;
        QTest::mouseClick(w.Slider(), Qt::LeftButton, {}, PartCentre(w.Slider(), QStyle::SubControl(part)));
        QCOMPARE(w.Slider()->value(), level);
        ExpectDisplays(w, level, gamma);
        QCOMPARE(w.CentreColour(w.Box("Picture2")), Gray(level));
    }

    void dragFollowsTheThumb() {
        WindowFixture w;
        QScrollBar* bar = w.Slider();
        QPoint at = PartCentre(bar, QStyle::SC_ScrollBarSlider);
        QTest::mousePress(bar, Qt::LeftButton, {}, at);
        QList<int> seen;
        for (int step = 0; step < 20; ++step) {
            at += QPoint(-20, 0);
            QTest::mouseMove(bar, at);
            seen << bar->value();
            // Before the button is released, every display already shows the level.
            ExpectDisplays(w, bar->value(), QString::fromStdU16String(*ChartWindow::GetGammaValue(bar->value())));
        }
        QTest::mouseRelease(bar, Qt::LeftButton, {}, at);
        QVERIFY(seen.first() < 192);
        QCOMPARE(seen.last(), 81); // dragged past the left end
        QVERIFY(std::is_sorted(seen.rbegin(), seen.rend()));
    }

    void everyLevel() {
        WindowFixture w;
        for (int level = 81; level <= 237; ++level) {
            w.Slider()->setValue(level);
            ExpectDisplays(w, level, QString::fromStdU16String(*ChartWindow::GetGammaValue(level)));
        }
    }

    void levelsAsSeen_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("gamma");
        QTest::newRow("lowest") << 81 << "0.60";
        QTest::newRow("128") << 128 << "1.00";
        QTest::newRow("202") << 202 << "2.97";
        QTest::newRow("highest") << 237 << "9.46";
    }
    void levelsAsSeen() {
        QFETCH(int, level);
        QFETCH(QString, gamma);
        WindowFixture w;
        w.Slider()->setValue(level);
        ExpectDisplays(w, level, gamma);
        QCOMPARE(w.CentreColour(w.Box("Picture2")), Gray(level));
        w.Control<QRadioButton>("Option1(1)")->click();
        QCOMPARE(w.CentreColour(w.Box("Picture5")), Gray(level));
    }

    void failingGammaKeepsItsReadout() {
        WindowFixture w([](std::int16_t level) -> Commands::Result<Commands::Text> {
            if (level == 200)
                return Commands::Fail(Commands::ErrorCode::DivisionByZero);
            return ChartWindow::GetGammaValue(level);
        });
        w.Slider()->setValue(199);
        QCOMPARE(w.Text("Label1"), QString("Gamma :  2.79"));
        w.Slider()->setValue(200);
        QCOMPARE(w.Text("Label1"), QString("Gamma :  2.79")); // kept
        QCOMPARE(w.Text("Label2"), QString("RGB(200, 200, 200)"));
        QCOMPARE(w.Box("Picture2")->backColor(), Gray(200));
        QCOMPARE(w.Box("Picture5")->backColor(), Gray(200));
    }
};

QTEST_MAIN(SliderTest)
#include "SliderTest.moc"

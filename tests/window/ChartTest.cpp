// The chart after loading, and the switch between the two views.

#include "ChartLevels.h"
#include "WindowFixture.h"

#include <QTest>

class ChartTest : public QObject {
    Q_OBJECT

  private slots:
    void loadedChart() {
        WindowFixture w;
        QCOMPARE(w.form->windowTitle(), QString("Quenbury Tonalyx"));
        const QImage image = w.Grab();
        for (int i = 0; i < ChartWindow::kPatchCount; ++i) {
            const QString name = QString("picGamma(%1)").arg(i);
            QCOMPARE(w.Box(qPrintable(name))->backColor(), Gray(ChartWindow::kPatchLevels[i]));
            // A point of the patch that its caption does not cover.
            const QPoint inside = w.Box(qPrintable(name))->mapTo(w.form.get(), QPoint(31, 14));
            QCOMPARE(image.pixelColor(inside), Gray(ChartWindow::kPatchLevels[i]));
        }
        QCOMPARE(w.CentreColour(w.Box("Picture2")), Gray(192));
        QCOMPARE(w.Box("Picture5")->backColor(), Gray(192));
    }

    void loadRunsOnceAndLeavesTheViews() {
        WindowFixture w;
        w.Control<QRadioButton>("Option1(1)")->click();
        w.form->Show(); // showing again does not load again
        QVERIFY(w.Control("picView(1)")->isVisible());
        QVERIFY(!w.Control("picView(0)")->isVisible());
    }

    void switchByMouse() {
        WindowFixture w;
        auto* option2 = w.Control<QRadioButton>("Option1(1)");
        QTest::mouseClick(option2, Qt::LeftButton, {}, QPoint(8, option2->height() / 2));
        QVERIFY(option2->isChecked());
        QVERIFY(!w.Control("picView(0)")->isVisible());
        QVERIFY(w.Control("picView(1)")->isVisible());
        QCOMPARE(w.CentreColour(w.Box("Picture5")), Gray(192));

        auto* option1 = w.Control<QRadioButton>("Option1(0)");
        QTest::mouseClick(option1, Qt::LeftButton, {}, QPoint(8, option1->height() / 2));
        QVERIFY(w.Control("picView(0)")->isVisible());
        QVERIFY(!w.Control("picView(1)")->isVisible());
    }

    void switchByKeyboard() {
        WindowFixture w;
        auto* option1 = w.Control<QRadioButton>("Option1(0)");
        option1->setFocus();
        QTest::keyClick(option1, Qt::Key_Right);
        QVERIFY(w.Control<QRadioButton>("Option1(1)")->isChecked());
        QVERIFY(w.Control("picView(1)")->isVisible());
        QVERIFY(!w.Control("picView(0)")->isVisible());
    }

    void viewTwoLinesCutAtTheViewsEdge() {
        WindowFixture w;
        w.Control<QRadioButton>("Option1(1)")->click();
        const QImage image = w.Grab();
        QWidget* field = w.Box("Picture4");
        const QPoint origin = field->mapTo(w.form.get(), QPoint(0, 0));
        const int visibleRows = w.Control("picView(1)")->height() - field->y(); // 293
        QCOMPARE(visibleRows, 293);
        for (int y = 0; y < visibleRows; ++y) // left of the swatch
            QCOMPARE(image.pixelColor(origin + QPoint(40, y)), y % 2 == 0 ? QColor(Qt::white) : QColor(Qt::black));
        // Below the view's bottom edge the window is black again.
        QCOMPARE(image.pixelColor(origin + QPoint(40, visibleRows)), QColor(Qt::black));
        QCOMPARE(image.pixelColor(origin + QPoint(40, visibleRows + 1)), QColor(Qt::black));
    }

    void hiddenSwatchFollowsTheSlider() {
        WindowFixture w;
        w.Slider()->setValue(200);
        w.Control<QRadioButton>("Option1(1)")->click();
        QCOMPARE(w.CentreColour(w.Box("Picture5")), Gray(200));
    }
};

QTEST_MAIN(ChartTest)
#include "ChartTest.moc"

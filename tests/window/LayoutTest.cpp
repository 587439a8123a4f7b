// The window as it is created: every control in its place, stacking, tab order, fonts, the line field's
// rows and the initial state.

#include "WindowFixture.h"

#include <QFontInfo>
#include <QTest>

class LayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void windowIsFixed() {
        WindowFixture w;
        QCOMPARE(w.form->size(), QSize(544, 432));
        QCOMPARE(w.form->minimumSize(), w.form->maximumSize());
        const auto flags = w.form->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(!w.form->windowIcon().isNull());
    }

    void geometry_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("pixels"); // within the container's client area, at 96 dpi
        auto row = [](const char* name, const char* container, QRect r) {
            QTest::newRow(name) << QString(name) << QString(container) << r;
        };
        row("picView(1)", "Form1", {37, 17, 484, 325});
        row("Picture5", "picView(1)", {163, 105, 140, 143});
        row("Picture4", "picView(1)", {77, 32, 313, 352});
        row("picView(0)", "Form1", {46, 24, 463, 306});
        row("Picture1", "picView(0)", {0, 34, 227, 267});
        row("Picture2", "picView(0)", {227, 34, 227, 267});
        row("picGamma(0)", "Form1", {0, 0, 35, 17});
        row("picGamma(7)", "Form1", {238, 0, 35, 17});
        row("picGamma(15)", "Form1", {510, 0, 35, 17});
        row("lblGamma(0)", "picGamma(0)", {3, 2, 27, 13});
        row("lblGamma(9)", "picGamma(9)", {2, 2, 27, 13});
        row("Picture3", "Form1", {0, 371, 544, 61});
        row("Option1(1)", "Picture3", {100, 33, 71, 18});
        row("Option1(0)", "Picture3", {15, 33, 71, 18});
        row("HScroll1", "Picture3", {43, 3, 456, 20});
        row("Label2", "Picture3", {357, 34, 119, 15});
        row("Label1", "Picture3", {197, 27, 147, 29});
    }
    void geometry() {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, pixels);
        WindowFixture w;
        QWidget* control = w.Control(qPrintable(name));
        QCOMPARE(control->geometry(), pixels);
        // A picture box's children live in its client area, inside its border.
        QWidget* parent = control->parentWidget();
        if (container != "Form1") {
            auto* box = w.Box(qPrintable(container));
            QCOMPARE(parent, box->clientArea());
            QCOMPARE(parent->geometry(), box->rect().adjusted(box->borderWidth(), box->borderWidth(),
                                                              -box->borderWidth(), -box->borderWidth()));
        } else {
            QCOMPARE(parent, w.form.get());
        }
    }

    void stacking() {
        WindowFixture w;
        // Neighbouring patches share one column, and the right-hand one lies above.
        for (int i = 0; i < 15; ++i)
            QCOMPARE(w.form->childAt(34 * (i + 1), 8), w.Control(qPrintable(QString("picGamma(%1)").arg(i + 1))));
        // The swatch of view 2 lies on the line field.
        w.Control<QRadioButton>("Option1(1)")->click();
        QWidget* view2 = w.Box("picView(1)")->clientArea();
        QWidget* top = view2->childAt(w.Box("Picture5")->geometry().center());
        QVERIFY(top == w.Box("Picture5") || w.Box("Picture5")->isAncestorOf(top));
    }

    void tabOrder() {
        WindowFixture w;
        QTRY_COMPARE(QApplication::focusWidget(), w.Control("Picture3"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.Control("HScroll1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // the two labels take no focus
        QCOMPARE(QApplication::focusWidget(), w.Control("picGamma(0)"));
    }

    void fonts() {
        WindowFixture w;
        const QFontInfo caption(w.Control("lblGamma(3)")->font());
        QCOMPARE(caption.family(), QString("Liberation Sans")); // Arial's metrics
        QVERIFY(caption.bold());
        QCOMPARE(w.Control("lblGamma(3)")->font().pointSizeF(), 6.75);
        QCOMPARE(w.Control("Label1")->font().pointSizeF(), 14.25);
        QVERIFY(w.Control("Label1")->font().bold());
        QCOMPARE(QFontInfo(w.Control("Label2")->font()).family(), QString("Liberation Sans"));
    }

    void blackBackground() {
        WindowFixture w;
        const QImage image = w.Grab();
        for (QPoint p : {QPoint(5, 200), QPoint(540, 200), QPoint(272, 350), QPoint(272, 20), QPoint(48, 40)})
            QCOMPARE(image.pixelColor(p), QColor(Qt::black));
    }

    void initialState() {
        WindowFixture w;
        QVERIFY(w.Control("picView(0)")->isVisible());
        QVERIFY(!w.Control("picView(1)")->isVisible());
        QVERIFY(w.Control<QRadioButton>("Option1(0)")->isChecked());
        QVERIFY(!w.Control<QRadioButton>("Option1(1)")->isChecked());
        QCOMPARE(w.Slider()->value(), 192);
        QCOMPARE(w.Slider()->minimum(), 81);
        QCOMPARE(w.Slider()->maximum(), 237);
        QCOMPARE(w.Text("Label2"), QString("RGB(192, 192, 192)"));
        QCOMPARE(w.Text("Label1"), QString("Gamma :  2.44"));
        for (int i = 0; i < 16; ++i)
            QCOMPARE(w.Text(qPrintable(QString("lblGamma(%1)").arg(i))), QString::number(1.0 + 0.2 * i, 'f', 1));
    }
};

QTEST_MAIN(LayoutTest)
#include "LayoutTest.moc"

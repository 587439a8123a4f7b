// The chart at other pixel densities: the line fields must reach the screen as whole device-pixel rows
// of pure white and pure black, and every gray must stay exact. Run once per scale factor.

#include "ChartLevels.h"
#include "WindowFixture.h"

#include <QFontMetrics>
#include <QTest>

#include <cmath>

namespace {

// The device pixels a control covers in the window's grab: Qt puts a widget's edges on the device
// pixel nearest to them, halves rounded up.
QRect DeviceRect(const WindowFixture& w, QWidget* control, qreal ratio) {
    const QRectF logical(control->mapTo(w.form.get(), QPoint(0, 0)), control->size());
    return QRect(QPoint(qRound(logical.left() * ratio), qRound(logical.top() * ratio)),
                 QPoint(qRound(logical.right() * ratio) - 1, qRound(logical.bottom() * ratio) - 1));
}

QImage DeviceGrab(const WindowFixture& w) { return w.form->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// Every device row of the area is one colour, the rows alternate, and the first is white.
QString CheckLines(const QImage& image, QRect area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QColor expected = (y - area.top()) % 2 == 0 ? QColor(Qt::white) : QColor(Qt::black);
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) != expected)
                return QString("device pixel (%1, %2) is %3, row %4 of the field")
                    .arg(x)
                    .arg(y)
                    .arg(image.pixelColor(x, y).name())
                    .arg(y - area.top());
    }
    return {};
}

} // namespace

class DensityTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { qInfo("device pixel ratio %g", WindowFixture().form->devicePixelRatioF()); }

    void layoutScalesAsAWhole() {
        WindowFixture w;
        QCOMPARE(w.form->size(), QSize(544, 432)); // logical size, whatever the density
        QCOMPARE(w.form->minimumSize(), w.form->maximumSize());
        w.Control<QLabel>("Label2")->setText("RGB(237, 237, 237)"); // the widest readout
        for (QLabel* label : w.form->findChildren<QLabel*>()) {
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                     qPrintable(label->objectName()));
            QVERIFY2(label->fontMetrics().height() <= label->height(), qPrintable(label->objectName()));
        }
        for (const char* name : {"Option1(0)", "Option1(1)"})
            QVERIFY2(w.Control(name)->sizeHint().width() <= w.Control(name)->width(), name);
    }

    void viewOneLines() {
        WindowFixture w;
        const qreal ratio = w.form->devicePixelRatioF();
        const QString fault = CheckLines(DeviceGrab(w), DeviceRect(w, w.Box("Picture1"), ratio));
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    void viewTwoLines() {
        WindowFixture w;
        w.Control<QRadioButton>("Option1(1)")->click();
        const qreal ratio = w.form->devicePixelRatioF();
        // The field as far as the view shows it, left of the swatch that lies on it.
        QWidget* view = w.Control("picView(1)");
        QRect field = DeviceRect(w, w.Box("Picture4"), ratio) & DeviceRect(w, view, ratio);
        field.setRight(DeviceRect(w, w.Box("Picture5"), ratio).left() - 1);
        const QString fault = CheckLines(DeviceGrab(w), field);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    void graysStayExact() {
        WindowFixture w;
        const QImage image = DeviceGrab(w);
        const qreal ratio = w.form->devicePixelRatioF();
        for (int i = 0; i < ChartWindow::kPatchCount; ++i) {
            // The patch's right half under its caption line, well inside its border.
            QWidget* patch = w.Box(qPrintable(QString("picGamma(%1)").arg(i)));
            const QRect area = DeviceRect(w, patch, ratio);
            const QPoint probe(area.right() - int(3 * ratio), area.center().y());
            QCOMPARE(image.pixelColor(probe), Gray(ChartWindow::kPatchLevels[i]));
        }
        // The swatch up to its edges, and the black around it.
        const QRect swatch = DeviceRect(w, w.Box("Picture2"), ratio);
        for (int y = swatch.top(); y <= swatch.bottom(); ++y)
            for (int x : {swatch.left(), swatch.center().x(), swatch.right()})
                QCOMPARE(image.pixelColor(x, y), Gray(192));
        QCOMPARE(image.pixelColor(swatch.right() + 1, swatch.center().y()), QColor(Qt::black));
    }
};

QTEST_MAIN(DensityTest)
#include "DensityTest.moc"

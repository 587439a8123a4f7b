// Reading the line fields' bitmaps: the pixels of a well-formed one, and nothing from a broken one.

#include "Bitmap.h"

#include <QFile>
#include <QTest>

class BitmapTest : public QObject {
    Q_OBJECT

  private slots:
    void wellFormed() {
        // 10 x 3: row 0 white, row 1 black, row 2 black then white; rows padded to two bytes.
        const QByteArray data = QByteArray("P4\n# a comment\n10 3\n") + QByteArray::fromHex("0000ffc0f000");
        const QImage image = ChartWindow::ReadBitmap(data);
        QCOMPARE(image.size(), QSize(10, 3));
        for (int x = 0; x < 10; ++x) {
            QCOMPARE(image.pixel(x, 0), qRgb(255, 255, 255));
            QCOMPARE(image.pixel(x, 1), qRgb(0, 0, 0));
            QCOMPARE(image.pixel(x, 2), x < 4 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    }

    void broken_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("other format") << QByteArray("P5\n1 1\n\x00", 8);
        QTest::newRow("no size") << QByteArray("P4\n");
        QTest::newRow("zero width") << QByteArray("P4\n0 1\n\x00", 8);
        QTest::newRow("huge") << QByteArray("P4\n99999999 99999999\n");
        QTest::newRow("cut short") << QByteArray("P4\n16 2\n\x00\x00\x00", 10);
        QTest::newRow("no blank after the header") << QByteArray("P4\n8 1");
    }
    void broken() {
        QFETCH(QByteArray, data);
        QVERIFY(ChartWindow::ReadBitmap(data).isNull());
    }

    void committedFields() {
        for (const auto& [file, size] :
             {std::pair{":/lines-227x267.pbm", QSize(227, 267)}, std::pair{":/lines-350x350.pbm", QSize(350, 350)}}) {
            QFile resource(file);
            QVERIFY(resource.open(QIODevice::ReadOnly));
            const QImage image = ChartWindow::ReadBitmap(resource.readAll());
            QCOMPARE(image.size(), size);
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    QCOMPARE(image.pixel(x, y), y % 2 == 0 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        }
    }
};

QTEST_GUILESS_MAIN(BitmapTest)
#include "BitmapTest.moc"

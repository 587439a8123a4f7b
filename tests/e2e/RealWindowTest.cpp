// The real program in a real window under an X server with a window manager, used as a person would:
// started, looked at (a screenshot of the screen), clicked and typed at (xdotool).

#include "Commands.h"
#include "Form1.h"

#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include <signal.h>

namespace {

const QString kTitle = QStringLiteral("Quenbury Tonalyx");

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString Xdotool(const QStringList& arguments) { return Run("xdotool", arguments); }

// The program's windows, by their exact title.
QStringList Windows() {
    return Xdotool({"search", "--onlyvisible", "--name", "^" + kTitle + "$"}).split('\n', Qt::SkipEmptyParts);
}

int Number(const QString& text, const QString& pattern) {
    return QRegularExpression(pattern).match(text).captured(1).toInt();
}

struct Placement {
    QRect client;   // on the screen
    QMargins frame; // what the window manager put around it
    QRect Outer() const { return client.marginsAdded(frame); }
};

Placement Place(const QString& window) {
    const QString info = Run("xwininfo", {"-id", window});
    const QString extents = Run("xprop", {"-id", window, "_NET_FRAME_EXTENTS"});
    const auto values = QRegularExpression(R"(= (\d+), (\d+), (\d+), (\d+))").match(extents);
    return {{Number(info, R"(Absolute upper-left X:\s+(-?\d+))"), Number(info, R"(Absolute upper-left Y:\s+(-?\d+))"),
             Number(info, R"(Width:\s+(\d+))"), Number(info, R"(Height:\s+(\d+))")},
            {values.captured(1).toInt(), values.captured(3).toInt(), values.captured(2).toInt(),
             values.captured(4).toInt()}};
}

QImage Screenshot() {
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

QColor Gray(int level) { return QColor(level, level, level); }

// Places in the window, from the layout at 96 dpi.
const QPoint kPicture1(46, 58);          // view 1's line field, 227 x 267
const QPoint kPicture2(273, 58);         // view 1's swatch
const QPoint kPicture4(114, 49);         // view 2's line field, 293 rows visible
const QPoint kPicture5(200, 122);        // view 2's swatch, 140 x 143
const QPoint kOption2(102 + 8, 406 + 9); // "Ansicht 2"
const QPoint kOption1(17 + 8, 406 + 9);  // "Ansicht 1"
// The sixteen patch grays, left to right, as the chart calibrates them.
const int kPatchLevels[] = {128, 143, 156, 165, 174, 181, 186, 191, 195, 199, 203, 206, 208, 211, 213, 215};
const QRect kLabel1(199, 400, 147, 29);  // the gamma readout
const QRect kLabel2(359, 407, 119, 15);  // the RGB readout

bool LinesAt(const QImage& shot, QPoint origin, int width, int rows) {
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < width; ++x)
            if (shot.pixelColor(origin + QPoint(x, y)) != (y % 2 == 0 ? QColor(Qt::white) : QColor(Qt::black)))
                return false;
    return true;
}

// A readout ("Label1" or "Label2") as the program draws it for `level`, drawn here with the same code
// and fonts.
QImage ReadoutFor(const char* label, int level) {
    Commands::Environment env;
    ChartWindow::Form1 form(env);
    form.findChild<QScrollBar*>("HScroll1")->setValue(level);
    return form.findChild<QLabel*>(label)->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

#define START(...)                                                                                                     \
    do {                                                                                                               \
        Start(__VA_ARGS__);                                                                                            \
        if (QTest::currentTestFailed())                                                                                \
            return;                                                                                                    \
    } while (false)

class RealWindowTest : public QObject {
    Q_OBJECT

    QProcess program;
    QString window; // the program's window, once started

    // Starts the program and waits until its window shows the chart (the first patch in its gray).
    void Start(const QStringList& arguments = {}) {
        program.start(QStringLiteral(TONALYX_BIN), arguments);
        // Generous: a loaded machine, or a sanitizer build, starts slowly.
        QTRY_VERIFY_WITH_TIMEOUT((window = Windows().value(0), !window.isEmpty()), 30000);
        const qreal ratio = qEnvironmentVariable("TONALYX_E2E_SCALE", "1").toDouble();
        QTRY_VERIFY_WITH_TIMEOUT(Screenshot().pixelColor(Place(window).client.topLeft() +
                                                         QPoint(qRound(20 * ratio), qRound(14 * ratio))) == Gray(128),
                                 15000);
    }
    QPoint On(const QString& window, QPoint inWindow) { return Place(window).client.topLeft() + inWindow; }
    void Click(QPoint at) { Xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"}); }

  private slots:
    void cleanup() {
        program.kill();
        program.waitForFinished();
    }

    void centredByItsOuterFrame() {
        START();
        const Placement p = Place(window);
        QCOMPARE(p.client.size(), QSize(544, 432));
        QVERIFY2(p.frame.top() > 0, "the window manager framed the window");
        // The rule on twips: the outer frame centred across the width and in the upper 85 % of the height.
        const QSize screen = QGuiApplication::primaryScreen()->size();
        const int a = int(std::nearbyint(screen.height() * 15 * 0.85));
        const int top = a / 2 - p.Outer().height() * 15 / 2;
        const int left = screen.width() * 15 / 2 - p.Outer().width() * 15 / 2;
        QCOMPARE(p.Outer().top(), int(std::lround(std::max(top, 0) / 15.0)));
        QCOMPARE(p.Outer().left(), int(std::lround(std::max(left, 0) / 15.0)));
    }

    void firstLook() {
        START({"--help", "chart.png"}); // arguments change nothing
        const QPoint origin = Place(window).client.topLeft();
        QCOMPARE(Run("xprop", {"-id", window, "_NET_WM_NAME"}).trimmed(),
                 "_NET_WM_NAME(UTF8_STRING) = \"" + kTitle + "\"");
        const QImage shot = Screenshot();
        QVERIFY(LinesAt(shot, origin + kPicture1, 227, 267));
        QCOMPARE(shot.pixelColor(origin + kPicture2 + QPoint(100, 100)), Gray(192));
        for (int i = 0; i < 16; ++i)
            QCOMPARE(shot.pixelColor(origin + QPoint(34 * i + 32, 14)), Gray(kPatchLevels[i]));
        for (QPoint black : {QPoint(5, 200), QPoint(540, 200), QPoint(272, 350)})
            QCOMPARE(shot.pixelColor(origin + black), QColor(Qt::black));
        QCOMPARE(shot.copy(kLabel1.translated(origin)), ReadoutFor("Label1", 192));
        QCOMPARE(shot.copy(kLabel2.translated(origin)), ReadoutFor("Label2", 192));
    }

    void oneCopyOnly() {
        START();
        QProcess second;
        second.start(QStringLiteral(TONALYX_BIN));
        QVERIFY(second.waitForFinished(5000)); // ends at once
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QVERIFY(second.readAllStandardError().isEmpty()); // silently
        QCOMPARE(Windows().size(), 1);

        // A killed copy leaves nothing behind that blocks the next start.
        ::kill(pid_t(program.processId()), SIGKILL);
        program.waitForFinished();
        QTRY_VERIFY_WITH_TIMEOUT(Windows().isEmpty(), 5000);
        START();
    }

    void keyboardMovesTheLevel() {
        START();
        const QPoint origin = Place(window).client.topLeft();
        Xdotool({"windowactivate", "--sync", window});
        Xdotool({"key", "--window", window, "Tab", "Right"});
        QTRY_COMPARE(Screenshot().pixelColor(origin + kPicture2 + QPoint(100, 100)), Gray(193));
        // "Gamma :  2.48" and "RGB(193, 193, 193)", read back as drawn.
        const QImage gamma = ReadoutFor("Label1", 193), rgb = ReadoutFor("Label2", 193);
        QTRY_COMPARE(Screenshot().copy(kLabel1.translated(origin)), gamma);
        QCOMPARE(Screenshot().copy(kLabel2.translated(origin)), rgb);
    }

    void dragFollowsBeforeRelease() {
        START();
        const QPoint origin = Place(window).client.topLeft();
        const QPoint thumb = origin + QPoint(2 + 43 + 303, 371 + 2 + 3 + 10); // the thumb at level 192
        Xdotool({"mousemove", QString::number(thumb.x()), QString::number(thumb.y()), "mousedown", "1"});
        for (int step = 1; step <= 5; ++step)
            Xdotool({"mousemove", QString::number(thumb.x() - 20 * step), QString::number(thumb.y())});
        const QColor during = Screenshot().pixelColor(origin + kPicture2 + QPoint(100, 100));
        Xdotool({"mouseup", "1"});
        QVERIFY2(during.red() < 192 && during.red() == during.green() && during.green() == during.blue(),
                 qPrintable(during.name()));
    }

    // Run with TONALYX_E2E_SCALE set: the program at that scale factor, its chart checked on the screen
    // in device pixels. The factor comes from QT_SCALE_FACTOR, or from the screen's Xft.dpi when the
    // X server was given one (XFT_DPI), as a desktop sets it.
    void exactAtTheScaleFactor() {
        const qreal ratio = qEnvironmentVariable("TONALYX_E2E_SCALE", "1").toDouble();
        program.setProcessEnvironment([&] {
            auto env = QProcessEnvironment::systemEnvironment();
            if (!env.contains("XFT_DPI"))
                env.insert("QT_SCALE_FACTOR", QString::number(ratio));
            return env;
        }());
        START();
        const QPoint origin = Place(window).client.topLeft();
        QCOMPARE(Place(window).client.size(), QSize(qRound(544 * ratio), qRound(432 * ratio))); // scaled as a whole
        auto device = [&](QPoint logical, QSize size) {
            return QRect(QPoint(qRound(logical.x() * ratio), qRound(logical.y() * ratio)) + origin,
                         QPoint(qRound((logical.x() + size.width()) * ratio) - 1,
                                qRound((logical.y() + size.height()) * ratio) - 1) +
                             origin);
        };
        const QImage shot = Screenshot();
        const QRect field = device(kPicture1, {227, 267});
        QVERIFY(LinesAt(shot, field.topLeft(), field.width(), field.height()));
        for (int i = 0; i < 16; ++i)
            QCOMPARE(shot.pixelColor(device({34 * i + 32, 14}, {1, 1}).topLeft()), Gray(kPatchLevels[i]));
        QCOMPARE(shot.pixelColor(device(kPicture2 + QPoint(100, 100), {1, 1}).topLeft()), Gray(192));

        // View 2: its line field left of the swatch, as far as the view shows it.
        Click(device(kOption2, {1, 1}).topLeft());
        QTRY_COMPARE(Screenshot().pixelColor(device(kPicture5 + QPoint(70, 70), {1, 1}).topLeft()), Gray(192));
        const QRect view2 = device(kPicture4, {86, 293});
        QVERIFY(LinesAt(Screenshot(), view2.topLeft(), view2.width(), view2.height()));
    }

    void viewsSwitchByClicks() {
        START();
        const QPoint origin = Place(window).client.topLeft();
        Click(On(window, kOption2));
        QTRY_COMPARE(Screenshot().pixelColor(origin + kPicture5 + QPoint(70, 70)), Gray(192));
        const QImage shot = Screenshot();
        // The line field around the swatch, cut at the view's bottom edge: 293 rows, then black.
        QVERIFY(LinesAt(shot, origin + kPicture4, 86, 293));
        QCOMPARE(shot.pixelColor(origin + kPicture4 + QPoint(10, 293)), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(origin + kPicture1 + QPoint(10, 260)), QColor(Qt::black)); // view 1 gone

        Click(On(window, kOption1));
        QTRY_VERIFY(LinesAt(Screenshot(), origin + kPicture1, 227, 267));
        QCOMPARE(Screenshot().pixelColor(origin + kPicture2 + QPoint(100, 100)), Gray(192));
    }
};

QTEST_MAIN(RealWindowTest)
#include "RealWindowTest.moc"

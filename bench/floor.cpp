// The floor the program is measured against: a bare Qt window of the program's size with one label of
// text in the default font, placed where the probe looks for it.

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Quenbury Tonalyx"));
    window.setFixedSize(544, 432);
    window.setAlignment(Qt::AlignCenter);
    window.setAutoFillBackground(true);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(128, 128, 128)); // what the probe waits for
    window.setPalette(palette);
    window.move(100, 100);
    window.show();
    return app.exec();
}

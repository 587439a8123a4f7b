#pragma once
// Two-colour pictures stored as binary PBM (P4): a header "P4", width, height, then one bit a pixel,
// 1 for black, rows padded to whole bytes. Read here directly: Qt's image readers probe their plugins
// first, which costs more than the whole picture.

#include <QByteArrayView>
#include <QImage>

namespace ChartWindow {

// The picture in black and white, or a null image when the data is no complete P4 bitmap.
QImage ReadBitmap(QByteArrayView data);

} // namespace ChartWindow

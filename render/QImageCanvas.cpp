#include "QImageCanvas.h"

#include <algorithm>

namespace kelvane {

QImageCanvas::QImageCanvas(int width, int height)
    : image_(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32) {
    image_.fill(Qt::white);
}

void QImageCanvas::Resize(int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (width == image_.width() && height == image_.height())
        return;
    image_ = QImage(width, height, QImage::Format_RGB32);
    image_.fill(Qt::white);
}

void QImageCanvas::PutPixel(int x, int y, TColor c) {
    reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = qRgb(RedOf(c), GreenOf(c), BlueOf(c));
}

} // namespace kelvane

#include "QImageCanvas.h"

#include <algorithm>

namespace kelvane {

QImageCanvas::QImageCanvas(int width, int height)
    : image_(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32) {
    image_.fill(Qt::white);
    width_ = image_.width();
    height_ = image_.height();
    pixels_ = nullptr;
}

void QImageCanvas::Resize(int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (width == image_.width() && height == image_.height())
        return;
    image_ = QImage(width, height, QImage::Format_RGB32);
    image_.fill(Qt::white);
    width_ = image_.width();
    height_ = image_.height();
    pixels_ = nullptr;
}

QRgb* QImageCanvas::Row(int y) {
    if (!pixels_) {
        pixels_ = reinterpret_cast<QRgb*>(image_.bits());
        stride_ = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    }
    return pixels_ + y * stride_;
}

void QImageCanvas::PutPixel(int x, int y, TColor c) {
    Row(y)[x] = qRgb(RedOf(c), GreenOf(c), BlueOf(c));
}

void QImageCanvas::FillSpan(int y, int x1, int x2, TColor c) {
    QRgb* row = Row(y);
    std::fill(row + x1, row + x2, qRgb(RedOf(c), GreenOf(c), BlueOf(c)));
}

} // namespace kelvane

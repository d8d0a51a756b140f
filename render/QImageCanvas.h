#pragma once

#include "foundations/Canvas.h"

#include <QImage>

namespace kelvane {

// The engine canvas over a QImage, so pictures can be shown and written to PNG.
class QImageCanvas : public Canvas {
  public:
    QImageCanvas(int width, int height);

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    // The picture. A copy taken from it (a pixmap, say) shares its pixels, so
    // the next drawing starts on pixels of its own again.
    const QImage& Image() const {
        pixels_ = nullptr;
        return image_;
    }
    // Keeps the picture when the size is unchanged; otherwise a new white surface.
    void Resize(int width, int height);

  protected:
    void PutPixel(int x, int y, TColor c) override;
    void FillSpan(int y, int x1, int x2, TColor c) override;

  private:
    QRgb* Row(int y);

    QImage image_;
    int width_ = 0;
    int height_ = 0;
    // Direct access to the pixels while the image is not shared: a picture is
    // tens of thousands of pixel writes, each of which would otherwise ask the
    // image to detach.
    mutable QRgb* pixels_ = nullptr;
    qsizetype stride_ = 0;
};

} // namespace kelvane

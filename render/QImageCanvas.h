#pragma once

#include "foundations/Canvas.h"

#include <QImage>

namespace kelvane {

// The engine canvas over a QImage, so pictures can be shown and written to PNG.
class QImageCanvas : public Canvas {
  public:
    QImageCanvas(int width, int height);

    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    const QImage& Image() const { return image_; }
    // Keeps the picture when the size is unchanged; otherwise a new white surface.
    void Resize(int width, int height);

  protected:
    void PutPixel(int x, int y, TColor c) override;

  private:
    QImage image_;
};

} // namespace kelvane

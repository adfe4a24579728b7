#include "app/indicator_view.h"

#include <QPainter>

namespace tickwell {

IndicatorView::IndicatorView(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }

void IndicatorView::setPicture(const IndicatorPicture* picture) {
  picture_ = picture;
  if (picture) {
    // Read as RGB32 the stored colours show as they are: alpha is never applied.
    image_ = QImage(picture->pixels.data(), picture->width, picture->height, picture->bytesPerRow(),
                    QImage::Format_RGB32);
    resize(picture->width, picture->height);
  } else {
    image_ = QImage();
  }
  // Without a picture the window's background shows through; with one, nothing is cleared
  // first, so the repeated repaints cannot flicker.
  setAttribute(Qt::WA_OpaquePaintEvent, picture != nullptr);
  repaint();
}

void IndicatorView::paintEvent(QPaintEvent*) {
  if (image_.isNull()) return;
  QPainter painter(this);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(0, 0, image_);
}

}  // namespace tickwell

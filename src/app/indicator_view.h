#pragma once

#include <QImage>
#include <QWidget>

#include "assets/indicator_picture.h"

namespace tickwell {

// Shows one picture at its own size, opaque, with no border. It repaints inside every
// setPicture call because the loop never waits for Qt to paint.
class IndicatorView final : public QWidget {
 public:
  explicit IndicatorView(QWidget* parent);

  void setPicture(const IndicatorPicture* picture);
  const IndicatorPicture* picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const IndicatorPicture* picture_ = nullptr;
  QImage image_;
};

}  // namespace tickwell

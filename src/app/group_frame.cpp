#include "app/group_frame.h"

#include <QPainter>

namespace tickwell {

namespace {
constexpr int kCaptionIndent = 8;
constexpr int kCaptionPadding = 2;
}  // namespace

GroupFrame::GroupFrame(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption) {
  setFocusPolicy(Qt::NoFocus);
}

void GroupFrame::setCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void GroupFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics(font());
  const int lineY = metrics.height() / 2;
  // An etched line: a dark rectangle with a light one a pixel to the lower right.
  const QRect outline(0, lineY, width() - 2, height() - lineY - 2);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRect(outline.translated(1, 1));
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(outline);

  const int captionWidth = metrics.horizontalAdvance(caption_) + 2 * kCaptionPadding;
  const QRect captionRect(kCaptionIndent, 0, captionWidth, metrics.height());
  painter.fillRect(captionRect, palette().window());
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(captionRect, Qt::AlignCenter, caption_);
}

}  // namespace tickwell

#include "app/hyperlink.h"

#include <QMouseEvent>
#include <QPainter>

namespace tickwell {

Hyperlink::Hyperlink(const QString& text, std::function<void()> onActivated, QWidget* parent)
    : QWidget(parent), text_(text), onActivated_(std::move(onActivated)) {
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::PointingHandCursor);
}

void Hyperlink::setText(const QString& text) {
  text_ = text;
  update();
}

void Hyperlink::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor colour = hovered_ ? hoverColour() : restColour();
  const QFontMetrics metrics(font());
  painter.setPen(colour);
  painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text_);
  // The underline sits in the pixel row just below the text, as wide as the text.
  painter.fillRect(QRect(0, metrics.height(), metrics.horizontalAdvance(text_), 1), colour);
}

void Hyperlink::enterEvent(QEnterEvent*) { setHovered(true); }

void Hyperlink::leaveEvent(QEvent*) { setHovered(false); }

void Hyperlink::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) onActivated_();
}

void Hyperlink::setHovered(bool hovered) {
  if (hovered_ == hovered) return;
  hovered_ = hovered;
  update();
}

}  // namespace tickwell

#pragma once

#include <QWidget>
#include <functional>

namespace tickwell {

// Underlined text, black at rest and red under the pointer, that reports each release of
// the left button over it. It never takes the focus.
class Hyperlink final : public QWidget {
 public:
  Hyperlink(const QString& text, std::function<void()> onActivated, QWidget* parent);

  QString text() const { return text_; }
  void setText(const QString& text);
  bool isHovered() const { return hovered_; }

  static QColor restColour() { return {0, 0, 0}; }
  static QColor hoverColour() { return {255, 0, 0}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void setHovered(bool hovered);

  QString text_;
  std::function<void()> onActivated_;
  bool hovered_ = false;
};

}  // namespace tickwell

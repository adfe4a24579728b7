#pragma once

#include <QWidget>

namespace tickwell {

// An etched outline with its caption set into the top edge at the left. It paints only the
// outline and caption, so the window shows through, and never takes the focus.
class GroupFrame final : public QWidget {
 public:
  GroupFrame(const QString& caption, QWidget* parent);

  QString caption() const { return caption_; }
  void setCaption(const QString& caption);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
};

}  // namespace tickwell

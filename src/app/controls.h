#pragma once

#include <QFont>
#include <QString>
#include <array>
#include <cstdint>

#include "app/control_id.h"
#include "app/ui_event.h"
#include "assets/indicator_images.h"
#include "core/beat_clock.h"

class QWidget;

namespace tickwell {

// The sixteen controls of the main window, addressed by ControlId through a few generic
// operations whose meaning depends on the kind of control. The window owns the widgets; an id
// without a control does nothing and reads 0. Only the user's actions raise control events.
class Controls final : public BeatSettingsSource {
 public:
  // Creates the controls in ControlId order inside `window` and gives them their initial state.
  Controls(QWidget& window, UiEventQueue& events, const IndicatorImages& images);

  void setControlText(int id, const QString& text);
  QString getControlText(int id) const;
  void setControlState(int id, std::int32_t value);
  std::int32_t getControlState(int id) const;
  void setControlPicture(int id, const IndicatorPicture* picture);
  void setControlDisabled(int id, int flag);
  void showIndicatorImage(ImageSlot slot);

  QWidget* widget(int id) const;

  // Read at the moment of each beat; never copied.
  BeatSettings beatSettings() const override;

  // The one font of every control, small enough that every caption shows whole.
  static QFont controlFont();

 private:
  void createControls(QWidget& window, UiEventQueue& events);
  void setInitialStates();

  const IndicatorImages& images_;
  std::array<QWidget*, kControlCount> widgets_{};
};

}  // namespace tickwell

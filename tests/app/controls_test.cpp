#include <QFontMetrics>
#include <QComboBox>
#include <QCheckBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <gtest/gtest.h>
#include <iostream>

#include "app/control_id.h"
#include "app/program.h"
#include "core/steady_tick_counter.h"

namespace tickwell {
namespace {

TEST(Probe, Fonts) {
  SteadyTickCounter ticks;
  Program program(ticks, [](const QUrl&) {});
  QFont f = program.window().font();
  std::cout << f.toString().toStdString() << " px " << QFontInfo(f).pixelSize() << " family " << QFontInfo(f).family().toStdString() << "\n";
  for (int id = 0; id < 16; ++id) {
    QFontMetrics m(program.controls().widget(id)->font());
    std::cout << id << " '" << program.controls().getControlText(id).toStdString() << "' " << m.horizontalAdvance(program.controls().getControlText(id)) << "\n";
  }
  auto* list = static_cast<QComboBox*>(program.controls().widget(SoundList));
  QFontMetrics m(list->font());
  std::cout << "Real Metronome " << m.horizontalAdvance("Real Metronome") << "\n";
  program.shutdown();
}

}  // namespace
}  // namespace tickwell

#include "app/event_loop.h"

#include <QCoreApplication>
#include <QEvent>

namespace tickwell {

UiEvent pollEvent(UiEventQueue& events) {
  if (events.empty()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // Outside Qt's own event loop deleteLater() would never run.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  return events.take();
}

void EventLoop::run() {
  while (!quit_) runPass();
}

void EventLoop::runPass() {
  const UiEvent event = pollEvent(events_);
  if (event.kind == UiEvent::Kind::Control) actions_.dispatchControlEvent(event.controlId);

  // The clock runs on every pass, the closing one included.
  const BeatPass beat = clock_.pass(settings_);
  if (beat.click) output_.playClick(*beat.click);
  if (beat.indicator) output_.showIndicatorImage(*beat.indicator);

  if (event.kind == UiEvent::Kind::CloseRequest) quit_ = true;
}

}  // namespace tickwell

#pragma once

#include <deque>

namespace tickwell {

struct UiEvent {
  enum class Kind { None, Control, CloseRequest };
  Kind kind = Kind::None;
  int controlId = -1;

  static UiEvent control(int id) { return {Kind::Control, id}; }
  static UiEvent closeRequest() { return {Kind::CloseRequest, -1}; }
};

// Events raised by the window and its controls, handed to the loop one per pass in the order they arose.
class UiEventQueue {
 public:
  void push(UiEvent event) { events_.push_back(event); }
  bool empty() const { return events_.empty(); }
  UiEvent take() {
    if (events_.empty()) return {};
    const UiEvent first = events_.front();
    events_.pop_front();
    return first;
  }

 private:
  std::deque<UiEvent> events_;
};

}  // namespace tickwell

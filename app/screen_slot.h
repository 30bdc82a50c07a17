#pragma once
// Holding a screen of the flow, which is either not loaded or loaded.

#include <memory>
#include <utility>

namespace glandwise {

// One screen or dialog of the flow. Loading constructs it, which runs its load step;
// unloading hides it at once and deletes it when control returns to the event loop, so
// that a screen may be unloaded from the handler of its own button. A slot holds at most
// one screen: loading again first unloads the one it holds.
template <class Screen>
class ScreenSlot {
 public:
  ScreenSlot() = default;
  ScreenSlot(const ScreenSlot&) = delete;
  ScreenSlot& operator=(const ScreenSlot&) = delete;

  template <class... Args>
  Screen& load(Args&&... args) {
    unload();
    screen_ = std::make_unique<Screen>(std::forward<Args>(args)...);
    return *screen_;
  }

  void unload() {
    if (!screen_) return;
    screen_->hide();
    screen_.release()->deleteLater();
  }

  // The loaded screen, or nullptr when it is not loaded.
  Screen* get() const { return screen_.get(); }

 private:
  std::unique_ptr<Screen> screen_;
};

}  // namespace glandwise

#pragma once
// Whether a compositing manager runs on the clock's screen: one owns the selection
// _NET_WM_CM_S<screen> while it runs. XFixes tells when that owner changes, so the clocks
// follow a compositor that starts or stops, at once.
#include <QAbstractNativeEventFilter>
#include <functional>

namespace sorvane::qt {

class CompositorWatch final : public QAbstractNativeEventFilter {
 public:
  // `changed` is called, from the event loop, each time Running() changes.
  explicit CompositorWatch(std::function<void()> changed);
  ~CompositorWatch() override;
  CompositorWatch(const CompositorWatch&) = delete;
  CompositorWatch& operator=(const CompositorWatch&) = delete;

  bool Running() const { return running_; }

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

 private:
  bool AskServer() const;

  std::function<void()> changed_;
  unsigned long selection_ = 0;  // the atom _NET_WM_CM_S<screen>; 0 without an X display
  int xfixes_events_ = -1;       // the first XFixes event code
  bool running_ = false;
};

}  // namespace sorvane::qt

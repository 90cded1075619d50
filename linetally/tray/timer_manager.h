#pragma once
// Many logical timers on one platform timer: TZqTimerManager runs the platform timer at the
// shortest enabled interval (never slower than 150 ms) and calls each item whose interval has
// passed. Times are the 32-bit millisecond tick count, compared modulo 2^32 so that the wrap
// after about 49.7 days of uptime does not stop or rush any item.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace lt {

class TickSource {
 public:
  virtual ~TickSource() = default;
  virtual uint32_t TickCount() = 0;  // milliseconds since system start, wrapping
};

class PlatformTimer {
 public:
  virtual ~PlatformTimer() = default;
  virtual void StartTimer(uint32_t periodMs) = 0;  // replaces a running timer
  virtual void StopTimer() = 0;
};

class TZqTimerManager;

class TZqTimerItem {
 public:
  using Callback = std::function<void(TZqTimerItem& sender)>;
  static constexpr int kMinInterval = 55;
  static constexpr int kMaxInterval = 100000;

  TZqTimerItem(TZqTimerManager& manager, bool enabled, int interval, Callback callback);
  TZqTimerItem(const TZqTimerItem&) = delete;
  TZqTimerItem& operator=(const TZqTimerItem&) = delete;

  bool Enabled() const { return enabled; }
  void SetEnabled(bool value);
  int Interval() const { return interval; }
  void SetInterval(int value);  // kept within kMinInterval..kMaxInterval

 private:
  friend class TZqTimerManager;
  TZqTimerManager& manager;
  bool enabled;
  int interval;
  Callback callback;
  uint32_t lastTime = 0;
};

class TZqTimerManager {
 public:
  static constexpr uint32_t kSlowestPeriod = 150;

  TZqTimerManager(TickSource& ticks, PlatformTimer& timer);
  ~TZqTimerManager();
  TZqTimerManager(const TZqTimerManager&) = delete;
  TZqTimerManager& operator=(const TZqTimerManager&) = delete;

  // The item lives as long as the manager.
  TZqTimerItem& AddItem(bool enabled, int interval, TZqTimerItem::Callback callback);
  bool Enabled() const { return enabled; }
  void SetEnabled(bool value);
  // The platform timer fired.
  void Tick();

 private:
  friend class TZqTimerItem;
  void Reschedule();

  TickSource& ticks;
  PlatformTimer& timer;
  bool enabled = false;
  std::vector<std::unique_ptr<TZqTimerItem>> items;
};

}  // namespace lt

#include "linetally/tray/timer_manager.h"

#include <algorithm>

namespace lt {

TZqTimerItem::TZqTimerItem(TZqTimerManager& manager, bool enabled, int interval,
                           Callback callback)
    : manager(manager),
      enabled(enabled),
      interval(std::clamp(interval, kMinInterval, kMaxInterval)),
      callback(std::move(callback)) {}

void TZqTimerItem::SetEnabled(bool value) {
  if (value == enabled) return;
  enabled = value;
  manager.Reschedule();
}

void TZqTimerItem::SetInterval(int value) {
  value = std::clamp(value, kMinInterval, kMaxInterval);
  if (value == interval) return;
  interval = value;
  if (enabled) manager.Reschedule();
}

TZqTimerManager::TZqTimerManager(TickSource& ticks, PlatformTimer& timer)
    : ticks(ticks), timer(timer) {}

TZqTimerManager::~TZqTimerManager() {
  if (enabled) timer.StopTimer();
}

TZqTimerItem& TZqTimerManager::AddItem(bool itemEnabled, int interval,
                                       TZqTimerItem::Callback callback) {
  items.push_back(std::make_unique<TZqTimerItem>(*this, itemEnabled, interval, std::move(callback)));
  TZqTimerItem& item = *items.back();
  if (itemEnabled) Reschedule();
  return item;
}

void TZqTimerManager::SetEnabled(bool value) {
  if (value == enabled) return;
  enabled = value;
  if (enabled) {
    Reschedule();
  } else {
    timer.StopTimer();
  }
}

// Every reschedule restarts the wait of all enabled items.
void TZqTimerManager::Reschedule() {
  if (!enabled) return;
  timer.StopTimer();
  uint32_t period = kSlowestPeriod;
  bool any = false;
  const uint32_t now = ticks.TickCount();
  for (auto& item : items) {
    if (!item->enabled) continue;
    any = true;
    period = std::min(period, static_cast<uint32_t>(item->interval));
    item->lastTime = now;
  }
  if (any) timer.StartTimer(period);
}

void TZqTimerManager::Tick() {
  // By index: a callback may add items.
  for (size_t i = 0; i < items.size(); ++i) {
    TZqTimerItem& item = *items[i];
    if (!item.enabled || !item.callback) continue;
    const uint32_t elapsed = ticks.TickCount() - item.lastTime;  // modulo 2^32
    if (elapsed < static_cast<uint32_t>(item.interval)) continue;
    item.callback(item);
    item.lastTime = ticks.TickCount();
  }
}

}  // namespace lt

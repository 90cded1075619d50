#include "linetally/summary/status_bar.h"

#include "linetally/summary/budget.h"

namespace lt {

StatusTexts CurrentStatusTexts(const SessionMonitor& monitor, const SessionDatabase& log, Currency totalCost,
                               const StatusSettings& settings) {
  StatusValues values;
  values.symbol = settings.symbol;
  values.callCost = monitor.CallCost();
  values.totalCost = totalCost;
  values.onlineSeconds = monitor.OnlineSeconds();
  values.sumSeconds = log.SumSeconds();
  values.showTime = settings.showTime;
  values.overBudget = OverBudget(log.Periods().Of(settings.period).cost, values.callCost, settings.budget);
  return ComputeStatusTexts(values);
}

}  // namespace lt

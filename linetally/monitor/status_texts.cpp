#include "linetally/monitor/status_texts.h"

#include "linetally/base/duration_text.h"

namespace lt {

std::string MoneyText(const std::string& symbol, Currency amount, int decimals) {
  return symbol + amount.ToFixed(decimals);
}

StatusTexts ComputeStatusTexts(const StatusValues& v) {
  const Currency total = v.totalCost + v.callCost;
  StatusTexts texts;
  texts.panel1 = "Current " + MoneyText(v.symbol, v.callCost, 3);
  texts.panel2 = v.showTime ? "Total " + DurationText(v.sumSeconds + v.onlineSeconds)
                            : "Total " + MoneyText(v.symbol, total, 3);
  texts.trayHint = "Current " + MoneyText(v.symbol, v.callCost, 2) + " / Total " + MoneyText(v.symbol, total, 2);
  if (v.overBudget) texts.trayHint += " (over budget)";
  return texts;
}

}  // namespace lt

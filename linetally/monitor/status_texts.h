#pragma once
// The money and time texts of the main window's status bar and the tray hint.
#include <cstdint>
#include <string>

#include "linetally/base/currency.h"

namespace lt {

// The symbol, then the amount with `decimals` decimals (halves to even), so a "-" follows the symbol.
std::string MoneyText(const std::string& symbol, Currency amount, int decimals);

struct StatusTexts {
  std::string panel1, panel2, trayHint;
};

struct StatusValues {
  std::string symbol;
  Currency callCost, totalCost;
  int64_t onlineSeconds = 0, sumSeconds = 0;
  bool showTime = false;  // StatusBarMode: panel 2 shows the time total
  bool overBudget = false;  // the current billing period costs more than its budget
};

StatusTexts ComputeStatusTexts(const StatusValues& values);

}  // namespace lt

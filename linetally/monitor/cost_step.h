#pragma once
// What the connection monitor asks of the tariff side: the cost step of each counted second and
// the idle price label, and what the cost step may show (price label, gauge, tray frame).
#include <string>

#include "linetally/base/currency.h"

namespace lt {

// Session values the cost step reads and updates; owned by the monitor.
struct CostState {
  long double accumulatedCost = 0;  // per-second costs plus the connection charge
  bool firstSecond = false;         // set at session start, cleared once the connection charge is added
  std::string connection;           // the entry name timed; "Debug Session" for the debug session
};

// The window side the cost step writes to.
class CostDisplay {
 public:
  virtual ~CostDisplay() = default;
  virtual void SetPriceLabel(const std::string& text) = 0;
  // Minimum-charge gauge: minimum charge text M, 1-based service index, cost of one second C,
  // accumulated cost A.
  virtual void DoProgressBar(const std::string& minCharge, int service, long double costPerSecond,
                             long double accumulated) = 0;
  virtual void ShowTrayFrame(int frame) = 0;
};

class CostStep {
 public:
  virtual ~CostStep() = default;
  // Once per counted second while a connection is listed; the result becomes CallCost.
  virtual Currency UpdateCallCost(CostState& state, CostDisplay& display) = 0;
  // On idle and disconnected ticks: the price of a call started now.
  virtual void UpdatePriceLabel(CostDisplay& display) = 0;
};

}  // namespace lt

#pragma once
// The remote-access operations over rasapi32, with the two published record layouts of this
// build's architecture: compact on the NT platform (RASCONN 32 bytes in 32 bits, 36 in 64;
// RASCONNSTATUS 64), extended elsewhere (412 or 416; 160). The enumeration buffer (256
// entries) and the status record persist between calls.
#include <cstddef>
#include <cstdint>

#include "linetally/monitor/ras_layout.h"
#include "linetally/monitor/remote_access.h"

namespace lt {

inline constexpr RasLayout kCompactLayout = RasCompactLayout(kPointerBytes);
inline constexpr RasLayout kExtendedLayout = RasExtendedLayout(kPointerBytes);
inline constexpr int kEnumEntries = 256;

class Win32RemoteAccess : public RemoteAccess {
 public:
  uint16_t QueryPlatformId() override;
  void SelectLayout(uint16_t platformId) override;
  int32_t EnumerateConnections(std::string& firstEntryName) override;
  uint16_t ConnectionState() override;
  const RasLayout& Layout() const { return layout; }

 private:
  RasLayout layout = kExtendedLayout;
};

}  // namespace lt

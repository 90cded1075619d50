#pragma once
// The remote-access operations over rasapi32, with the two published record sizes: compact
// (RASCONN 32 bytes, RASCONNSTATUS 64) on the NT platform, extended (412, 160) elsewhere.
// The enumeration buffer (256 entries) and the status record persist between calls.
#include <cstddef>
#include <cstdint>

#include "linetally/monitor/remote_access.h"

namespace lt {

struct RasLayout {
  uint32_t connSize, nameBytes, statusSize;
};
inline constexpr RasLayout kCompactLayout{32, 21, 64};
inline constexpr RasLayout kExtendedLayout{412, 257, 160};
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

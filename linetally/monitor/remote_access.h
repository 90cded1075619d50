#pragma once
// The three remote-access operations the connection monitor needs. The Win32 adapter keeps the
// enumeration buffer and the status record between calls, as the monitor relies on.
#include <cstdint>
#include <string>

namespace lt {

constexpr uint16_t kStateOpenPort = 0;
constexpr uint16_t kStateConnectDevice = 2;
constexpr uint16_t kStateDeviceConnected = 3;
constexpr uint16_t kStateAllDevicesConnected = 4;
constexpr uint16_t kStateAuthenticate = 5;
constexpr uint16_t kStateConnected = 0x2000;
constexpr uint16_t kStateDisconnected = 0x2001;

class RemoteAccess {
 public:
  virtual ~RemoteAccess() = default;
  // Platform query at start-up: the platform id's low 16 bits, 0 when the query fails.
  // 2 selects the compact record layouts, anything else the extended ones.
  virtual uint16_t QueryPlatformId() = 0;
  virtual void SelectLayout(uint16_t platformId) = 0;
  // Enumerates; returns the count and the first entry's name (whatever the count: with no
  // connection the name the service last wrote stays in the buffer).
  virtual int32_t EnumerateConnections(std::string& firstEntryName) = 0;
  // Status of the first entry's connection: the state field of the status record, which keeps
  // the last written state when the query writes nothing.
  virtual uint16_t ConnectionState() = 0;
};

}  // namespace lt

// The remote-access adapter on the prefix's rasapi32 (the test prefix's stand-in, given no
// script: a service with no connections).
#include <gtest/gtest.h>

#include "linetally/monitor/remote_access_win32.h"

namespace lt {
namespace {

TEST(Win32RemoteAccess, RecordSizesFollowThePlatformAndTheArchitecture) {
  const bool wide = sizeof(void*) == 8;
  Win32RemoteAccess ras;
  ras.SelectLayout(2);
  EXPECT_EQ(ras.Layout().connSize, wide ? 36u : 32u);
  EXPECT_EQ(ras.Layout().nameBytes, 21u);
  EXPECT_EQ(ras.Layout().statusSize, 64u);
  ras.SelectLayout(1);
  EXPECT_EQ(ras.Layout().connSize, wide ? 416u : 412u);
  EXPECT_EQ(ras.Layout().nameBytes, 257u);
  EXPECT_EQ(ras.Layout().statusSize, 160u);
  ras.SelectLayout(0);
  EXPECT_EQ(ras.Layout().connSize, wide ? 416u : 412u) << "a failed platform query selects the extended records";
}

TEST(Win32RemoteAccess, NoConnectionListsNothingAndStaysIdle) {
  Win32RemoteAccess ras;
  const uint16_t platform = ras.QueryPlatformId();
  EXPECT_EQ(platform, 2) << "the NT platform";
  ras.SelectLayout(platform);
  std::string name = "left over";
  for (int tick = 0; tick < 3; ++tick) {
    EXPECT_EQ(ras.EnumerateConnections(name), 0);
    EXPECT_EQ(ras.ConnectionState(), 0);
  }
  EXPECT_EQ(name, "") << "the name comes from the never-written buffer";
}

}  // namespace
}  // namespace lt

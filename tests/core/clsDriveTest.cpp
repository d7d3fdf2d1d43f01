#include "core/clsDrive.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SeamFakes.h"
#include "core/Seams.h"

namespace {

TEST(Drive, SpaceOfALargeDriveThroughTheExtendedQuery) {
  testsupport::FakeDiskSpace disk;
  disk.drives[L"D:\\"] = {.total = 500ull * 1024 * 1024 * 1024, .free = 123456789012ull};  // beyond 32 bits
  core::ScopedDiskSpaceSeam seam(disk);
  core::clsDrive drive;
  ASSERT_TRUE(drive.IsWindowsNT());  // the systems the tests run on
  EXPECT_EQ(drive.AllSpace(L"D:\\"), 536870912000.0);
  EXPECT_EQ(drive.FreeSpace(L"D:\\"), 123456789012.0);
  EXPECT_EQ(disk.asked, (std::vector<std::wstring>{L"D:\\", L"D:\\"}));
}

TEST(Drive, UnreadableDriveHasNoSpace) {
  testsupport::FakeDiskSpace disk;
  // No drive A: is known: the fake's failed call leaves figures behind, which must not be used.
  core::ScopedDiskSpaceSeam seam(disk);
  core::clsDrive drive;
  EXPECT_EQ(drive.AllSpace(L"A:\\"), 0.0);
  EXPECT_EQ(drive.FreeSpace(L"A:\\"), 0.0);
}

TEST(Drive, ClusterSizeAndClusterProducts) {
  testsupport::FakeDiskSpace disk;
  disk.drives[L"C:\\"].clusters = {8, 512, 1000, 2000};
  core::ScopedDiskSpaceSeam seam(disk);
  core::clsDrive drive;
  EXPECT_EQ(drive.BytesPerSector(L"C:\\"), 4096);
  // Products that do not fit in 32 bits are still right.
  EXPECT_EQ(core::clsDrive::ClusterBytes(4000000, 64, 512), 131072000000.0);
  EXPECT_EQ(core::clsDrive::ClusterBytes(1000, 8, 512), 4096000.0);
}

TEST(Drive, RealDriveAnswersThroughTheDefaultQuery) {
  core::clsDrive drive;
  double all = drive.AllSpace(L"C:\\");
  double free = drive.FreeSpace(L"C:\\");
  EXPECT_GT(all, 0.0);
  EXPECT_GE(all, free);
  EXPECT_GT(drive.BytesPerSector(L"C:\\"), 0);
}

}  // namespace

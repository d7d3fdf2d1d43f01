#include "core/clsDrive.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Seams.h"

namespace {

class FakeDisk : public core::DiskSpaceSeam {
 public:
  bool FreeSpaceEx(const std::wstring& root, uint64_t& totalBytes, uint64_t& freeBytes) override {
    asked.push_back(root);
    totalBytes = total;
    freeBytes = free;
    return readable;
  }
  bool FreeClusters(const std::wstring& root, Clusters& c) override {
    asked.push_back(root);
    c = clusters;
    return readable;
  }
  uint64_t total = 0, free = 0;
  Clusters clusters;
  bool readable = true;
  std::vector<std::wstring> asked;
};

TEST(Drive, SpaceOfALargeDriveThroughTheExtendedQuery) {
  FakeDisk disk;
  disk.total = 500ull * 1024 * 1024 * 1024;  // beyond 32 bits
  disk.free = 123456789012ull;
  core::ScopedDiskSpaceSeam seam(disk);
  core::clsDrive drive;
  ASSERT_TRUE(drive.IsWindowsNT());  // the systems the tests run on
  EXPECT_EQ(drive.AllSpace(L"D:\\"), 536870912000.0);
  EXPECT_EQ(drive.FreeSpace(L"D:\\"), 123456789012.0);
  EXPECT_EQ(disk.asked, (std::vector<std::wstring>{L"D:\\", L"D:\\"}));
}

TEST(Drive, UnreadableDriveHasNoSpace) {
  FakeDisk disk;
  disk.readable = false;
  disk.total = disk.free = 99;  // whatever a failed call leaves behind is not used
  core::ScopedDiskSpaceSeam seam(disk);
  core::clsDrive drive;
  EXPECT_EQ(drive.AllSpace(L"A:\\"), 0.0);
  EXPECT_EQ(drive.FreeSpace(L"A:\\"), 0.0);
}

TEST(Drive, ClusterSizeAndClusterProducts) {
  FakeDisk disk;
  disk.clusters = {8, 512, 1000, 2000};
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

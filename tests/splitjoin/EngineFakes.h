#pragma once
// Fakes for the engines' window and disks, and fixture files with position-dependent content.
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "splitjoin/DiskService.h"
#include "splitjoin/SplitEngine.h"

namespace splitjoin_test {

// Records what the engine shows; message boxes go through winui::MsgBox so ScriptedMsgBox answers them.
class RecordingUi : public modDravisk::SplitUi {
 public:
  explicit RecordingUi(std::wstring title) : title_(std::move(title)) {}
  int Ask(const std::wstring& text, UINT style, const std::wstring& title) override;
  void ShowProgress(bool visible) override { progressVisible = visible; }
  void DrawProgress(float fraction, bool final) override { fractions.push_back(final ? -fraction : fraction); }
  void SetStatus(const std::wstring& text) override;
  void SetRangeLabel(const std::wstring& text) override { label = text; labels.push_back(text); }
  void Pump() override {}
  void ShowNow() override { shownAtOnce.push_back(status); }
  bool Cancelled() override { return cancelRequested; }

  // Runs before the block whose status is the n-th "残り" text (1-based): lets a test press cancel there.
  std::function<void(int block)> onBlock;
  bool cancelRequested = false;

  bool progressVisible = false;
  std::wstring label;
  std::wstring status;
  std::vector<std::wstring> labels;
  std::vector<std::wstring> statuses;
  std::vector<std::wstring> shownAtOnce;  // the status at each ShowNow
  std::vector<float> fractions;           // final draws are stored negated (0 final as -0)
  int blocks = 0;

 private:
  std::wstring title_;
};

class FakeDisks : public splitjoin::DiskService {
 public:
  UINT DriveType(const std::wstring& root) override { return driveType; }
  double FreeSpace(const std::wstring& path) override;
  bool CanList(const std::wstring& folder) override;
  void Format(int driveIndex) override { formatted.push_back(driveIndex); }

  UINT driveType = DRIVE_FIXED;
  std::deque<double> freeAnswers;  // used one by one, then `free`
  double free = 1e15;
  std::deque<bool> listAnswers;    // used one by one, then true
  std::vector<std::wstring> freeAsked;
  std::vector<int> formatted;
};

// Bytes that differ with their position, so a piece out of place or shifted shows.
std::string PatternBytes(uint64_t size, uint64_t offset = 0);
// A file of `size` bytes whose content is not written (sparse where the file system allows).
void MakeLargeFile(const std::wstring& path, uint64_t size);
uint64_t SizeOf(const std::wstring& path);
FILETIME LastWrite(const std::wstring& path);

}  // namespace splitjoin_test

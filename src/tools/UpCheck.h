#pragma once
// Registration with the outside update-notifier tool, which meets the program only in the registry under
// "Software\Upcheck" of the current user: the tool makes that key when it is installed, reads who the
// maker is, where the update-information file lies and which build is installed, and writes the builds it
// has learned of ("LatestBuild", "NextBuild"), which the program reads back.
//
// UpCheck reports every rule violation and registry failure by throwing UpCheckError with its number; the
// start-up registration (RegisterWithUpdateNotifier) catches them all.
#include <windows.h>

#include <cstdint>
#include <exception>
#include <string>

#include "tools/ProgramInfo.h"

namespace tools {

constexpr uint32_t kUpCheckNotInstalled = 0x80040001;
constexpr uint32_t kUpCheckNoMailAddress = 0x80040002;
constexpr uint32_t kUpCheckNoAuthor = 0x80040003;
constexpr uint32_t kUpCheckNoInfoUrl = 0x80040004;
constexpr uint32_t kUpCheckNoProductName = 0x80040005;
constexpr uint32_t kUpCheckNegativeIconIndex = 0x80040006;
constexpr uint32_t kUpCheckRegistryError = 0x8004000A;

class UpCheckError : public std::exception {
 public:
  explicit UpCheckError(uint32_t number);
  uint32_t Number() const { return number_; }
  // The error's Japanese description.
  const std::wstring& Description() const { return description_; }
  const char* what() const noexcept override { return "update-notifier registration failed"; }

 private:
  uint32_t number_;
  std::wstring description_;
};

// Key of the notifier below the root.
extern const wchar_t kUpCheckKey[];

class UpCheck {
 public:
  // `root` is HKEY_CURRENT_USER for the program; `program` supplies the product name, the version the
  // build number is computed from, and the program file for FilePath.
  explicit UpCheck(HKEY root = HKEY_CURRENT_USER, ProgramIdentity program = ReadProgramIdentity());

  // True: the program file's full path; false: nothing.
  void FilePath(bool blnFilePath);
  // True when the notifier's key exists (opened for reading only and closed at once).
  bool InstalledUpCheck() const;
  // True when the notifier has announced a build above the installed one that it does not hold back.
  bool CheckNewVer() const;
  void MailAddress(const std::wstring& value) { mailAddress_ = value; }
  void DisplayHost(const std::wstring& value) { displayHost_ = value; }
  void Author(const std::wstring& value) { author_ = value; }
  void DisplayName(const std::wstring& value) { displayName_ = value; }
  void DistinctName(const std::wstring& value) { distinctName_ = value; }
  // Below 1: computed from the program version when needed.
  void Build(int32_t value) { build_ = value; }
  void IconIndex(int32_t value) { iconIndex_ = value; }
  // Identifier 0 or 1: the main update address, written by WriteData; 2 to 255: "InfoURL<n>", written now.
  void InfoURL(const std::wstring& szURL, uint8_t btID);
  // Writes the maker's and the product's values.
  void WriteData();

  // major x 10000 + minor x 100 + revision, in 32 bits.
  static int32_t BuildNumber(const ProgramIdentity& program);
  // folder + "\" + file, without the "\" after a drive root of three characters.
  static std::wstring JoinPath(const std::wstring& folder, const std::wstring& file);

 private:
  std::wstring ProductKeyName() const;

  HKEY root_;
  ProgramIdentity program_;
  std::wstring mailAddress_, displayHost_, author_, displayName_, distinctName_, infoUrl_, filePath_;
  int32_t build_ = 0;
  int32_t iconIndex_ = 0;
};

// The values the program registers itself with. The maker's address, host and update file are
// placeholders under the reserved example domains.
extern const wchar_t kMakerMailAddress[];
extern const wchar_t kMakerAuthor[];
extern const wchar_t kMakerDisplayHost[];
extern const wchar_t kProductDisplayName[];
extern const wchar_t kUpdateInfoUrl[];
extern const wchar_t kNewVersionMessage[];

// The start-up registration of the main window: when the notifier is installed, registers the program and
// shows kNewVersionMessage when a newer build is announced. Every error is swallowed; returns whether the
// message was shown.
bool RegisterWithUpdateNotifier(UpCheck& check);

}  // namespace tools

#include "tools/UpCheck.h"

#include <utility>

#include "core/MainWindowLink.h"
#include "core/Text.h"
#include "core/modShell.h"
#include "winui/MsgBox.h"

namespace tools {

const wchar_t kUpCheckKey[] = L"Software\\Upcheck";
const wchar_t kMakerMailAddress[] = L"dunel@example.com";
const wchar_t kMakerAuthor[] = L"Dunel";
const wchar_t kMakerDisplayHost[] = L"www.example.com";
const wchar_t kProductDisplayName[] = L"とるべなー－【瞬間開梱】";
const wchar_t kUpdateInfoUrl[] = L"http://www.example.com/tolvenar/update.inf";
const wchar_t kNewVersionMessage[] = L"最新バージョンが存在します";

namespace {

const wchar_t* ErrorDescription(uint32_t number) {
  switch (number) {
    case kUpCheckNotInstalled:
      return L"更新風鐸がインストールされていないのでソフトの情報が書き込めません";
    case kUpCheckNoMailAddress:
      return L"メールアドレスが指定されていません";
    case kUpCheckNoAuthor:
      return L"開発者名が指定されていません";
    case kUpCheckNoInfoUrl:
      return L"アップデート情報ファイルのアドレスが指定されていません";
    case kUpCheckNoProductName:
      return L"App.Productname からソフト名が取得できません。Distinctnameを指定してください";
    case kUpCheckNegativeIconIndex:
      return L"IconIndex には負の値は設定できません";
    default:
      return L"レジストリに原因不明のエラーが発生しアクセスできません";
  }
}

[[noreturn]] void Raise(uint32_t number) { throw UpCheckError(number); }

// An open registry key whose every failure, the closing included, is the registry error.
class Key {
 public:
  Key(HKEY root, const std::wstring& path, bool create) {
    LONG status = create ? RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                                           nullptr, &key_, nullptr)
                         : RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key_);
    if (status != ERROR_SUCCESS) Raise(kUpCheckRegistryError);
  }
  ~Key() {
    if (key_) RegCloseKey(key_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;

  void SetString(const wchar_t* name, const std::wstring& text) {
    Check(RegSetValueExW(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                         static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))));
  }
  void SetNumber(const wchar_t* name, int32_t value) {
    DWORD data = static_cast<DWORD>(value);
    Check(RegSetValueExW(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data));
  }
  // A value that is missing or no 4-byte number reads 0.
  int32_t Number(const wchar_t* name) const {
    DWORD data = 0, type = 0, size = sizeof data;
    if (RegQueryValueExW(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof data)
      return 0;
    return static_cast<int32_t>(data);
  }
  void Close() { Check(RegCloseKey(std::exchange(key_, nullptr))); }

 private:
  static void Check(LONG status) {
    if (status != ERROR_SUCCESS) Raise(kUpCheckRegistryError);
  }
  HKEY key_ = nullptr;
};

std::wstring MakerKey(const std::wstring& mailAddress) { return std::wstring(kUpCheckKey) + L"\\" + mailAddress; }

}  // namespace

UpCheckError::UpCheckError(uint32_t number) : number_(number), description_(ErrorDescription(number)) {}

UpCheck::UpCheck(HKEY root, ProgramIdentity program) : root_(root), program_(std::move(program)) {}

void UpCheck::FilePath(bool blnFilePath) {
  filePath_ = blnFilePath ? JoinPath(program_.folder, program_.exeName + L".EXE") : L"";
}

bool UpCheck::InstalledUpCheck() const {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root_, kUpCheckKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  if (RegCloseKey(key) != ERROR_SUCCESS) Raise(kUpCheckRegistryError);
  return true;
}

bool UpCheck::CheckNewVer() const {
  if (mailAddress_.empty()) Raise(kUpCheckNoMailAddress);
  std::wstring product = ProductKeyName();
  int32_t build = build_ > 0 ? build_ : BuildNumber(program_);
  Key key(root_, MakerKey(mailAddress_) + L"\\" + product, false);
  int32_t latest = key.Number(L"LatestBuild");
  int32_t next = key.Number(L"NextBuild");
  key.Close();
  return build < latest && (next == 0 || build < next);
}

void UpCheck::InfoURL(const std::wstring& szURL, uint8_t btID) {
  if (btID <= 1) {
    infoUrl_ = szURL;
    return;
  }
  if (!InstalledUpCheck()) Raise(kUpCheckNotInstalled);
  if (mailAddress_.empty()) Raise(kUpCheckNoMailAddress);
  if (szURL.empty()) Raise(kUpCheckNoInfoUrl);
  Key key(root_, MakerKey(mailAddress_), true);
  key.SetString((L"InfoURL" + core::ToWString(btID)).c_str(), szURL);
  key.Close();
}

void UpCheck::WriteData() {
  if (!InstalledUpCheck()) Raise(kUpCheckNotInstalled);
  if (mailAddress_.empty()) Raise(kUpCheckNoMailAddress);
  if (author_.empty()) Raise(kUpCheckNoAuthor);
  if (infoUrl_.empty()) Raise(kUpCheckNoInfoUrl);
  if (distinctName_.empty()) distinctName_ = ProductKeyName();
  if (iconIndex_ < 0) Raise(kUpCheckNegativeIconIndex);
  if (build_ < 1) build_ = BuildNumber(program_);

  Key maker(root_, MakerKey(mailAddress_), true);
  maker.SetString(L"Author", author_);
  maker.SetString(L"InfoURL", infoUrl_);
  if (!displayHost_.empty()) maker.SetString(L"DisplayHost", displayHost_);
  maker.Close();

  Key product(root_, MakerKey(mailAddress_) + L"\\" + distinctName_, true);
  product.SetString(L"DistinctName", distinctName_);
  product.SetNumber(L"Build", build_);
  if (iconIndex_ > 0) product.SetNumber(L"IconIndex", iconIndex_);
  if (!filePath_.empty()) product.SetString(L"FilePath", filePath_);
  if (!displayName_.empty()) product.SetString(L"DisplayName", displayName_);
  product.Close();
}

std::wstring UpCheck::ProductKeyName() const {
  if (!distinctName_.empty()) return distinctName_;
  if (program_.productName.empty()) Raise(kUpCheckNoProductName);
  return program_.productName;
}

int32_t UpCheck::BuildNumber(const ProgramIdentity& program) {
  return static_cast<int32_t>(program.major) * 10000 + static_cast<int32_t>(program.minor) * 100 +
         static_cast<int32_t>(program.revision);
}

std::wstring UpCheck::JoinPath(const std::wstring& folder, const std::wstring& file) {
  return folder.size() == 3 ? folder + file : folder + L"\\" + file;
}

bool RegisterWithUpdateNotifier(UpCheck& check) {
  bool announced = false;
  try {
    if (!check.InstalledUpCheck()) return false;
  } catch (...) {
    return false;
  }
  // Each step runs even when the one before it failed, as a start-up that ignores these errors does.
  auto step = [](auto&& action) {
    try {
      action();
    } catch (...) {
    }
  };
  step([&] {
    check.MailAddress(kMakerMailAddress);
    check.Author(kMakerAuthor);
    check.Build(0);
    check.DisplayHost(kMakerDisplayHost);
    check.DisplayName(kProductDisplayName);
    check.FilePath(true);
  });
  step([&] { check.InfoURL(kUpdateInfoUrl, 1); });
  step([&] { check.WriteData(); });
  step([&] { announced = check.CheckNewVer(); });
  if (announced)
    winui::MsgBox(kNewVersionMessage, MB_OK | MB_ICONINFORMATION, core::kProgramTitle, core::MainWindow().Hwnd());
  return announced;
}

}  // namespace tools

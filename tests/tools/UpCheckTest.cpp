// The update-notifier registration under a scratch key standing for HKEY_CURRENT_USER: the notifier's side
// of the protocol is played by the test itself, and once by the stand-in notifier.
#include <gtest/gtest.h>

#include <string>

#include "ScriptedMsgBox.h"
#include "Standins.h"
#include "TempDir.h"
#include "core/Text.h"
#include "tools/UpCheck.h"

namespace {

const std::wstring kMakerKey = std::wstring(L"Software\\Upcheck\\") + tools::kMakerMailAddress;
const std::wstring kProductKey = kMakerKey + L"\\テスト製品";

tools::ProgramIdentity Program(uint16_t major = 1, uint16_t minor = 6, uint16_t revision = 8) {
  return {major, minor, revision, L"テスト製品", L"C:\\Program Files\\Tolvenar", L"Tolvenar"};
}

class UpCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, scratch_.SubKey().c_str(), 0, nullptr, 0,
                                             KEY_ALL_ACCESS, nullptr, &root_, nullptr));
  }
  void TearDown() override { RegCloseKey(root_); }

  void InstallNotifier() { SetNumber(L"Software\\Upcheck", nullptr, 0, false); }
  bool KeyExists(const std::wstring& key) const {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root_, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
  }
  // The notifier writes a build it has learned of.
  void SetNumber(const std::wstring& key, const wchar_t* name, DWORD value, bool write = true) {
    HKEY opened = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyExW(root_, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened, nullptr));
    if (write) RegSetValueExW(opened, name, 0, REG_DWORD, reinterpret_cast<BYTE*>(&value), sizeof value);
    RegCloseKey(opened);
  }
  std::wstring Text(const std::wstring& key, const wchar_t* name) const {
    wchar_t buffer[512] = {};
    DWORD size = sizeof buffer;
    if (RegGetValueW(root_, key.c_str(), name, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
      return L"<missing>";
    return buffer;
  }
  int64_t Number(const std::wstring& key, const wchar_t* name) const {
    DWORD value = 0, size = sizeof value;
    if (RegGetValueW(root_, key.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS) return -1;
    return value;
  }
  // A registration as the program makes it, with the pieces a test leaves out.
  tools::UpCheck Registration(tools::ProgramIdentity program = Program()) {
    tools::UpCheck check(root_, std::move(program));
    check.MailAddress(tools::kMakerMailAddress);
    check.Author(L"Dunel");
    check.InfoURL(L"http://www.example.com/tolvenar/update.inf", 1);
    return check;
  }
  static uint32_t ErrorOf(const std::function<void()>& action) {
    try {
      action();
    } catch (const tools::UpCheckError& error) {
      return error.Number();
    }
    return 0;
  }

  testsupport::ScratchRegKey scratch_;
  HKEY root_ = nullptr;
  testsupport::ScriptedMsgBox boxes_;
};

TEST_F(UpCheckTest, WithoutTheNotifierNothingIsWrittenOrShown) {
  tools::UpCheck check(root_, Program());
  EXPECT_FALSE(check.InstalledUpCheck());
  EXPECT_FALSE(tools::RegisterWithUpdateNotifier(check));
  EXPECT_FALSE(KeyExists(L"Software\\Upcheck"));
}

TEST_F(UpCheckTest, RegistrationWritesTheMakerAndTheProduct) {
  InstallNotifier();
  tools::UpCheck check(root_, Program());
  EXPECT_FALSE(tools::RegisterWithUpdateNotifier(check));

  EXPECT_EQ(L"Dunel", Text(kMakerKey, L"Author"));
  EXPECT_EQ(tools::kUpdateInfoUrl, Text(kMakerKey, L"InfoURL"));
  EXPECT_EQ(tools::kMakerDisplayHost, Text(kMakerKey, L"DisplayHost"));
  EXPECT_EQ(L"テスト製品", Text(kProductKey, L"DistinctName"));
  EXPECT_EQ(10608, Number(kProductKey, L"Build"));
  EXPECT_EQ(L"C:\\Program Files\\Tolvenar\\Tolvenar.EXE", Text(kProductKey, L"FilePath"));
  EXPECT_EQ(L"とるべなー－【瞬間開梱】", Text(kProductKey, L"DisplayName"));
  EXPECT_EQ(-1, Number(kProductKey, L"IconIndex"));
}

TEST_F(UpCheckTest, ANewerBuildIsAnnouncedUnlessTheNotifierHoldsItBack) {
  InstallNotifier();
  const struct {
    DWORD latest;
    DWORD next;
    bool announced;
  } cases[] = {{0, 0, false},         {10608, 0, false},     {10700, 0, true},
               {10700, 10600, false}, {10700, 10608, false}, {10700, 10650, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.latest << " " << c.next);
    tools::UpCheck check(root_, Program());
    SetNumber(kProductKey, L"LatestBuild", c.latest);
    SetNumber(kProductKey, L"NextBuild", c.next);
    if (c.announced) boxes_.Expect(tools::kNewVersionMessage);
    EXPECT_EQ(c.announced, tools::RegisterWithUpdateNotifier(check));
  }
  RegDeleteKeyValueW(root_, kProductKey.c_str(), L"LatestBuild");
  tools::UpCheck check(root_, Program());
  EXPECT_FALSE(tools::RegisterWithUpdateNotifier(check));
}

TEST_F(UpCheckTest, RuleViolationsRaiseTheirNumbersAndWriteNothing) {
  EXPECT_EQ(tools::kUpCheckNotInstalled, ErrorOf([&] { Registration().WriteData(); }));
  InstallNotifier();
  EXPECT_EQ(tools::kUpCheckNoMailAddress, ErrorOf([&] {
              tools::UpCheck check = Registration();
              check.MailAddress(L"");
              check.WriteData();
            }));
  EXPECT_EQ(tools::kUpCheckNoAuthor, ErrorOf([&] {
              tools::UpCheck check = Registration();
              check.Author(L"");
              check.WriteData();
            }));
  EXPECT_EQ(tools::kUpCheckNoInfoUrl, ErrorOf([&] {
              tools::UpCheck check = Registration();
              check.InfoURL(L"", 0);
              check.WriteData();
            }));
  EXPECT_EQ(tools::kUpCheckNoProductName, ErrorOf([&] {
              tools::ProgramIdentity unnamed = Program();
              unnamed.productName.clear();
              Registration(unnamed).WriteData();
            }));
  EXPECT_EQ(tools::kUpCheckNegativeIconIndex, ErrorOf([&] {
              tools::UpCheck check = Registration();
              check.IconIndex(-1);
              check.WriteData();
            }));
  EXPECT_FALSE(KeyExists(kMakerKey));
  EXPECT_EQ(tools::kUpCheckNoInfoUrl, ErrorOf([&] { Registration().InfoURL(L"", 2); }));
  EXPECT_EQ(tools::kUpCheckNoMailAddress, ErrorOf([&] { tools::UpCheck(root_, Program()).CheckNewVer(); }));
  // Before any registration the product's key does not exist.
  EXPECT_EQ(tools::kUpCheckRegistryError, ErrorOf([&] { Registration().CheckNewVer(); }));
  EXPECT_EQ(L"メールアドレスが指定されていません", tools::UpCheckError(tools::kUpCheckNoMailAddress).Description());
}

TEST_F(UpCheckTest, FurtherUpdateAddressesAreWrittenAtOnce) {
  InstallNotifier();
  tools::UpCheck check = Registration();
  check.InfoURL(L"http://www.example.com/tolvenar/beta.inf", 3);
  EXPECT_EQ(L"http://www.example.com/tolvenar/beta.inf", Text(kMakerKey, L"InfoURL3"));
  EXPECT_EQ(L"<missing>", Text(kMakerKey, L"InfoURL"));
  check.DistinctName(L"別名");
  check.IconIndex(2);
  check.WriteData();
  EXPECT_EQ(L"http://www.example.com/tolvenar/update.inf", Text(kMakerKey, L"InfoURL"));
  EXPECT_EQ(2, Number(kMakerKey + L"\\別名", L"IconIndex"));
  EXPECT_EQ(L"<missing>", Text(kMakerKey + L"\\別名", L"FilePath"));
}

TEST(UpCheckRules, BuildNumbersAndFilePaths) {
  EXPECT_EQ(10608, tools::UpCheck::BuildNumber(Program(1, 6, 8)));
  // Beyond what 16 bits hold.
  EXPECT_EQ(39999, tools::UpCheck::BuildNumber(Program(3, 99, 99)));
  EXPECT_EQ(661969035, tools::UpCheck::BuildNumber(Program(65535, 65535, 65535)));
  EXPECT_EQ(L"C:\\Tolvenar.EXE", tools::UpCheck::JoinPath(L"C:\\", L"Tolvenar.EXE"));
  EXPECT_EQ(L"C:\\Tools\\Tolvenar.EXE", tools::UpCheck::JoinPath(L"C:\\Tools", L"Tolvenar.EXE"));
}

// The stand-in notifier installs itself, sees the registration and announces a build.
TEST_F(UpCheckTest, TheStandInNotifierSeesTheRegistrationAndAnnounces) {
  ASSERT_FALSE(testsupport::StandinFolder().empty()) << "TOLVENAR_STANDINS is not set";
  testsupport::TempDir temp;
  auto notifier = [&](const std::wstring& arguments) {
    std::wstring output = temp / L"notifier.txt";
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE file = CreateFileW(output.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = file;
    std::wstring line =
        L"\"" + testsupport::StandinFolder() + L"\\upcheck.exe\" --root \"" + scratch_.SubKey() + L"\" " + arguments;
    PROCESS_INFORMATION process{};
    DWORD code = 99;
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr, nullptr, &startup,
                       &process)) {
      WaitForSingleObject(process.hProcess, 60000);
      GetExitCodeProcess(process.hProcess, &code);
      CloseHandle(process.hThread);
      CloseHandle(process.hProcess);
    }
    CloseHandle(file);
    EXPECT_EQ(0u, code) << core::ToUtf8(arguments);
    return core::FromCp932(testsupport::ReadFileBytes(output));
  };

  notifier(L"install");
  tools::UpCheck first(root_, Program());
  EXPECT_FALSE(tools::RegisterWithUpdateNotifier(first));
  EXPECT_EQ(std::wstring(tools::kMakerMailAddress) +
                L"\tテスト製品\tDunel\thttp://www.example.com/tolvenar/update.inf\twww.example.com\t10608\t"
                L"C:\\Program Files\\Tolvenar\\Tolvenar.EXE\tとるべなー－【瞬間開梱】\r\n",
            notifier(L"list"));

  notifier(std::wstring(L"announce ") + tools::kMakerMailAddress + L" テスト製品 10700");
  boxes_.Expect(tools::kNewVersionMessage);
  tools::UpCheck second(root_, Program());
  EXPECT_TRUE(tools::RegisterWithUpdateNotifier(second));
}

}  // namespace

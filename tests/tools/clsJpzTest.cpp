// JPEG encryption through the stand-in jpz.dll, with the pass-phrase dialog played by a script.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProgramStateGuard.h"
#include "ScriptedMsgBox.h"
#include "SeamFakes.h"
#include "Standins.h"
#include "TempDir.h"
#include "archiver/LibraryBinding.h"
#include "tools/clsJpz.h"

namespace {

using testsupport::FileExists;
using testsupport::ReadFileBytes;

const wchar_t kWrongPassword[] = L"パスワードが間違っているか暗号化されたJPEGファイルではありません";
const wchar_t kEncryptFailed[] = L"JPZ.DLL(JPGtoJPZ)でファイル操作エラーが発生しました";
const wchar_t kDecryptComment[] = L"448bit可変長キー暗号化アルゴリズム「BlowFish」により復号化します";
const wchar_t kEncryptComment[] =
    L"このJPEGファイルを448bit可変長キー暗号化アルゴリズム「BlowFish」によって暗号化します";

class JpzTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(testsupport::StandinFolder().empty()) << "TOLVENAR_STANDINS is not set";
    archiver::FreeLibraries();
    archiver::SetLibraryFolder(testsupport::StandinFolder());
    SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", (temp_ / L"standins.ini").c_str());
    SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", (temp_ / L"standins.log").c_str());
    picture_ = std::string("\xFF\xD8\xFF\xE0", 4) + std::string(3000, 'p') + "\xFF\xD9";
  }
  void TearDown() override {
    archiver::FreeLibraries();
    archiver::SetLibraryFolder(L"");
    SetEnvironmentVariableW(L"TOLVENAR_STANDIN_CONFIG", nullptr);
    SetEnvironmentVariableW(L"TOLVENAR_STANDIN_LOG", nullptr);
  }
  // Calls the library received, by entry name.
  int Calls(const std::string& entry) const {
    std::string log = ReadFileBytes(temp_ / L"standins.log");
    int count = 0;
    for (size_t at = log.find("\t" + entry + "\t"); at != std::string::npos; at = log.find("\t" + entry + "\t", at + 1))
      ++count;
    return count;
  }
  // An encrypted picture "photo.jpz" made with the pass phrase.
  std::wstring Encrypted(const std::wstring& passPhrase) {
    std::wstring source = temp_.WriteFile(L"photo.2024.jpeg", picture_);
    testsupport::FakePassPhrases prompt;
    prompt.Ok(passPhrase);
    EXPECT_EQ(temp_ / L"photo.jpz", tools::clsJpz(prompt, nullptr).SetJpgToJpz(source));
    DeleteFileW(source.c_str());
    return temp_ / L"photo.jpz";
  }

  testsupport::ProgramStateGuard state_;
  testsupport::TempDir temp_;
  testsupport::ScriptedMsgBox boxes_;
  std::string picture_;
};

TEST_F(JpzTest, EncryptsAndDecryptsBesideTheSource) {
  std::wstring source = temp_.WriteFile(L"photo.2024.jpeg", picture_);
  testsupport::FakePassPhrases encrypting;
  encrypting.Ok(L"secret-pass");
  tools::clsJpz encryptor(encrypting, nullptr);
  EXPECT_EQ(temp_ / L"photo.jpz", encryptor.SetJpgToJpz(source));
  EXPECT_EQ(tools::JpzStatus::Converted, encryptor.LastStatus());
  std::string enciphered = ReadFileBytes(temp_ / L"photo.jpz");
  EXPECT_FALSE(enciphered.empty());
  EXPECT_EQ(std::string::npos, enciphered.find(std::string(100, 'p')));
  EXPECT_EQ(picture_, ReadFileBytes(source));
  ASSERT_EQ(1u, encrypting.requests.size());
  EXPECT_TRUE(encrypting.requests[0].strict);
  EXPECT_EQ(kEncryptComment, encrypting.requests[0].comment);

  testsupport::FakePassPhrases decrypting;
  decrypting.Ok(L"secret-pass");
  tools::clsJpz decryptor(decrypting, nullptr);
  EXPECT_EQ(temp_ / L"photo.jpg", decryptor.GetJpzToJpg(temp_ / L"photo.jpz"));
  EXPECT_EQ(tools::JpzStatus::Converted, decryptor.LastStatus());
  EXPECT_EQ(picture_, ReadFileBytes(temp_ / L"photo.jpg"));
  EXPECT_FALSE(decrypting.requests[0].strict);
  EXPECT_EQ(kDecryptComment, decrypting.requests[0].comment);
}

TEST_F(JpzTest, CancelAtTheFirstRequestCallsNothing) {
  std::wstring jpz = Encrypted(L"secret-pass");
  testsupport::FakePassPhrases prompt;
  prompt.Cancel();
  tools::clsJpz jpzObject(prompt, nullptr);
  jpzObject.GetJpzToJpg(jpz);
  EXPECT_EQ(tools::JpzStatus::Cancelled, jpzObject.LastStatus());
  EXPECT_EQ(1u, prompt.requests.size());
  EXPECT_EQ(0, Calls("JPZtoJPG"));
  EXPECT_FALSE(FileExists(temp_ / L"photo.jpg"));
}

TEST_F(JpzTest, AWrongPassPhraseWarnsAndAsksAgainWithTheDialogsOwnComment) {
  std::wstring jpz = Encrypted(L"secret-pass");
  testsupport::FakePassPhrases prompt;
  prompt.Ok(L"wrong");
  prompt.Ok(L"secret-pass");
  boxes_.Expect(kWrongPassword);
  tools::clsJpz jpzObject(prompt, nullptr);
  jpzObject.GetJpzToJpg(jpz);

  EXPECT_EQ(tools::JpzStatus::Converted, jpzObject.LastStatus());
  EXPECT_EQ(picture_, ReadFileBytes(temp_ / L"photo.jpg"));
  ASSERT_EQ(2u, prompt.requests.size());
  EXPECT_EQ(L"", prompt.requests[1].comment);
  EXPECT_FALSE(prompt.requests[1].strict);
  EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), boxes_.Shown().at(0).style & MB_ICONMASK);
}

// The script writes the output between the failed attempt and Cancel, as a library that leaves a partial
// file behind would: the clean-up removes it, but never a file of that name that was there before the run.
TEST_F(JpzTest, CancelAfterAFailureRemovesOnlyAnOutputTheRunCreated) {
  std::wstring jpz = Encrypted(L"secret-pass");
  for (bool existedBefore : {false, true}) {
    SCOPED_TRACE(existedBefore);
    if (existedBefore) temp_.WriteFile(L"photo.jpg", "the user's own picture");
    testsupport::FakePassPhrases prompt;
    prompt.Ok(L"wrong");
    prompt.Meanwhile([&] {
      if (!existedBefore) temp_.WriteFile(L"photo.jpg", "partial");
    });
    prompt.Cancel();
    boxes_.Expect(kWrongPassword);
    tools::clsJpz(prompt, nullptr).GetJpzToJpg(jpz);
    EXPECT_EQ(existedBefore, FileExists(temp_ / L"photo.jpg"));
  }
  EXPECT_EQ("the user's own picture", ReadFileBytes(temp_ / L"photo.jpg"));
}

TEST_F(JpzTest, AFailedEncryptionIsReportedAsAFileError) {
  temp_.WriteFile(L"standins.ini", "[jpz]\r\nResult.JPGtoJPZ=7\r\n");
  archiver::FreeLibraries();
  std::wstring source = temp_.WriteFile(L"photo.jpg", picture_);
  testsupport::FakePassPhrases prompt;
  prompt.Ok(L"password1");
  prompt.Cancel();
  boxes_.Expect(kEncryptFailed);
  tools::ConvertJpgToJpz(source, prompt, nullptr);

  EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), boxes_.Shown().at(0).style & MB_ICONMASK);
  EXPECT_EQ(1, Calls("JPGtoJPZ"));
  EXPECT_FALSE(FileExists(temp_ / L"photo.jpz"));
  EXPECT_EQ(picture_, ReadFileBytes(source));
}

TEST_F(JpzTest, AMissingLibraryEndsAfterTheFirstRequestWithoutAMessage) {
  archiver::SetLibraryFolder(temp_ / L"nothing here");
  std::wstring source = temp_.WriteFile(L"photo.jpg", picture_);
  testsupport::FakePassPhrases prompt;
  prompt.Ok(L"password1");
  tools::clsJpz jpzObject(prompt, nullptr);
  jpzObject.SetJpgToJpz(source);
  EXPECT_EQ(tools::JpzStatus::LibraryMissing, jpzObject.LastStatus());
  EXPECT_EQ(1u, prompt.requests.size());
}

TEST_F(JpzTest, AnOutputNamedLikeItsSourceIsNeverWritten) {
  std::wstring source = temp_.WriteFile(L"photo.jpg", picture_);
  testsupport::FakePassPhrases prompt;
  boxes_.Expect(kWrongPassword);
  tools::clsJpz jpzObject(prompt, nullptr);
  jpzObject.GetJpzToJpg(source);
  EXPECT_EQ(tools::JpzStatus::SameFile, jpzObject.LastStatus());
  EXPECT_TRUE(prompt.requests.empty());
  EXPECT_EQ(picture_, ReadFileBytes(source));
}

TEST(JpzOutputPath, FolderBaseNameAndExtension) {
  EXPECT_EQ(L"C:\\pics\\photo.jpg", tools::JpzOutputPath(L"C:\\pics\\photo.2024.jpz", L".jpg"));
  EXPECT_EQ(L"C:\\pics\\photo.jpz", tools::JpzOutputPath(L"C:\\pics\\photo.jpeg", L".jpz"));
  EXPECT_EQ(L"C:\\photo.jpg", tools::JpzOutputPath(L"C:\\photo.JPZ", L".jpg"));
  EXPECT_EQ(L"C:\\新しい\\写真.jpz", tools::JpzOutputPath(L"C:\\新しい\\写真.jpg", L".jpz"));
}

}  // namespace

// LZ expansion through the system's lz32 on files made by the stand-ins' SZDD writer, failures forced
// through the seam, the messages of the open-entry step, and the rules of the name dialog.
#include <gtest/gtest.h>

#include <windows.h>
#include <lzexpand.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ProgramStateGuard.h"
#include "ScriptedMsgBox.h"
#include "Szdd.h"
#include "TempDir.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "tools/modExpand.h"

namespace {

using testsupport::FileExists;
using testsupport::ReadFileBytes;

std::string Noise(size_t size, unsigned seed) {
  std::string bytes(size, '\0');
  for (char& c : bytes) {
    seed = seed * 1103515245u + 12345u;
    c = static_cast<char>(seed >> 16);
  }
  return bytes;
}

std::string Prose(size_t size) {
  const std::string line = "setup copies the files it needs; ";
  std::string bytes;
  while (bytes.size() < size) bytes += line;
  bytes.resize(size);
  return bytes;
}

// Names of the files in a folder.
std::vector<std::wstring> FolderItems(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") names.push_back(name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

class ExpandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    core::Settings.Message = L"1";
    out_ = temp_ / L"out";
    CreateDirectoryW(out_.c_str(), nullptr);
  }

  testsupport::ProgramStateGuard state_;
  testsupport::TempDir temp_;
  std::wstring out_;
};

TEST_F(ExpandTest, ExpandsSzddFilesOfOddSizes) {
  const size_t sizes[] = {1, 2, 3, 17, 18, 19, 4095, 4096, 4097, 65537};
  for (size_t size : sizes) {
    for (const std::string& data : {Noise(size, static_cast<unsigned>(size)), Prose(size)}) {
      SCOPED_TRACE(size);
      std::wstring source = temp_.WriteFile(L"setup.ex_", standin::SzddCompress(data, 'e'));
      std::wstring destination = out_ + L"\\setup.exe";
      EXPECT_EQ(static_cast<int32_t>(size), tools::ExpandLzFile(source, destination));
      EXPECT_EQ(data, ReadFileBytes(destination));
    }
  }
  EXPECT_EQ((std::vector<std::wstring>{L"setup.exe"}), FolderItems(out_));
}

TEST_F(ExpandTest, AnEmptyFileGivesZeroAndAPlainFileIsCopiedAsItIs) {
  std::wstring empty = temp_.WriteFile(L"empty.tx_", standin::SzddCompress("", 't'));
  EXPECT_EQ(0, tools::ExpandLzFile(empty, out_ + L"\\empty.txt"));
  EXPECT_EQ("", ReadFileBytes(out_ + L"\\empty.txt"));
  EXPECT_TRUE(FileExists(out_ + L"\\empty.txt"));

  std::wstring plain = temp_.WriteFile(L"plain.tx_", "not compressed at all");
  EXPECT_EQ(21, tools::ExpandLzFile(plain, out_ + L"\\plain.txt"));
  EXPECT_EQ("not compressed at all", ReadFileBytes(out_ + L"\\plain.txt"));
}

TEST_F(ExpandTest, AnExistingDestinationIsReplaced) {
  std::wstring destination = temp_.WriteFile(L"out\\readme.txt", "an older file that is longer than the new one");
  std::wstring source = temp_.WriteFile(L"readme.tx_", standin::SzddCompress("new text", 't'));
  EXPECT_EQ(8, tools::ExpandLzFile(source, destination));
  EXPECT_EQ("new text", ReadFileBytes(destination));
}

// The existence test as lz32 answers it, for a source whose file or whose folder is missing.
class MissingSource : public tools::LzFiles {
 public:
  explicit MissingSource(WORD error) : error_(error) {}
  INT Open(const std::wstring&, OFSTRUCT& record, WORD style) override {
    EXPECT_EQ(OF_EXIST, style);
    record.nErrCode = error_;
    return HFILE_ERROR;
  }
  LONG Copy(INT, INT) override {
    ADD_FAILURE() << "nothing is copied from a missing source";
    return 0;
  }
  void Close(INT) override { ADD_FAILURE() << "nothing was opened"; }

 private:
  WORD error_;
};

TEST_F(ExpandTest, AMissingSourceCreatesNothing) {
  EXPECT_EQ(-1, tools::ExpandLzFile(temp_ / L"missing.ex_", out_ + L"\\a.exe"));
  for (WORD error : {ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND}) {
    MissingSource missing(error);
    tools::LzFiles* previous = tools::SetLzFiles(&missing);
    EXPECT_EQ(error == ERROR_FILE_NOT_FOUND ? -1 : -2, tools::ExpandLzFile(temp_ / L"x\\a.ex_", out_ + L"\\a.exe"));
    tools::SetLzFiles(previous);
  }
  EXPECT_TRUE(FolderItems(out_).empty());
}

// lz32 as it is, except that the copy fails with the given code.
class FailingCopy : public tools::LzFiles {
 public:
  FailingCopy(tools::LzFiles& real, LONG code) : real_(real), code_(code) {}
  INT Open(const std::wstring& path, OFSTRUCT& record, WORD style) override {
    INT handle = real_.Open(path, record, style);
    if (style != OF_EXIST && handle >= 0) opened.push_back(handle);
    return handle;
  }
  LONG Copy(INT, INT) override { return code_; }
  void Close(INT handle) override {
    closed.push_back(handle);
    real_.Close(handle);
  }
  std::vector<INT> opened, closed;

 private:
  tools::LzFiles& real_;
  LONG code_;
};

TEST_F(ExpandTest, AFailedCopyLeavesNothingBehindAndKeepsAnExistingDestination) {
  const struct {
    LONG code;
    int32_t result;
  } cases[] = {{LZERROR_BADINHANDLE, -3}, {LZERROR_BADOUTHANDLE, -4}, {LZERROR_READ, -5},
               {LZERROR_WRITE, -6},       {LZERROR_GLOBALLOC, 0},     {LZERROR_GLOBLOCK, -7},
               {LZERROR_BADVALUE, 0},     {LZERROR_UNKNOWNALG, -8},   {-99, 0}};
  std::wstring source = temp_.WriteFile(L"setup.ex_", standin::SzddCompress(Prose(5000), 'e'));
  std::wstring kept = temp_.WriteFile(L"out\\kept.exe", "the user's own file");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    FailingCopy failing(tools::Lz(), c.code);
    tools::LzFiles* previous = tools::SetLzFiles(&failing);
    tools::LzExpansion fresh = tools::ExpandLz(source, out_ + L"\\setup.exe");
    tools::LzExpansion existing = tools::ExpandLz(source, kept);
    tools::SetLzFiles(previous);

    EXPECT_EQ(c.result, fresh.result);
    EXPECT_TRUE(fresh.copyFailed);
    EXPECT_TRUE(existing.copyFailed);
    std::sort(failing.opened.begin(), failing.opened.end());
    std::sort(failing.closed.begin(), failing.closed.end());
    EXPECT_EQ(failing.opened, failing.closed);
    EXPECT_EQ((std::vector<std::wstring>{L"kept.exe"}), FolderItems(out_));
    EXPECT_EQ("the user's own file", ReadFileBytes(kept));
  }
}

TEST_F(ExpandTest, TheOpenEntryStepReportsSuccessAndFailure) {
  std::wstring source = temp_.WriteFile(L"setup.ex_", standin::SzddCompress(Prose(300), 'e'));
  std::wstring destination = out_ + L"\\setup.exe";
  testsupport::ScriptedMsgBox boxes;

  boxes.Expect(L"Lempel-Zivファイルを \"" + destination + L"\" というファイル名で展開しました");
  EXPECT_EQ(300, tools::ExpandExtractedEntry(source, destination));

  core::Settings.Message = L"0";
  EXPECT_EQ(300, tools::ExpandExtractedEntry(source, destination));
  EXPECT_EQ(-1, tools::ExpandExtractedEntry(temp_ / L"missing.ex_", destination));

  FailingCopy failing(tools::Lz(), LZERROR_READ);
  tools::LzFiles* previous = tools::SetLzFiles(&failing);
  boxes.Expect(L"Lempel-Zivファイルを \"" + destination + L"\" に展開できませんでした");
  EXPECT_EQ(-5, tools::ExpandExtractedEntry(source, destination));
  tools::SetLzFiles(previous);

  ASSERT_EQ(2u, boxes.Shown().size());
  EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), boxes.Shown()[0].style & MB_ICONMASK);
  EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), boxes.Shown()[1].style & MB_ICONMASK);
}

TEST_F(ExpandTest, TheNameDialogSplitsAndJoinsTheProposedPath) {
  const struct {
    const wchar_t* proposed;
    const wchar_t* fileName;
    const wchar_t* extension;
    int selection;
    const wchar_t* joined;
  } cases[] = {
      {L"C:\\out\\setup.ex_", L"C:\\out\\setup", L"ex_", 2, L"C:\\out\\setup.ex_"},
      {L"C:\\out\\data.v2.tx_", L"C:\\out\\data", L"tx_", 2, L"C:\\out\\data.tx_"},
      {L"C:\\out\\_readme._xt", L"C:\\out\\_readme", L"_xt", 0, L"C:\\out\\_readme._xt"},
      {L"C:\\out\\plain.dat", L"C:\\out\\plain", L"dat", 0, L"C:\\out\\plain.dat"},
      {L"C:\\out\\README", L"C:\\out\\README", L"README", 0, L"C:\\out\\README.README"},
  };
  for (const auto& c : cases) {
    tools::ExpandNameFields fields = tools::SplitExpandPath(c.proposed);
    EXPECT_EQ(c.fileName, fields.fileName) << core::ToUtf8(c.proposed);
    EXPECT_EQ(c.extension, fields.extension) << core::ToUtf8(c.proposed);
    EXPECT_EQ(c.selection, fields.selectionStart) << core::ToUtf8(c.proposed);
    EXPECT_EQ(c.joined, tools::JoinExpandPath(fields.fileName, fields.extension));
  }
  EXPECT_EQ(L"C:\\out\\setup.", tools::JoinExpandPath(L"C:\\out\\setup", L""));
}

TEST_F(ExpandTest, TheProposedPathIsInTheArchiveFolderOrTheDefaultFolder) {
  core::Settings.UnpackDefault = L"D:\\unpacked\\";
  core::Settings.UnpackDefaultFlag = L"1";
  EXPECT_EQ(L"C:\\archives\\setup.ex_", tools::ProposeExpandPath(L"C:\\archives\\disk1.lzh", L"setup.ex_"));
  EXPECT_EQ(L"C:\\archives\\setup.ex_", tools::ProposeExpandPath(L"C:\\archives\\disk1.lzh", L"..\\bin\\setup.ex_"));
  core::Settings.UnpackDefaultFlag = L"0";
  EXPECT_EQ(L"D:\\unpacked\\setup.ex_", tools::ProposeExpandPath(L"C:\\archives\\disk1.lzh", L"setup.ex_"));
}

}  // namespace

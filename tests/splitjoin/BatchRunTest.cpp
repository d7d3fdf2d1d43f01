// The batch file of a set rebuilds the file with cmd alone, whatever characters its name holds.
#include <gtest/gtest.h>

#include "EngineFakes.h"
#include "ScriptedMsgBox.h"
#include "TempDir.h"
#include "core/Text.h"
#include "splitjoin/SplitEngine.h"
#include "splitjoin/SplitFileSet.h"

namespace {

using splitjoin_test::PatternBytes;
using testsupport::ReadFileBytes;

// Runs a batch file with cmd in its folder and waits for it; false when it could not run.
bool RunBatch(const std::wstring& folder, const std::wstring& batchName) {
  std::wstring command = L"cmd.exe /c " + batchName;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, folder.c_str(),
                      &startup, &process))
    return false;
  DWORD waited = WaitForSingleObject(process.hProcess, 60000);
  if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return waited == WAIT_OBJECT_0;
}

TEST(BatchRun, CmdRestoresTheSourceFromThePieces) {
  for (const wchar_t* name : {L"plain.bin", L"my movie.avi", L"データ ソ表.bin", L"a&b (1) 50%.dat"}) {
    SCOPED_TRACE(core::ToUtf8(name));
    testsupport::TempDir temp;
    testsupport::ScriptedMsgBox boxes;
    splitjoin_test::RecordingUi ui{L"ファイルを分割"};
    splitjoin_test::FakeDisks disks;
    const std::string content = PatternBytes(600000);
    const std::wstring source = temp.WriteFile(std::wstring(L"src\\") + name, content);
    const std::wstring out = temp / L"out\\";
    CreateDirectoryW(out.c_str(), nullptr);
    boxes.Expect(L"分割数は *.001～*.003 の ３ です");
    ASSERT_EQ(modDravisk::SplitFile(source, out, 0, 262144, {.keepDate = false, .makeBatch = true}, ui, disks),
              modDravisk::SplitResult::Done);
    // The batch is run under a plain name so that the command line to cmd needs no quoting of its own.
    const std::wstring batch = out + splitjoin::PieceStem(name) + L"bat";
    ASSERT_TRUE(CopyFileW(batch.c_str(), (out + L"run.bat").c_str(), FALSE));
    ASSERT_TRUE(RunBatch(out, L"run.bat"));
    EXPECT_TRUE(ReadFileBytes(out + name) == content);
  }
}

}  // namespace

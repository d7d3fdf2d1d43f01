// Extracting the entries the user selected in the list: the archive is listed as the window lists it, rows
// are picked by name, their list file is written, and the dialog, the quick extraction and the extraction
// behind dragging out give back exactly those files, from archives made by Debian's own archivers.
#include <gtest/gtest.h>

#include <set>

#include "ExtractFixture.h"
#include "ScriptedMsgBox.h"
#include "Standins.h"
#include "ToolFakes.h"
#include "archiver/listing/GetIconKey.h"
#include "archiver/listing/Listing.h"
#include "core/ArcCatalogue.h"
#include "core/Text.h"
#include "core/WorkFolder.h"
#include "core/modPath.h"
#include "core/modTolvenar.h"
#include "operations/ListFiles.h"
#include "operations/UnPackArchive.h"
#include "operations/UnPackArgs.h"
#include "tools/frmArchiveDown.h"

namespace {

class Quiet : public archiver::listing::ListingProgress {
 public:
  HWND Owner() override { return nullptr; }
  void Progress(float, bool) override {}
  void Pump() override {}
  void Failed(const std::wstring& message, bool) override { ADD_FAILURE() << core::ToUtf8(message); }
};

struct Archive {
  const wchar_t* fixture;
  const wchar_t* name;
  const wchar_t* type;
};

const Archive kArchives[] = {
    {L"extract/tree.lzh", L"選択 あ.lzh", L"LZH"}, {L"extract/tree.zip", L"選択 い.zip", L"ZIP"},
    {L"extract/tree.tar", L"選択 う.tar", L"TAR"}, {L"extract/tree.tgz", L"選択 え.tgz", L"TGZ"},
    {L"extract/tree.cab", L"選択 お.cab", L"CAB"},
};

class ExtractSelectionTest : public extracttest::StandinTest {
 protected:
  void SetUp() override {
    StandinTest::SetUp();
    savedListName_ = core::ListFileName;
    core::ListFileName = core::MakeListFileName(12, 0, 0);
    core::Settings.WorkFolder = temp / L"work";
    CreateDirectoryW(core::Settings.WorkFolder.c_str(), nullptr);
    ASSERT_TRUE(core::SelectTempFolder());
  }
  void TearDown() override {
    core::ReleaseTempFolder();
    core::ListFileName = savedListName_;
    StandinTest::TearDown();
  }

  // Lists the archive as the window does and selects the rows named `names` into the list file.
  void Select(const Archive& archive, const std::wstring& path, const std::set<std::wstring>& names) {
    std::wstring listed = path;
    archiver::listing::EntryIcons icons([](const std::wstring&) { return std::wstring(); });
    Quiet quiet;
    std::vector<operations::SelectedEntry> entries;
    for (const auto& row :
         archiver::listing::ReadArcList(*core::FindArcType(archive.type), listed, false, icons, quiet))
      if (names.count(std::wstring(row.Name())))
        entries.push_back({std::wstring(row.Name()), std::wstring(row.Cell(7))});
    ASSERT_EQ(names.size(), entries.size());
    core::PrivateState.SetArcFileName(path);
    const std::optional<std::wstring> made = operations::MakeSelectFileList(ui, archive.type, entries);
    ASSERT_TRUE(made.has_value());
    selection = *made;
  }
  // The files of the source tree the fixture archives were made from, by their paths there.
  static std::wstring Source(const std::map<std::wstring, std::wstring>& paths) {
    const auto tree = extracttest::SourceTree();
    std::map<std::wstring, std::string> files;
    for (const auto& [extracted, source] : paths) files[extracted] = tree.at(source);
    return extracttest::Summary(files);
  }
  static std::wstring Extracted(const std::wstring& folder) {
    return extracttest::Summary(extracttest::FilesBelow(folder));
  }

  testsupport::ScriptedMsgBox boxes;
  testsupport::FakeOperationUi ui;
  // The list reference of the last selection.
  std::wstring selection;

 private:
  std::wstring savedListName_;
};

TEST_F(ExtractSelectionTest, TheDialogExtractsTheSelectedEntriesWithTheirFolders) {
  for (const Archive& archive : kArchives) {
    SCOPED_TRACE(core::ToUtf8(archive.fixture));
    const std::wstring path = CopyFixture(archive.fixture, archive.name);
    Select(archive, path, {L"memo.txt", L"data.bin"});
    const std::wstring dest = temp / (std::wstring(L"ダイアログ\\") + archive.type);
    toolstest::ModalScript user([&](winui::Form& form) {
      auto& dialog = static_cast<tools::frmArchiveDown&>(form);
      dialog.cmbLhaDown.SetText(dest);
      extracttest::Check(dialog.chkFolder);
      extracttest::Click(dialog.CmdOk.Hwnd());
    });
    EXPECT_TRUE(tools::ExtractThroughDialog(nullptr, selection));
    EXPECT_EQ(Source({{L"doc\\memo.txt", L"doc\\memo.txt"}, {L"doc\\deep\\data.bin", L"doc\\deep\\data.bin"}}),
              Extracted(dest));
  }
}

TEST_F(ExtractSelectionTest, TheQuickExtractionOfASelectionKeepsOrDropsTheFolders) {
  core::PrivateState.SetIconDrop(true);
  for (const Archive& archive : kArchives) {
    SCOPED_TRACE(core::ToUtf8(archive.fixture));
    const std::wstring path = CopyFixture(archive.fixture, archive.name);
    for (const bool flat : {false, true}) {
      Select(archive, path, {L"memo.txt", L"readme.txt"});
      const std::wstring dest = temp / (std::wstring(flat ? L"flat\\" : L"kept\\") + archive.type);
      operations::UnPackRequest request{path, selection, dest};
      request.flat = flat;
      EXPECT_TRUE(operations::ExecQuickUnpack(ui, request).ok);
      EXPECT_EQ(Source({{flat ? L"memo.txt" : L"doc\\memo.txt", L"doc\\memo.txt"}, {L"readme.txt", L"readme.txt"}}),
                Extracted(dest));
    }
  }
}

// Dragging entries out extracts them flat into "Drag" beside the list file, emptied of an earlier drag
// first; the list file is gone afterwards, and no Explorer window opens for it.
TEST_F(ExtractSelectionTest, DraggingOutExtractsFlatIntoAnEmptiedDragFolder) {
  core::Settings.UnPackExp = L"1";
  core::Settings.FolderByArc = L"1";
  core::Settings.UnpackDefaultFlag = L"1";
  core::PrivateState.SetIconDrop(true);
  const std::wstring drag = core::AddBackslash(core::WorkFolderPath()) + L"Drag";
  for (const Archive& archive : kArchives) {
    SCOPED_TRACE(core::ToUtf8(archive.fixture));
    const std::wstring path = CopyFixture(archive.fixture, archive.name);
    Select(archive, path, {L"data.bin"});
    temp.WriteFile(drag.substr(temp.Path().size() + 1) + L"\\earlier.txt", "from an earlier drag");
    const std::wstring listFile = operations::SelectionListFile(selection);
    ASSERT_TRUE(core::NormalFileExists(listFile));

    operations::UnPackRequest request{path, selection};
    request.direct = false;
    const operations::JobResult result = operations::UnPackArchive(ui, request);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(std::vector<std::wstring>{drag + L"\\"}, result.made);
    EXPECT_EQ(Source({{L"data.bin", L"doc\\deep\\data.bin"}}), Extracted(drag));
    EXPECT_FALSE(core::NormalFileExists(listFile));
  }
  EXPECT_TRUE(shell.opened.empty());
}

}  // namespace

#include "tools/TemplateArchive.h"

#include "core/ArcCatalogue.h"
#include "core/OperationUi.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "operations/JobResult.h"
#include "operations/ListFiles.h"
#include "operations/SfxArchive.h"

namespace tools {
namespace {

using operations::Archiver;
using operations::ArchiverCommand;

// A template's command is fixed: it takes none of the type's options. Which library writes the type is
// the catalogue's.
struct TypeRow {
  const wchar_t* typeName;  // the catalogue row
  const wchar_t* extension;
  const wchar_t* verb;  // what goes before the archive
  bool namesOnly;       // the list holds file names and the command the base folder
  bool makesSfxItself;  // the library writes the self-extracting program in the same command
};

// In the order of TemplateType.
const TypeRow kTypes[kTemplateTypeCount] = {
    {L"LZH", L".lzh", L"u -a1 -r0 -jss1 ", false, false},
    {L"ZIP", L".zip", L"-j -S ", false, false},
    {L"CAB", L".cab", L"-a ", true, false},
    {L"TAR", L".tar", L"--use-directory=0 ", false, true},
};

const TypeRow& RowOf(const TemplateArchiveRequest& request) { return kTypes[static_cast<int>(request.type)]; }

std::wstring Base(const TemplateArchiveRequest& request) { return TemplateBase(request.folder, request.name); }

}  // namespace

std::wstring TemplateLibraryArchive(const TemplateArchiveRequest& request) {
  const TypeRow& row = RowOf(request);
  return Base(request) + (row.makesSfxItself && request.sfx ? L".exe" : row.extension);
}

std::wstring TemplateResultFile(const TemplateArchiveRequest& request) {
  return request.sfx ? Base(request) + L".exe" : TemplateLibraryArchive(request);
}

std::vector<std::wstring> TemplateListLines(const TemplateArchiveRequest& request) {
  const bool namesOnly = RowOf(request).namesOnly;
  std::vector<std::wstring> lines;
  lines.reserve(request.files.size());
  for (const std::wstring& file : request.files)
    lines.push_back(core::QuotePath(namesOnly ? core::GetFileNamePart(file) : file));
  return lines;
}

std::wstring TemplateCabBaseFolder(const TemplateArchiveRequest& request) {
  return core::AddBackslash(request.files.empty() ? std::wstring() : core::GetFolderPart(request.files.front()));
}

ArchiverCommand TemplateCommand(const TemplateArchiveRequest& request, const std::wstring& listPath) {
  const TypeRow& row = RowOf(request);
  std::wstring line = row.verb;
  if (row.makesSfxItself) line += std::wstring(request.sfx ? L"--self-extracting=1 " : L"") + L"-cvf ";
  line += core::QuotePath(TemplateLibraryArchive(request)) + L" ";
  if (row.namesOnly) line += core::QuotePath(TemplateCabBaseFolder(request)) + L" ";
  line += core::QuotePath(L"@" + listPath);
  const core::ArchiverCall writer = core::FindArcType(row.typeName)->creation.writer;
  return {writer.archiver, line, writer.flag};
}

namespace {

// Turns the library's archive into the self-extracting program beside it (the cabinet's folder is named,
// the others take the archive's own). The LZH and CAB archives go only once the program is there.
bool MakeSfx(HWND owner, const TemplateArchiveRequest& request) {
  const std::wstring archive = TemplateLibraryArchive(request);
  const std::wstring destination = request.type == TemplateType::Cab ? core::GetFolderPart(archive) : L"";
  core::WindowOperationUi ui(owner);
  const bool made = operations::Settle(operations::MakeSfxArchive(ui, {archive, destination, true})).ok &&
                    core::NormalFileExists(TemplateResultFile(request));
  if (made && request.type != TemplateType::Zip) DeleteFileW(archive.c_str());
  return made;
}

class RealMaker : public TemplateArchiveMaker {
 public:
  bool Make(HWND owner, const TemplateArchiveRequest& request) override {
    const std::wstring listPath = request.workFolder + core::ListFileName;
    bool made = operations::WriteListFile(listPath, TemplateListLines(request));
    if (made) {
      const operations::RunResult result = operations::Run(owner, TemplateCommand(request, listPath));
      made = operations::Settle({result.Succeeded()}).ok;
    }
    if (made && request.sfx && !RowOf(request).makesSfxItself) made = MakeSfx(owner, request);
    if (core::NormalFileExists(listPath)) DeleteFileW(listPath.c_str());
    // A library that was not there, or one that reported success and wrote nothing, made nothing.
    return made && core::NormalFileExists(TemplateResultFile(request));
  }
};

}  // namespace

TemplateArchiveMaker& RealTemplateArchives() {
  static RealMaker maker;
  return maker;
}

}  // namespace tools

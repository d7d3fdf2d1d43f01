#include "tools/TemplateCreation.h"

#include "core/SettingValues.h"
#include "core/WorkFolder.h"
#include "core/modPath.h"
#include "core/modShell.h"
#include "core/modTolvenar.h"
#include "tools/TemplateArchive.h"
#include "winui/MsgBox.h"

namespace tools {

const wchar_t kCreateTemplatesQuestion[] = L"書庫を作成します よろしいですか";
const wchar_t kAllTemplatesCreated[] = L"すべての書庫ファイルを作成しました";

namespace {

TemplateArchiveMaker* installed = nullptr;

// One template of the run; false when its archive was not made.
bool MakeOne(HWND owner, const ArchiveTemplate& values) {
  // Chosen anew for each template; an instance only ever gets a folder of its own.
  const bool heldBefore = core::HoldsTempFolder();
  if (!core::SelectTempFolder()) return false;
  TemplateArchiveRequest request;
  bool made = TemplateRequest(values, core::AddBackslash(core::WorkFolderPath()), request) &&
              TemplateArchives().Make(owner, request);
  // A folder claimed for this template goes again once it is empty. The folder the instance held before
  // stays claimed until the instance ends, so that no other instance takes it while this one works in it.
  if (!heldBefore) core::ReleaseTempFolderIfEmpty();
  return made;
}

}  // namespace

TemplateArchiveMaker& TemplateArchives() { return installed ? *installed : RealTemplateArchives(); }

TemplateArchiveMaker* SetTemplateArchiveMaker(TemplateArchiveMaker* maker) {
  TemplateArchiveMaker* previous = installed;
  installed = maker;
  return previous;
}

bool TemplateRequest(const ArchiveTemplate& values, const std::wstring& workFolder, TemplateArchiveRequest& request) {
  request = TemplateArchiveRequest{values.folder, values.arcName, TemplateType::Lzh, core::IsOn(values.makeSfx), {},
                                   workFolder};
  for (const std::wstring& entry : values.entries)
    if (!entry.empty()) request.files.push_back(entry);
  return TemplateTypeOf(values.arcType, request.type);
}

bool CreateTemplateArchives(HWND owner, const std::vector<int>& selected) {
  if (winui::MsgBox(kCreateTemplatesQuestion, MB_OKCANCEL | MB_ICONQUESTION | MB_SYSTEMMODAL, core::kProgramTitle,
                    owner) != IDOK)
    return false;
  bool failed = false;
  for (int number : selected) {
    const ArchiveTemplate values = ReadTemplate(number);
    if (values.folder.empty()) return false;
    if (!MakeOne(owner, values)) failed = true;
  }
  if (failed) return false;
  winui::MsgBox(kAllTemplatesCreated, MB_OK | MB_ICONINFORMATION | MB_SYSTEMMODAL, core::kProgramTitle, owner);
  return true;
}

}  // namespace tools

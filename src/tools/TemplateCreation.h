#pragma once
// Making the archives of templates in one step: the template list's "圧縮(&P)" asks once, then makes the
// archive of each selected template in this instance's work folder, and tells that all were made only when
// every one of them is there. One archive is made behind a small interface, which tests replace.
#include <windows.h>

#include <string>
#include <vector>

#include "core/Seams.h"
#include "tools/Templates.h"

namespace tools {

// What one template's archive is made from.
struct TemplateArchiveRequest {
  std::wstring folder;  // "Folder", as stored
  std::wstring name;    // "ArcName"
  TemplateType type = TemplateType::Lzh;
  bool sfx = false;                 // a self-extracting program ("MakeSFX" not "0")
  std::vector<std::wstring> files;  // the template's entries that are not empty, in key order
  std::wstring workFolder;          // this instance's work folder, with a trailing "\"

  bool operator==(const TemplateArchiveRequest&) const = default;
};

class TemplateArchiveMaker {
 public:
  virtual ~TemplateArchiveMaker() = default;
  // Makes the archive (and the self-extracting program) of one template, with `owner` as the archivers'
  // owner window. True only when the archiver succeeded and the file the template makes is there.
  virtual bool Make(HWND owner, const TemplateArchiveRequest& request) = 0;
};

TemplateArchiveMaker& TemplateArchives();
// Installs a replacement (nullptr = the real one) and returns the one installed before.
TemplateArchiveMaker* SetTemplateArchiveMaker(TemplateArchiveMaker* maker);
using ScopedTemplateArchiveMaker = core::ScopedSeam<TemplateArchiveMaker, SetTemplateArchiveMaker>;

extern const wchar_t kCreateTemplatesQuestion[];
extern const wchar_t kAllTemplatesCreated[];

// The request for template `number`, with `workFolder`; false when its "ArcType" names none of the four
// types (no archive can be made for it).
bool TemplateRequest(const ArchiveTemplate& values, const std::wstring& workFolder, TemplateArchiveRequest& request);

// The whole command for the list positions `selected` (in list order): the question, then each template
// in turn in a work folder chosen anew for it (this instance's own), then the completion message when
// every one was made. A selected template that is not there (its "Folder" reads empty) ends the run
// without a message. A template of an unknown type, or one whose work folder cannot be had, is a
// failure. Returns false after Cancel or a failure.
bool CreateTemplateArchives(HWND owner, const std::vector<int>& selected);

}  // namespace tools

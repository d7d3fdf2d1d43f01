#pragma once
// One template's archive: a response file of its entries in the work folder, one fixed command of the
// type's library, then, for LZH, ZIP and CAB, the conversion into a self-extracting program (TAR makes the
// program itself). The command and the file's lines are pure functions of the request.
#include <string>
#include <vector>

#include "operations/ArchiverCommand.h"
#include "tools/TemplateCreation.h"

namespace tools {

// The file the library writes: the base and ".lzh", ".zip" or ".cab"; for TAR ".tar", or ".exe" when the
// library is to make the self-extracting program itself.
std::wstring TemplateLibraryArchive(const TemplateArchiveRequest& request);
// The file the template makes in the end: the base and ".exe" for a self-extracting program, else the
// library's archive.
std::wstring TemplateResultFile(const TemplateArchiveRequest& request);

// The response file's lines: each entry (quoted when it holds a blank); for CAB only its file name, the
// folder going to the library as the base folder.
std::vector<std::wstring> TemplateListLines(const TemplateArchiveRequest& request);
// The CAB base folder: the folder of the first entry, with a trailing "\".
std::wstring TemplateCabBaseFolder(const TemplateArchiveRequest& request);
// The library's command for the response file at `listPath`.
operations::ArchiverCommand TemplateCommand(const TemplateArchiveRequest& request, const std::wstring& listPath);

// The real maker: the response file is this run's list file in the request's work folder, written anew
// and deleted afterwards. A self-extracting program replaces the LZH or CAB archive only once it is there.
TemplateArchiveMaker& RealTemplateArchives();

}  // namespace tools

#include "operations/OpenWith.h"

#include <algorithm>
#include <tuple>

#include "core/Seams.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "core/modPath.h"

namespace operations {
namespace {

const wchar_t* const kImageExtensions[] = {L".BMP", L".JPG", L".JPEG", L".GIF", L".TIF", L".WMF", L".DIB",
                                           L".MAC", L".MAG", L".PCD",  L".PCX", L".PNG", L".Q0"};

// The text inside the quotes that open `text`, and what follows the closing quote; `text` itself and
// nothing when it does not begin with a quote.
std::pair<std::wstring, std::wstring> Unquoted(const std::wstring& text) {
  if (text.empty() || text[0] != L'"') return {text, L""};
  const size_t close = text.find(L'"', 1);
  if (close == std::wstring::npos) return {text.substr(1), L""};
  return {text.substr(1, close - 1), text.substr(close + 1)};
}

// Where ".EXE" (any case) ends in `text`; npos when it holds none.
size_t ExeEnd(const std::wstring& text) {
  const size_t at = core::UCase(text).find(L".EXE");
  return at == std::wstring::npos ? at : at + 4;
}

// The extension after the last dot of the file name, with its dot; "" for a name without one.
std::wstring ExtensionOf(const std::wstring& path) {
  const std::wstring name = core::GetFileNamePart(path);
  const size_t dot = name.rfind(L'.');
  return dot == std::wstring::npos ? L"" : name.substr(dot);
}

}  // namespace

bool IsImageExtension(const std::wstring& ext) {
  const std::wstring upper = core::UCase(ext);
  return std::any_of(std::begin(kImageExtensions), std::end(kImageExtensions),
                     [&](const wchar_t* image) { return upper == image; });
}

std::wstring VerbProgram(const std::wstring& command) {
  if (command.empty()) return L"notepad.exe";
  std::wstring program = Unquoted(command).first;
  if (size_t at = program.find(L" %"); at != std::wstring::npos) program = core::Trim(program.substr(0, at));
  if (size_t at = program.find(L"%1"); at != std::wstring::npos)
    program = core::Trim(program.substr(0, at == 0 ? 0 : at - 1));
  return program;
}

std::vector<OpenWithItem> OpenWithItems(const std::wstring& ext, const std::wstring& editor, const std::wstring& viewer,
                                        const std::optional<std::vector<core::ShellVerb>>& verbs) {
  std::vector<OpenWithItem> items = {
      {L"外部エディタで開く " + core::GetBaseName(editor), editor, true},
      {L"画像ビューアで開く " + core::GetBaseName(viewer), viewer, IsImageExtension(ext)},
      {L"-", L"", true},
  };
  if (!verbs) {
    items.push_back({L"(なし)", L"", false});
    return items;
  }
  for (const core::ShellVerb& verb : *verbs) {
    if (verb.name == L"print") continue;
    const std::wstring program = VerbProgram(verb.command);
    items.push_back({verb.name == L"open" ? core::GetBaseName(program) : verb.name, program, true});
  }
  return items;
}

ProgramStart ProgramStartOf(const std::wstring& path, int mode, const std::wstring& command, const std::wstring& editor,
                            const std::function<std::wstring(const std::wstring&)>& openCommand) {
  const std::wstring file = core::QuotePath(path);
  ProgramStart start;
  switch (mode) {
    case 0: {
      std::wstring program = Unquoted(openCommand(ExtensionOf(path))).first;
      if (size_t end = ExeEnd(program); end != std::wstring::npos) program = core::Trim(program.substr(0, end));
      start = {program.empty() ? editor : program, file, L""};
      break;
    }
    case 1:
      start = {path, L"", L""};
      break;
    case 2: {
      // A program named in quotes ends at its closing quote; otherwise at its ".EXE", when it has one.
      std::wstring program = command, rest;
      if (!command.empty() && command[0] == L'"') {
        std::tie(program, rest) = Unquoted(command);
      } else if (size_t end = ExeEnd(command); end != std::wstring::npos) {
        program = command.substr(0, end);
        rest = command.substr(end);
      }
      program = core::Trim(program);
      rest = core::Trim(rest);
      start = {program, rest.empty() ? file : file + L" " + rest, L""};
      break;
    }
    default:
      start = {editor, file, L""};
      break;
  }
  start.folder = core::GetFolderPart(start.program);
  return start;
}

INT_PTR ExecuteFile(const std::wstring& path, int mode, const std::wstring& command) {
  const ProgramStart start = ProgramStartOf(path, mode, command, core::Settings.Editor, core::GetOpenCommand);
  return core::Processes().Execute(GetDesktopWindow(), L"open", start.program, start.parameters, start.folder,
                                   SW_SHOWNORMAL);
}

}  // namespace operations

#pragma once
// The command lines a file type registers for its files: the open command, and every shell verb.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace core {

// The open command of the type of `extension` (with its dot): the default value of HKCR\<ext> names the
// class, whose "shell\open\command" default value is returned unchanged ("%1" and switches included).
// Empty when either value cannot be read.
std::wstring GetOpenCommand(const std::wstring& extension);
// The same lookup under another root (tests use a scratch key in place of HKEY_CLASSES_ROOT).
std::wstring GetOpenCommandUnder(HKEY root, const std::wstring& prefix, const std::wstring& extension);

// One verb under a class's "shell" key and the default value of its "command" subkey.
struct ShellVerb {
  std::wstring name;
  std::wstring command;

  bool operator==(const ShellVerb&) const = default;
};

// The verbs of the type of `extension`, in the registry's enumeration order; a verb without a readable
// command is left out. nullopt when the type has no class or its class no "shell" key. Only read access is
// asked for, so an ordinary user's registry answers.
std::optional<std::vector<ShellVerb>> GetShellVerbs(const std::wstring& extension);
std::optional<std::vector<ShellVerb>> GetShellVerbsUnder(HKEY root, const std::wstring& prefix,
                                                         const std::wstring& extension);

}  // namespace core

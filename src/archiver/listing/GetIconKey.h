#pragma once
// The icon key of an entry-list row: the folder image, the icon of the program that opens the entry's
// extension ("k" + upper-case extension), or a fixed image for archives, programs and plain files.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace archiver::listing {

// The icons of one listing: the images made for the "k" keys, one per extension, in the order they were
// made. The entry list puts them into its image lists under their keys beside the four base images
// ("Closed", "Leaf", "Archive", "Application"). A new listing starts with a new object.
class EntryIcons {
 public:
  // The command a file type registers for opening files of an extension ("" when none).
  using OpenCommandLookup = std::function<std::wstring(const std::wstring& extension)>;
  // Without a lookup the registry is asked (core::GetOpenCommand).
  explicit EntryIcons(OpenCommandLookup lookup = nullptr);
  ~EntryIcons();
  EntryIcons(const EntryIcons&) = delete;
  EntryIcons& operator=(const EntryIcons&) = delete;

  struct Image {
    std::wstring key;
    HICON small;  // 16 x 16
    HICON large;  // 32 x 32
  };
  const std::vector<Image>& Images() const { return images_; }
  bool Has(const std::wstring& key) const;

 private:
  friend std::wstring GetIconKey(EntryIcons&, int16_t, const std::wstring&, const std::wstring&, int16_t);
  std::wstring OpenCommand(const std::wstring& upperExtension, const std::wstring& extension);

  OpenCommandLookup lookup_;
  std::vector<Image> images_;
  // The registry is read once per extension and listing.
  std::map<std::wstring, std::wstring> commands_;
};

// `attributes`: only the folder bit 0x10 is read. `realPath`: entries inside archives have none ("");
// a path given is not looked at either. `extension`: with its dot as GetExtension gives it, any case.
// An icon is taken once per extension: the next entry of that extension is answered from `icons`.
std::wstring GetIconKey(EntryIcons& icons, int16_t attributes, const std::wstring& realPath,
                        const std::wstring& extension, int16_t unused);

// The program file of an open command: the quoted first part, or the text before " %" / "%" / "/".
// A command that starts with an environment variable is expanded first; "" when nothing usable is left.
std::wstring ProgramOfOpenCommand(const std::wstring& command);

}  // namespace archiver::listing

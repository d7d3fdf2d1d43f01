#pragma once
// The icon key of an entry-list row: the folder image, the cached icon of the program that opens the
// entry's extension ("k" + upper-case extension), or a fixed image for archives, programs and plain files.
#include <cstdint>
#include <string>

#include "archiver/listing/ListingViews.h"

namespace archiver::listing {

// `attributes`: only the folder bit 0x10 is read. `realPath`: entries inside archives have none ("");
// a path given is not looked at either. `extension`: with its dot as GetExtension gives it, any case.
std::wstring GetIconKey(IconSurfaces& form, int16_t attributes, const std::wstring& realPath,
                        const std::wstring& extension, int16_t unused);

// The program file of an open command: the quoted first part, or the text before " %" / "%" / "/".
// A command that starts with an environment variable is expanded first; "" when nothing usable is left.
std::wstring ProgramOfOpenCommand(const std::wstring& command);

}  // namespace archiver::listing

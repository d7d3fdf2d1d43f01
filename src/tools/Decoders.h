#pragma once
// The two text decoders of the clipboard decoder: one uuencoded file, or one MIME base64 part. Lines end
// with CR LF; the last line of the text may go without one. Both read the header lines from the front of
// `text` and remove them (the caller's text then holds what follows the header), and on success replace
// `bytes` with the decoded data and return true. On failure they return false and leave `bytes` alone.
// Names come from the lower-cased header line, so they are in lower case, exactly as the header gave them:
// SafeFileName (SafeName.h) makes one fit for a file.
#include <string>

namespace tools {

// Header "begin <mode> <name>", data lines, a line that is "end" (blanks around it aside). The last data
// line (the first that does not begin with "M") tells how many bytes of its last group are filler.
bool DecodeUU(std::string& bytes, std::wstring& text, std::wstring& name);

// One part of a MIME text: the first base64 part whose header names a file ("name=" or "filename="; a quoted
// value loses its quotes, an unquoted one ends at ";"), else the first base64 part. A part's header is a
// block of lines ending at an empty line, after which its body starts; a header that ends at a boundary
// line ("--...") or at the end of the text has no body. The body ends at a blank line, a boundary line or
// the end of the text; characters outside the alphabet are skipped, and only the "=" at the end of the data
// count as padding. The text keeps what follows the chosen part's header; `name` is that part's.
bool DecodeBase64(std::string& bytes, std::wstring& text, std::wstring& name);

}  // namespace tools

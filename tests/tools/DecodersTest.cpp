// The two decoders on text fixtures made by an outside encoder (uuencode lines with backticks, MIME base64
// parts), and the file-name rule for names taken from such text.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "core/Text.h"
#include "tools/Decoders.h"
#include "tools/SafeName.h"

namespace {

std::wstring Lines(std::initializer_list<const wchar_t*> lines, bool finalLineEnd = true) {
  std::wstring text;
  for (const wchar_t* line : lines) text += std::wstring(line) + L"\r\n";
  if (!finalLineEnd) text.resize(text.size() - 2);
  return text;
}

std::string Range(int count) {
  std::string bytes;
  for (int i = 0; i < count; ++i) bytes += static_cast<char>(i);
  return bytes;
}

const std::string kFox = "The quick brown fox jumps over the lazy dog. The quick brown fox jumps over the lazy dog. ";
// A JPEG's first eleven bytes.
const std::string kJpegStart("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00", 11);

struct DecodeCase {
  const char* what;
  std::wstring text;
  bool decodes;
  std::wstring name;
  std::string bytes;
};

// A decoder sets the name in every case and replaces the data only when it succeeds.
void Check(bool (*decoder)(std::string&, std::wstring&, std::wstring&), const DecodeCase& c) {
  SCOPED_TRACE(c.what);
  std::string bytes = "unchanged";
  std::wstring text = c.text, name;
  EXPECT_EQ(c.decodes, decoder(bytes, text, name));
  EXPECT_EQ(c.name, name);
  EXPECT_EQ(c.decodes ? c.bytes : "unchanged", bytes);
}

TEST(DecodeUU, Fixtures) {
  const DecodeCase cases[] = {
      {"a last line of 10 bytes drops the two filler bytes of its last group",
       Lines({L"begin 644 Notes.TXT", LR"uu(M``$"`P0%!@<("0H+#`T.#Q`1$A,4%187&!D:&QP='A\@(2(C)"4F)R@I*BLL)uu",
              LR"uu(*+2XO,#$R,S0U-@``)uu", L"`", L"end"}),
       true, L"notes.txt", Range(55)},
      {"full M lines only: nothing is dropped",
       Lines({L"begin 600 fox.txt", LR"uu(M5&AE('%U:6-K(&)R;W=N(&9O>"!J=6UP<R!O=F5R('1H92!L87IY(&1O9RX@)uu",
              LR"uu(M5&AE('%U:6-K(&)R;W=N(&9O>"!J=6UP<R!O=F5R('1H92!L87IY(&1O9RX@)uu", L"`", L"end"}),
       true, L"fox.txt", kFox},
      {"text before the header, and an end line without CR LF right after full lines",
       Lines({L"Subject: file", L"", L"begin 644 a b.bin",
              LR"uu(M5&AE('%U:6-K(&)R;W=N(&9O>"!J=6UP<R!O=F5R('1H92!L87IY(&1O9RX@)uu",
              LR"uu(M5&AE('%U:6-K(&)R;W=N(&9O>"!J=6UP<R!O=F5R('1H92!L87IY(&1O9RX@)uu", L"end"},
             false),
       true, L"a b.bin", kFox},
      {"a Japanese name", Lines({L"begin 644 日本語メモ.TXT", LR"uu(&D_J6>XSJ)uu", L"end"}), true, L"日本語メモ.txt",
       "\x93\xFA\x96\x7B\x8C\xEA"},
      {"an empty line inside the data", Lines({L"begin 644 x", L"", L"end"}), false, L"x", ""},
      {"no end line", Lines({L"begin 644 x", LR"uu(M5&AE('%U:6-K(&)R;W=N(&9O>"!J=6UP<R!O=F5R('1H92!L87IY(&1O9RX@)uu"}),
       false, L"x", ""},
      {"a Japanese character in the data", Lines({L"begin 644 x", L"&D_J6>XＳ", L"end"}), false, L"x", ""},
      {"no begin line", Lines({L"data", L"end"}), false, L"", ""},
      {"LF line ends", L"begin 644 x\nM5&AE\nend\n", false, L"x\nm5&ae\nend\n", ""},
      {"\"END\" inside a data line is data; the end line may have blanks around it",
       Lines({L"begin 644 x.bin", L"#END`", L"`", L" end "}), true, L"x.bin", std::string("\x96\xE9\x00", 3)},
  };
  for (const DecodeCase& c : cases) Check(&tools::DecodeUU, c);
}

// The caller's text keeps what follows the begin line, so a MIME part after it can be decoded next.
TEST(DecodeUU, LeavesTheTextAfterItsBeginLine) {
  std::wstring text = Lines({L"intro", L"begin 644 x", LR"uu(&D_J6>XSJ)uu", L"end", L"after"});
  std::string bytes;
  std::wstring name;
  ASSERT_TRUE(tools::DecodeUU(bytes, text, name));
  EXPECT_EQ(Lines({LR"uu(&D_J6>XSJ)uu", L"end", L"after"}), text);
}

TEST(DecodeBase64, Fixtures) {
  const DecodeCase cases[] = {
      {"a quoted name loses its quotes; one \"=\" drops one byte",
       Lines({L"Content-Type: image/jpeg; name=\"Pic.JPG\"", L"Content-Transfer-Encoding: base64", L"",
              L"/9j/4AAQSkZJRgA="}),
       true, L"pic.jpg", kJpegStart},
      {"two \"=\" drop two bytes; a filename= parameter names the file",
       Lines({L"Content-Type: application/octet-stream", L"Content-Disposition: attachment; filename=ABC.txt",
              L"Content-Transfer-Encoding: base64", L"", L"QUJDREVGRw=="}),
       true, L"abc.txt", "ABCDEFG"},
      {"an unquoted name ends at \";\"; no padding keeps every byte",
       Lines({L"Content-Type: text/plain; name=abc.txt; charset=us-ascii", L"Content-Transfer-Encoding: BASE64", L"",
              L"QUJD", L"REVG"}),
       true, L"abc.txt", "ABCDEF"},
      {"blanks, tabs and other characters inside the body change nothing",
       Lines({L"Content-Transfer-Encoding: base64", L"", L"QU JD\tRE", L"VG*R0g="}), true, L"", "ABCDEFGH"},
      {"the body ends at a MIME boundary, whose \"=\" and letters do not count",
       Lines({L"--=_Part_01=", L"Content-Type: text/plain; name=\"a.txt\"", L"Content-Transfer-Encoding: base64", L"",
              L"QUJDREVGR0g=", L"--=_Part_01==--", L"Content-Type: text/plain", L"", L"trailing words"}),
       true, L"a.txt", "ABCDEFGH"},
      {"the body ends at a blank line",
       Lines({L"Content-Transfer-Encoding: base64", L"", L"QUJD", L"", L"This text is no part of it=="}), true, L"",
       "ABC"},
      {"a Japanese name",
       Lines({L"Content-Type: image/jpeg; name=\"写真ＡＢ.JPG\"", L"Content-Transfer-Encoding: base64", L"",
              L"/9j/4AAQSkZJRgA="}),
       true, L"写真ａｂ.jpg", kJpegStart},
      {"no blank line after the headers",
       Lines({L"Content-Type: text/plain; name=a.txt", L"Content-Transfer-Encoding: base64", L"QUJD"}), false, L"", ""},
      {"no Content-Transfer-Encoding line", Lines({L"Content-Type: text/plain; name=a.txt", L"", L"QUJD"}), false, L"",
       ""},
      {"a part in another transfer encoding is no base64 part",
       Lines({L"Content-Type: text/plain; name=a.txt", L"Content-Transfer-Encoding: quoted-printable", L"", L"QUJD"}),
       false, L"", ""},
      {"a body without any alphabet character", Lines({L"Content-Transfer-Encoding: base64", L"", L"***"}), false, L"",
       ""},
      {"LF line ends", L"Content-Transfer-Encoding: base64\n\nQUJD\n", false, L"", ""},
  };
  for (const DecodeCase& c : cases) Check(&tools::DecodeBase64, c);
}

// A mail of several parts: the part that carries the file is decoded, not the text before it.
TEST(DecodeBase64, ThePartThatCarriesTheFile) {
  const std::wstring top = Lines({L"MIME-Version: 1.0", L"Content-Type: multipart/mixed; boundary=\"b\"", L""});
  const std::wstring textPart =
      Lines({L"--b", L"Content-Type: text/plain", L"Content-Transfer-Encoding: 7bit", L"", L"See the file.", L""});
  const std::wstring unnamed = Lines(
      {L"--b", L"Content-Type: text/plain; charset=utf-8", L"Content-Transfer-Encoding: base64", L"", L"QUJD", L""});
  const std::wstring named =
      Lines({L"--b", L"Content-Type: application/octet-stream", L"Content-Transfer-Encoding: base64",
             L"Content-Disposition: attachment; filename=\"Data File.bin\"", L"", L"AAECA/7/", L""});
  const std::wstring end = Lines({L"--b--"});
  const DecodeCase cases[] = {
      {"a plain text part first", top + textPart + named + end, true, L"data file.bin",
       std::string("\x00\x01\x02\x03\xfe\xff", 6)},
      {"a base64 part without a file name first", top + unnamed + named + end, true, L"data file.bin",
       std::string("\x00\x01\x02\x03\xfe\xff", 6)},
      {"no part names a file: the first base64 part", top + textPart + unnamed + end, true, L"", "ABC"},
      {"no base64 part", top + textPart + end, false, L"", ""},
  };
  for (const DecodeCase& c : cases) Check(&tools::DecodeBase64, c);

  // The caller's text goes on after the header of the part decoded.
  std::wstring text = top + unnamed + named + end;
  std::string bytes;
  std::wstring name;
  ASSERT_TRUE(tools::DecodeBase64(bytes, text, name));
  EXPECT_EQ(Lines({L"AAECA/7/", L""}) + end, text);
}

TEST(SafeFileName, NamesFromOutsideStayInTheChosenFolder) {
  const struct {
    const wchar_t* given;
    const wchar_t* safe;
  } cases[] = {
      {L"notes.txt", L"notes.txt"},
      {L"..\\..\\windows\\win.ini", L"win.ini"},
      {L"../../etc/passwd", L"passwd"},
      {L"c:\\autoexec.bat", L"autoexec.bat"},
      {L"c:boot.ini", L"boot.ini"},
      {L"\\\\server\\share\\x.txt", L"x.txt"},
      {L"..", L""},
      {L" . ", L""},
      {L"x:b*c?d\"e<f>g|h.txt", L"b_c_d_e_f_g_h.txt"},
      {L"b*c:d.txt", L"b_c_d.txt"},
      {L"tab\there.txt", L"tab_here.txt"},
      {L"  trailing dots... ", L"trailing dots"},
      {L"con", L"_con"},
      {L"NUL.txt", L"_NUL.txt"},
      {L"com1.log", L"_com1.log"},
      {L"console.txt", L"console.txt"},
      {L"日本語メモ.txt", L"日本語メモ.txt"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.safe, tools::SafeFileName(c.given)) << core::ToUtf8(c.given);
}

}  // namespace

#include "HostText.h"

#include <iconv.h>

#include <string>
#include <string_view>

#include "Cp932.h"

namespace standin {

namespace {

bool Convert(const char* to, const char* from, std::string_view in, std::string& out) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::string src(in);
  out.assign(in.size() * 4 + 8, '\0');
  char* inPtr = src.data();
  size_t inLeft = src.size();
  char* outPtr = out.data();
  size_t outLeft = out.size();
  bool ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1);
  iconv_close(cd);
  out.resize(out.size() - outLeft);
  return ok;
}

bool Utf8ToCp932Host(std::string_view in, std::string& out) { return Convert("CP932", "UTF-8", in, out); }
bool Cp932ToUtf8Host(std::string_view in, std::string& out) { return Convert("UTF-8", "CP932", in, out); }

}  // namespace

void InstallHostTextConverters() { SetUtf8Converters(Utf8ToCp932Host, Cp932ToUtf8Host); }

}  // namespace standin

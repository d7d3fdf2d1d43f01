// The typed name of a new archive: the type's extension replaces the typed name's own, in the file name
// only, however the folders on the way are named.
#include "operations/PackWorkflow.h"

#include <gtest/gtest.h>

#include "core/Text.h"

namespace {

TEST(WithExtension, ReplacesFromTheFirstDotOfTheFileNameOnly) {
  struct Case {
    const wchar_t* chosen;
    const wchar_t* extension;
    const wchar_t* expected;
  } cases[] = {
      {L"C:\\work\\new", L"lzh", L"C:\\work\\new.lzh"},                          // no extension
      {L"C:\\work\\new.zip", L"lzh", L"C:\\work\\new.lzh"},                      // an extension
      {L"C:\\work\\new.tar.gz", L"tgz", L"C:\\work\\new.tgz"},                   // from the first dot of the name
      {L"C:\\my.files\\new", L"lzh", L"C:\\my.files\\new.lzh"},                  // a dot in the folder only
      {L"C:\\my.files\\sub.d\\new.old", L"7z", L"C:\\my.files\\sub.d\\new.7z"},  // dots in both
      {L"C:\\work\\new.", L"zip", L"C:\\work\\new.zip"},                         // a trailing dot
      {L"\\\\server\\share.x\\new", L"cab", L"\\\\server\\share.x\\new.cab"},    // a shared folder with a dot
      {L"new", L"lzh", L"new.lzh"},                                              // no folder at all
      {L"C:\\データ.bak\\書庫", L"lzh", L"C:\\データ.bak\\書庫.lzh"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, operations::WithExtension(c.chosen, c.extension)) << core::ToUtf8(c.chosen);
}

}  // namespace

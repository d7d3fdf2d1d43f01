// Our TGZ and CAB against Debian's tar, cabextract and gcab, byte for byte,
// with Japanese names in code page 932.
#include <gtest/gtest.h>

#include <algorithm>

#include "FormatTestUtil.h"
#include "CabCodec.h"
#include "CabFormat.h"
#include "TarCodec.h"

using namespace format_test;

namespace {

struct Item {
  std::string utf8Name;  // "/" between folders
  std::string data;
};

std::vector<Item> Corpus() {
  return {{"readme.txt", "hello\r\n"},
          {"日本語/資料.txt", TextData(70000)},
          {"bin/noise.dat", NoiseData(50000, 7)},
          {std::string(120, 'l') + "/long name.txt", "long"},
          {"empty.txt", ""}};
}

// Where a tool extracted a file whose CP932 name it kept as bytes.
std::string Cp932Path(const ScratchDir& d, const std::string& utf8) { return d / ToCp932(utf8); }

}  // namespace

TEST(ToolsInterop, GnuTarReadsOurTgz) {
  std::vector<standin::tar::Entry> entries;
  for (const Item& i : Corpus()) {
    standin::tar::Entry e;
    e.name = ToCp932(i.utf8Name);
    e.data = Bytes(i.data);
    e.mtime = 1600000000;
    entries.push_back(e);
  }
  std::vector<uint8_t> tgz;
  std::string err;
  ASSERT_TRUE(standin::tar::WriteArchive(entries, standin::tar::Kind::Tgz, 6, tgz, err)) << err;
  ScratchDir d;
  WriteAll(d / "our.tgz", std::string(tgz.begin(), tgz.end()));
  ASSERT_EQ(0, Shell("mkdir " + Quote(d / "out") + " && tar -xzf " + Quote(d / "our.tgz") + " -C " + Quote(d / "out")));
  for (const Item& i : Corpus()) EXPECT_EQ(i.data, ReadAll(Cp932Path(d, "out/" + i.utf8Name))) << i.utf8Name;
}

TEST(ToolsInterop, WeReadGnuTarInEveryFormat) {
  ScratchDir d;
  for (const Item& i : Corpus()) {
    std::string path = Cp932Path(d, "src/" + i.utf8Name);
    Shell("mkdir -p " + Quote(path.substr(0, path.rfind('/'))));
    WriteAll(path, i.data);
  }
  for (std::string format : {"gnu", "ustar", "pax"}) {
    std::string archive = d / (format + ".tgz");
    // ustar cannot hold the 120-character folder in its prefix field: that archive leaves it out.
    std::string exclude = format == "ustar" ? " --exclude='lll*'" : "";
    ASSERT_EQ(0,
              Shell("tar --format=" + format + exclude + " -czf " + Quote(archive) + " -C " + Quote(d / "src") + " ."));
    std::string bytes = ReadAll(archive);
    std::vector<standin::tar::Entry> back;
    standin::tar::Kind kind;
    std::string err;
    ASSERT_TRUE(standin::tar::ReadArchive(Bytes(bytes), "x", back, kind, err)) << format << ": " << err;
    for (const Item& i : Corpus()) {
      if (format == "ustar" && i.utf8Name[0] == 'l') continue;
      std::string want = "./" + ToCp932(i.utf8Name);
      auto it = std::find_if(back.begin(), back.end(), [&](const auto& e) { return e.name == want; });
      ASSERT_NE(back.end(), it) << format << " lacks " << i.utf8Name;
      EXPECT_EQ(Bytes(i.data), it->data) << format << " " << i.utf8Name;
    }
  }
}

TEST(ToolsInterop, CabextractReadsOurCabinetsAndSets) {
  std::vector<standin::cab::Entry> entries;
  for (const Item& i : Corpus()) {
    standin::cab::Entry e;
    std::string name = ToCp932(i.utf8Name);
    for (char& c : name)
      if (c == '/') c = '\\';  // no trail byte of these names is "/"
    e.name = name;
    e.data = Bytes(i.data);
    entries.push_back(e);
  }
  struct Case {
    const char* what;
    standin::cab::Method method;
    size_t volumeLimit;
  };
  for (const Case& c : {Case{"mszip", standin::cab::Method::MsZip, 0}, Case{"stored", standin::cab::Method::Stored, 0},
                        Case{"set", standin::cab::Method::MsZip, 40000},
                        Case{"continued mszip", standin::cab::Method::MsZip, 20000},
                        Case{"continued stored", standin::cab::Method::Stored, 20000},
                        Case{"small volumes", standin::cab::Method::MsZip, 3000}}) {
    ScratchDir d;
    standin::cab::WriteOptions o;
    o.method = c.method;
    o.volumeLimit = c.volumeLimit;
    std::vector<std::vector<uint8_t>> cabs;
    std::string err;
    ASSERT_TRUE(standin::cab::WriteCabinets(
        entries, o, [](int i) { return "v" + std::to_string(i) + ".cab"; }, cabs, err));
    if (c.volumeLimit) EXPECT_GE(cabs.size(), 2u);
    for (size_t i = 0; i < cabs.size(); ++i)
      WriteAll(d / ("v" + std::to_string(i) + ".cab"), std::string(cabs[i].begin(), cabs[i].end()));
    EXPECT_EQ(0, Shell("cabextract -q -t " + Quote(d / "v0.cab") + " > /dev/null")) << c.what;
    ASSERT_EQ(0, Shell("cabextract -q -e CP932 -d " + Quote(d / "out") + " " + Quote(d / "v0.cab"))) << c.what;
    for (const Item& i : Corpus()) EXPECT_EQ(i.data, ReadAll(d / ("out/" + i.utf8Name))) << c.what << " " << i.utf8Name;
  }
}

TEST(ToolsInterop, WeReadGcabCabinetsWithUtf8Names) {
  InstallConverters();
  ScratchDir d;
  for (const Item& i : Corpus()) {
    std::string path = d / ("src/" + i.utf8Name);
    Shell("mkdir -p " + Quote(path.substr(0, path.rfind('/'))));
    WriteAll(path, i.data);
  }
  ASSERT_EQ(0, Shell("cd " + Quote(d / "src") +
                     " && find . -type f -print0 | sed -z 's|^[.]/||' | xargs -0 gcab -c -z ../g.cab"));
  std::vector<standin::cab::Entry> back;
  std::string err;
  ASSERT_TRUE(standin::cab::ReadCabinet(Bytes(ReadAll(d / "g.cab")), standin::cab::DefaultReadOptions(), back, err))
      << err;
  ASSERT_EQ(Corpus().size(), back.size());
  for (const Item& i : Corpus()) {
    std::string want = ToCp932(i.utf8Name);
    for (char& c : want)
      if (c == '/') c = '\\';
    auto it = std::find_if(back.begin(), back.end(), [&](const auto& e) { return e.name == want; });
    ASSERT_NE(back.end(), it) << i.utf8Name;
    EXPECT_EQ(Bytes(i.data), it->data) << i.utf8Name;
  }
}

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "skin/read/Lzh.h"
#include "skin/read/SkinRead.h"
#include "tests/host/skin_read/TestBytes.h"
#include "tools/skinpack/LzhEncoder.h"
#include "tools/skinpack/SkinWrite.h"

using namespace std::string_literals;
using namespace std::string_view_literals;

namespace {

std::vector<TSkinFile> SampleFiles() {
  return {{"Skin.ini", Bytes("[Form]\r\nTitle=x\r\n")},
          {"Progress.BMP", MakeBitmap(30, 10, 1)},
          {"button.bmp", MakeBitmap(16, 16, 2)},
          {"Other.ini", Bytes("[Second]\r\n")}};
}

// A container written byte by byte, for layouts the writer never makes.
struct TContainer {
  TContainer(int32_t v, std::string n, std::vector<int32_t> s, std::vector<uint8_t> d)
      : version(v), names(std::move(n)), sizes(std::move(s)), data(std::move(d)) {}

  int32_t version;
  std::string names;
  std::vector<int32_t> sizes;
  std::vector<uint8_t> data;
  std::optional<int32_t> nameListLength;  // the real length unless set

  std::vector<uint8_t> Package() const {
    std::vector<uint8_t> out;
    AppendLE32(out, static_cast<uint32_t>(version));
    AppendLE32(out,
               static_cast<uint32_t>(nameListLength.value_or(static_cast<int32_t>(names.size()))));
    AppendLE32(out, 0);
    AppendLE32(out, 0);
    out.insert(out.end(), static_cast<size_t>(SkinOpaqueBlockSize(version).value_or(0)), 0xAB);
    out.insert(out.end(), names.begin(), names.end());
    for (const int32_t size : sizes) AppendLE32(out, static_cast<uint32_t>(size));
    out.insert(out.end(), data.begin(), data.end());
    return LzhCompress(out);
  }
};

std::string EntryText(const TSkinReader& reader, const std::string& name) {
  std::vector<uint8_t> out;
  reader.GetEntry(name, out);
  return {out.begin(), out.end()};
}

}  // namespace

TEST(SkinReader, ReadsEveryVersionAndFindsEntriesByName) {
  for (const int32_t version : {20000, 30000, 40000, 50000, 60000, 70000}) {
    TSkinReader reader;
    ASSERT_TRUE(reader.Load(PackSkin(SampleFiles(), version))) << version;
    EXPECT_EQ(reader.Names(),
              (std::vector<std::string>{"skin.ini", "progress.bmp", "button.bmp", "other.ini"}));
    EXPECT_EQ(reader.Count(), 4);
    std::vector<uint8_t> out;
    for (const TSkinFile& file : SampleFiles()) {
      reader.GetEntry(file.name, out);
      EXPECT_EQ(out, file.bytes) << file.name << " in " << version;
    }
  }
}

TEST(SkinReader, LookupsIgnoreCaseAndFindTakesTheFirstMatch) {
  TSkinReader reader;
  ASSERT_TRUE(reader.Load(PackSkin(SampleFiles())));
  std::vector<uint8_t> out = {1, 2, 3};
  reader.GetEntry("PROGRESS.bmp", out);
  EXPECT_EQ(out, SampleFiles()[1].bytes);
  reader.GetEntry("missing.bmp", out);
  EXPECT_TRUE(out.empty());

  std::string found = "unchanged";
  reader.FindEntry(".ini", out, found);
  EXPECT_EQ(found, "skin.ini");
  EXPECT_EQ(std::string(out.begin(), out.end()), "[Form]\r\nTitle=x\r\n");
  // The fragment is not lower-cased, names are.
  found = "unchanged";
  reader.FindEntry(".INI", out, found);
  EXPECT_EQ(found, "unchanged");
  EXPECT_TRUE(out.empty());
}

TEST(SkinReader, RefusesUnknownVersionsWithTheMessage) {
  for (const int32_t version : {10000, 0, 60001, -60000}) {
    TSkinReader reader;
    std::vector<std::string> messages;
    reader.SetOnRefusal([&](const std::string& message) { messages.push_back(message); });
    TContainer container{version, "skin.ini\r\n", {3}, Bytes("abc")};
    EXPECT_FALSE(reader.Load(container.Package()));
    ASSERT_EQ(messages.size(), 1u) << version;
    EXPECT_EQ(messages[0], "This is Older Skin File\rPlease update to new version !");
    EXPECT_EQ(reader.Count(), 0);
    std::vector<uint8_t> out;
    reader.GetEntry("skin.ini", out);
    EXPECT_TRUE(out.empty());
    std::string found;
    reader.FindEntry(".ini", out, found);
    EXPECT_TRUE(found.empty());
  }
}

TEST(SkinReader, NameListLines) {
  TSkinReader reader;
  // CR LF, lone CR and lone LF all end a line; an empty line is an entry of
  // its own; the final break adds none and a NUL ends the list.
  TContainer container{
      60000, "A.bmp\r\n\r\nb.BMP\rc.ini\n\0ignored\r\n"s, {1, 2, 3, 4}, Bytes("1223334444")};
  ASSERT_TRUE(reader.Load(container.Package()));
  EXPECT_EQ(reader.Names(), (std::vector<std::string>{"a.bmp", "", "b.bmp", "c.ini"}));
  EXPECT_EQ(EntryText(reader, ""), "22");
  EXPECT_EQ(EntryText(reader, "c.INI"), "4444");
  EXPECT_EQ(reader.Data().size(), 10u);
}

TEST(SkinReader, EntriesRunningPastTheDataAreCut) {
  TSkinReader reader;
  TContainer container{60000, "a\r\nb\r\nc\r\n", {2, 5, 4}, Bytes("aabbb")};
  ASSERT_TRUE(reader.Load(container.Package()));
  EXPECT_EQ(EntryText(reader, "a"), "aa");
  EXPECT_EQ(EntryText(reader, "b"), "bbb");
  EXPECT_EQ(EntryText(reader, "c"), "");
  container.sizes = {2, 0x7FFFFFFF, 0x7FFFFFFF};
  ASSERT_TRUE(reader.Load(container.Package()));
  EXPECT_EQ(EntryText(reader, "b"), "bbb");
}

TEST(SkinReader, RefusesContainersThatDoNotFitTheirData) {
  const TContainer good{60000, "a\r\nb\r\n", {1, 1}, Bytes("xy")};
  TSkinReader reader;
  ASSERT_TRUE(reader.Load(good.Package()));

  std::vector<std::vector<uint8_t>> bad;
  TContainer c = good;
  c.nameListLength = 1000;  // past the end of the data
  bad.push_back(c.Package());
  c = good;
  c.nameListLength = INT32_MIN;
  bad.push_back(c.Package());
  c = good;
  c.sizes = {1};  // the sizes and data together are shorter than two sizes
  c.data.clear();
  bad.push_back(c.Package());
  c = good;
  c.sizes = {-1, 2};
  bad.push_back(c.Package());
  c = good;
  c.names.clear();
  for (int i = 0; i <= TSkinReader::kMaxEntries; ++i) c.names += "n" + std::to_string(i) + "\r\n";
  c.sizes.assign(TSkinReader::kMaxEntries + 1, 0);
  bad.push_back(c.Package());
  bad.push_back(LzhCompress(Bytes("\x60\xEA\x00\x00short"sv)));  // shorter than its header
  bad.push_back(LzhCompress(Bytes("\x60\xEA")));
  bad.push_back(RawStream(100000, {0x12}));  // more than the stream can hold
  bad.push_back({});

  for (size_t i = 0; i < bad.size(); ++i) {
    bool refusedWithMessage = false;
    reader.SetOnRefusal([&](const std::string&) { refusedWithMessage = true; });
    EXPECT_FALSE(reader.Load(bad[i])) << "case " << i;
    EXPECT_FALSE(refusedWithMessage) << "case " << i;
    // What was loaded before stays.
    EXPECT_EQ(EntryText(reader, "b"), "y") << "case " << i;
  }

  c = good;
  c.names.clear();
  for (int i = 0; i < TSkinReader::kMaxEntries; ++i) c.names += "n" + std::to_string(i) + "\r\n";
  c.sizes.assign(TSkinReader::kMaxEntries, 0);
  EXPECT_TRUE(reader.Load(c.Package()));
  EXPECT_EQ(reader.Count(), TSkinReader::kMaxEntries);
}

TEST(SkinReader, BytesOfALastMatchPastTheSizeJoinTheData) {
  TSkinReader reader;
  const TContainer container{60000, "a\r\n", {4}, std::vector<uint8_t>(80, 'z')};
  std::vector<uint8_t> package = container.Package();
  // Cut the declared size so that the final long match crosses it.
  const std::vector<uint8_t> whole = LzhExpand(package);
  package[0] = static_cast<uint8_t>(whole.size() - 30);
  const std::vector<uint8_t> crossing = LzhExpand(package);
  ASSERT_GT(crossing.size(), whole.size() - 30);
  ASSERT_TRUE(reader.Load(package));
  EXPECT_EQ(reader.Data().size(), crossing.size() - (whole.size() - 80));
  EXPECT_EQ(EntryText(reader, "a"), "zzzz");
}

TEST(SkinReader, PackedFilesComeBackWhole) {
  std::vector<TSkinFile> files = {{"skin.ini", Bytes("[x]\r\n")}};
  for (uint32_t i = 0; i < 34; ++i) {
    files.push_back({"Image" + std::to_string(i) + ".bmp", MakeBitmap(20 + i, 12, i)});
  }
  files.push_back({"empty.bmp", {}});
  TSkinReader reader;
  ASSERT_TRUE(reader.Load(PackSkin(files)));
  ASSERT_EQ(reader.Count(), 36);
  std::vector<uint8_t> out;
  for (const TSkinFile& file : files) {
    reader.GetEntry(file.name, out);
    EXPECT_EQ(out, file.bytes) << file.name;
  }
  EXPECT_THROW(BuildSkinContainer({{"bad\nname", {}}}), std::invalid_argument);
  EXPECT_THROW(BuildSkinContainer(files, 10000), std::invalid_argument);
}

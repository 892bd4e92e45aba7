#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "toolkit/core/Streams.h"

namespace {

TEST(MemoryStream, ReadWriteSeekAndSize) {
  TMemoryStream s;
  s.WriteBuffer("hello", 5);
  EXPECT_EQ(s.Size(), 5);
  EXPECT_EQ(s.Position(), 5);
  s.SetPosition(1);
  char buffer[8] = {};
  EXPECT_EQ(s.Read(buffer, 8), 4);
  EXPECT_STREQ(buffer, "ello");
  EXPECT_EQ(s.Read(buffer, 8), 0);
  EXPECT_EQ(s.Seek(-2, soEnd), 3);
  s.WriteBuffer("LOW", 3);
  EXPECT_EQ(String(static_cast<const char*>(s.Memory()), 6), "helLOW");
  s.SetSize(2);
  EXPECT_EQ(s.Position(), 2);
  EXPECT_THROW(s.Seek(-3, soCurrent), EStreamError);
  s.Clear();
  EXPECT_EQ(s.Size(), 0);
}

TEST(MemoryStream, ShortReadThrowsReadError) {
  TMemoryStream s;
  s.WriteBuffer("abc", 3);
  s.SetPosition(0);
  char buffer[4];
  EXPECT_THROW(s.ReadBuffer(buffer, 4), EReadError);
  s.SetPosition(0);
  EXPECT_NO_THROW(s.ReadBuffer(buffer, 3));
  EXPECT_THROW(s.ReadBuffer(buffer, -1), EReadError);
}

TEST(MemoryStream, WritingPastTheEndFillsWithZeros) {
  TMemoryStream s;
  s.SetPosition(3);
  s.WriteBuffer("x", 1);
  ASSERT_EQ(s.Size(), 4);
  EXPECT_EQ(std::memcmp(s.Memory(), "\0\0\0x", 4), 0);
}

TEST(MemoryStream, WritingAtAnImpossiblePositionThrows) {
  TMemoryStream s;
  s.Seek(INT64_MAX - 1, soBeginning);
  EXPECT_THROW(s.WriteBuffer("xyz", 3), EWriteError);
  EXPECT_EQ(s.Size(), 0);
}

TEST(MemoryStream, CopyAndLoadFromStream) {
  TMemoryStream a;
  a.WriteBuffer("0123456789", 10);
  TMemoryStream b;
  EXPECT_EQ(b.CopyFrom(a, 0), 10);
  EXPECT_EQ(b.Size(), 10);
  a.SetPosition(2);
  TMemoryStream c;
  c.CopyFrom(a, 3);
  EXPECT_EQ(String(static_cast<const char*>(c.Memory()), 3), "234");
  TMemoryStream d;
  d.LoadFromStream(a);
  EXPECT_EQ(d.Size(), 10);
  EXPECT_EQ(d.Position(), 0);
}

TEST(MemoryStream, FilesWithUnicodeNames) {
  const auto folder = std::filesystem::temp_directory_path() / "tapvane_streams_test";
  std::filesystem::create_directories(folder);
  const String path = (folder / "布局 layout.bin").string();
  TMemoryStream out;
  out.WriteBuffer("\x01\x02\x03", 3);
  out.SaveToFile(path);
  TMemoryStream in;
  in.LoadFromFile(path);
  ASSERT_EQ(in.Size(), 3);
  EXPECT_EQ(std::memcmp(in.Memory(), "\x01\x02\x03", 3), 0);
  std::filesystem::remove_all(folder);
  EXPECT_THROW(in.LoadFromFile(path), EFOpenError);
  EXPECT_EQ(in.Size(), 3);  // a failed load keeps what was there
}

TEST(FileStream, ReadsWritesAndSeeks) {
  const auto folder = std::filesystem::temp_directory_path() / "tapvane_filestream_test";
  std::filesystem::create_directories(folder);
  const String path = (folder / "文件.bin").string();
  {
    TFileStream out(path, fmCreate);
    out.WriteBuffer("0123456789", 10);
    EXPECT_EQ(out.Size(), 10);
    EXPECT_THROW(out.SetSize(3), EStreamError);
  }
  TFileStream in(path, fmOpenRead);
  EXPECT_EQ(in.Seek(-4, soEnd), 6);
  char buffer[4];
  in.ReadBuffer(buffer, 4);
  EXPECT_EQ(String(buffer, 4), "6789");
  EXPECT_THROW(in.ReadBuffer(buffer, 1), EReadError);
  EXPECT_THROW(TFileStream((folder / "none" / "x.bin").string(), fmCreate), EFCreateError);
  std::filesystem::remove_all(folder);
}

}  // namespace

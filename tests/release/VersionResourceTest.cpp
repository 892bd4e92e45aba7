// The version resource of the built Tapvane.exe, read back through the
// version API the way Explorer's properties page reads it.
#include <gtest/gtest.h>
#include <windows.h>

#include <cwchar>
#include <string>
#include <vector>

namespace {

const wchar_t* const kProgram = L"" TAPVANE_EXE;

class VersionResourceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(kProgram, &ignored);
    ASSERT_NE(0u, size) << "no version resource, error " << GetLastError();
    block_.resize(size);
    ASSERT_TRUE(GetFileVersionInfoW(kProgram, 0, size, block_.data()));
  }

  // A string of the first translation the file lists, as the properties page
  // picks it.
  std::wstring Text(const wchar_t* name) {
    struct TTranslation {
      WORD language, codePage;
    }* translation = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block_.data(), L"\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translation), &length) ||
        length < sizeof(TTranslation))
      return L"<no translation>";
    wchar_t path[80];
    swprintf(path, 80, L"\\StringFileInfo\\%04x%04x\\%ls", translation->language,
             translation->codePage, name);
    wchar_t* value = nullptr;
    if (!VerQueryValueW(block_.data(), path, reinterpret_cast<void**>(&value), &length) || !value)
      return L"<missing>";
    return value;
  }

  std::vector<BYTE> block_;
};

TEST_F(VersionResourceTest, StringsNameTheProductTheMakerAndTheVersionText) {
  EXPECT_EQ(L"Tapvane", Text(L"ProductName"));
  EXPECT_EQ(L"Velmora", Text(L"CompanyName"));
  EXPECT_EQ(L"1.03.20100223", Text(L"FileVersion"));
  EXPECT_EQ(L"1.03.20100223", Text(L"ProductVersion"));
  EXPECT_EQ(L"Tapvane.exe", Text(L"OriginalFilename"));
  const std::wstring description = Text(L"FileDescription");
  EXPECT_NE(std::wstring::npos, description.find(L"Tapvane")) << description;
}

// The numbers Explorer sorts and compares by: year and month-day of the
// version text, so a later build of the same version never reads as older.
TEST_F(VersionResourceTest, NumericVersionFollowsTheVersionText) {
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block_.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
  EXPECT_EQ(0xFEEF04BDu, fixed->dwSignature);
  EXPECT_EQ(MAKELONG(3, 1), static_cast<LONG>(fixed->dwFileVersionMS));
  EXPECT_EQ(MAKELONG(223, 2010), static_cast<LONG>(fixed->dwFileVersionLS));
  EXPECT_EQ(fixed->dwFileVersionMS, fixed->dwProductVersionMS);
  EXPECT_EQ(fixed->dwFileVersionLS, fixed->dwProductVersionLS);
  EXPECT_EQ(static_cast<DWORD>(VFT_APP), fixed->dwFileType);
}

}  // namespace

// A gallery process for the end-to-end tests: started with an optional
// package, found, waited for until skinned, and closed cleanly.
#pragma once

#include <string>

#include "E2eSupport.h"

namespace e2e {

// Where the test's programs and output live, given on its command line.
struct TGalleryPaths {
  std::string gallery;
  std::string skinpack;
  std::string skinSource;
  std::string out;
};
TGalleryPaths& GalleryPaths();

extern const wchar_t kGalleryCaption[];

// True when the window answers the skin's query as skinned.
bool Skinned(HWND window);
std::wstring Quoted(const std::string& unixPath);

// A whole file by its Unix path; empty when it cannot be read.
std::string ReadBytes(const std::string& unixPath);
bool WriteBytes(const std::string& unixPath, const std::string& bytes);

struct TGallery {
  TProcess process;
  HWND window = nullptr;
  explicit TGallery(const std::string& package);
  ~TGallery();
  bool WaitSkinned();
  // Closes the main window; true when the process then ends cleanly.
  bool CloseAndExit();
};

}  // namespace e2e

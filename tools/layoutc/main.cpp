// layoutc: compiles a text layout into the binary layout a form reads, or
// shows a binary layout as text.
//
//   layoutc [-I folder]... input.layout -o output.bin
//   layoutc --text input.bin [-o output.layout]

#include <cstdio>

#include "toolkit/core/Streams.h"
#include "tools/layoutc/LayoutText.h"

namespace {

int Usage() {
  std::fputs(
      "usage: layoutc [-I folder]... input.layout -o output.bin\n"
      "       layoutc --text input.bin [-o output.layout]\n",
      stderr);
  return 2;
}

String FolderOf(const String& path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == String::npos ? String(".") : path.substr(0, slash == 0 ? 1 : slash);
}

void WriteOutput(const String& path, const void* data, size_t size) {
  if (path.empty()) {
    std::fwrite(data, 1, size, stdout);
    return;
  }
  TFileStream out(path, fmCreate);
  out.WriteBuffer(data, static_cast<int64_t>(size));
}

}  // namespace

int main(int argc, char** argv) {
  bool toText = false;
  String input;
  String output;
  TLayoutTextOptions options;
  for (int i = 1; i < argc; ++i) {
    const String arg = argv[i];
    if (arg == "--text") {
      toText = true;
    } else if ((arg == "-o" || arg == "-I") && i + 1 < argc) {
      (arg == "-o" ? output : options.IncludeFolders.emplace_back()) = argv[++i];
    } else if (arg.rfind("-I", 0) == 0 && arg.size() > 2) {
      options.IncludeFolders.push_back(arg.substr(2));
    } else if (!arg.empty() && arg[0] != '-' && input.empty()) {
      input = arg;
    } else {
      return Usage();
    }
  }
  if (input.empty() || (!toText && output.empty())) return Usage();

  try {
    TMemoryStream source;
    source.LoadFromFile(input);
    const auto bytes = source.Bytes();
    if (toText) {
      const String text = DecompileLayout(bytes);
      WriteOutput(output, text.data(), text.size());
      return 0;
    }
    options.SourceName = input;
    options.BaseFolder = FolderOf(input);
    const std::vector<uint8_t> layout = CompileLayoutText(
        String(reinterpret_cast<const char*>(bytes.data()), bytes.size()), options);
    WriteOutput(output, layout.data(), layout.size());
  } catch (const Exception& e) {
    std::fprintf(stderr, "layoutc: %s\n", e.Message.c_str());
    if (!output.empty()) std::remove(output.c_str());
    return 1;
  }
  return 0;
}

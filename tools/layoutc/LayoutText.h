#pragma once
// The readable text layout and its compilation into the binary layout
// format (toolkit/core/LayoutFormat.h).
//
//   object Form1: TForm1
//     Caption = 'Tapvane - '#22810'...'     strings: '..' ('' for a quote),
//                                            #nnnn / #$hhhh code points, joined
//                                            by adjacency or '+'
//     Left = -12                             integers: decimal or $hex ($80000000
//                                              to $FFFFFFFF are 32-bit patterns)
//     Visible = True                         identifiers: enumerations, Booleans,
//     OnClick = Button3Click                   handlers, component references
//     Options = [xoPreview, xoToolbarBK]     sets
//     Font.Name = 'SimSun'                   dotted names reach sub-objects
//     Lines = ('one' 'two')                  string lists
//     Data = {0A1B 2C}                       binary, hexadecimal
//     Banner = @file 'banner.jpg'            binary taken from a file
//     SkinStream = @sizedfile 'skin.pkg'     the same with a 32-bit length first
//     object Button1: TButton ... end        nested components
//   end
//
// Files are looked up next to the layout, then in the include folders.
// Comments run from // to the end of the line.

#include <cstdint>
#include <span>
#include <vector>

#include "toolkit/core/SysUtils.h"

class ELayoutSyntaxError : public Exception {
  using Exception::Exception;
};

struct TLayoutTextOptions {
  String SourceName = "<layout>";  // for messages
  String BaseFolder;               // folder of the layout file
  std::vector<String> IncludeFolders;
};

// Throws ELayoutSyntaxError "name:line: message" for text that does not
// parse and for files that cannot be read.
std::vector<uint8_t> CompileLayoutText(const String& text, const TLayoutTextOptions& options);

// Back to text, for looking at a binary layout; throws EReadError.
String DecompileLayout(std::span<const uint8_t> layout);

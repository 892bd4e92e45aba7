#pragma once
// Strings, exceptions and conversions shared by the whole toolkit.
// String is UTF-8 in a std::string; WideString is UTF-16 in a std::u16string.

#include <cstdint>
#include <exception>
#include <string>

using String = std::string;
using WideString = std::u16string;

class Exception : public std::exception {
 public:
  explicit Exception(String message) : Message(std::move(message)) {}
  const char* what() const noexcept override { return Message.c_str(); }
  String Message;
};

class EConvertError : public Exception {
  using Exception::Exception;
};

class EListError : public Exception {
  using Exception::Exception;
};

// An operation the object's state does not allow.
class EInvalidOperation : public Exception {
  using Exception::Exception;
};

// The system refused a window, class or other resource.
class EOutOfResources : public Exception {
  using Exception::Exception;
};

// Signed 32-bit decimal; leading and trailing blanks are allowed, a leading
// '+' or '-' too, and "$1F" / "0x1F" hexadecimal. Anything else, an empty
// text or a value out of range throws EConvertError
// "'<text>' is not a valid integer value".
int StrToIntChecked(const String& text);
// Inline so that <shlwapi.h>'s StrToInt macro, when a file includes it
// first, renames only this wrapper and nothing that must link.
inline int StrToInt(const String& text) { return StrToIntChecked(text); }
int StrToIntDef(const String& text, int fallback);
bool TryStrToInt(const String& text, int& value);
String IntToStr(int64_t value);
String IntToHex(uint64_t value, int digits);

// printf-style formatting into a String.
String Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Invalid UTF-8 bytes and unpaired surrogates become U+FFFD.
WideString Utf8ToWide(const String& text);
String WideToUtf8(const WideString& text);
// One code point as UTF-8 (U+FFFD for values that are not code points).
String CodePointToUtf8(uint32_t codePoint);

// ASCII-only case mapping: other bytes are left as they are.
String UpperCase(const String& text);
String LowerCase(const String& text);
bool SameText(const String& a, const String& b);
int CompareText(const String& a, const String& b);
String Trim(const String& text);

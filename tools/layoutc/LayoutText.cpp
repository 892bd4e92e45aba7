#include "tools/layoutc/LayoutText.h"

#include <cctype>

#include "toolkit/core/Filer.h"

namespace {

enum class Tok { End, Ident, Integer, String, Symbol, Binary, At };

struct Token {
  Tok kind = Tok::End;
  String text;  // identifier, string value, symbol, hex digits, @word
  int64_t number = 0;
  int line = 1;
};

class Lexer {
 public:
  Lexer(const String& text, const String& source) : text_(text), source_(source) {}

  [[noreturn]] void Fail(const String& message, int line) const {
    throw ELayoutSyntaxError(source_ + ":" + std::to_string(line) + ": " + message);
  }

  Token Next() {
    SkipBlanks();
    Token t;
    t.line = line_;
    if (pos_ >= text_.size()) return t;
    const char c = text_[pos_];
    if (IsIdentStart(c)) {
      t.kind = Tok::Ident;
      while (pos_ < text_.size() &&
             (IsIdentStart(text_[pos_]) || IsDigit(text_[pos_]) || text_[pos_] == '.'))
        t.text += text_[pos_++];
      return t;
    }
    if (IsDigit(c) || c == '$' ||
        ((c == '-' || c == '+') && pos_ + 1 < text_.size() &&
         (IsDigit(text_[pos_ + 1]) || text_[pos_ + 1] == '$'))) {
      t.kind = Tok::Integer;
      t.number = ReadNumber();
      return t;
    }
    if (c == '\'' || c == '#') {
      t.kind = Tok::String;
      t.text = ReadString();
      return t;
    }
    if (c == '{') {
      t.kind = Tok::Binary;
      t.text = ReadHex();
      return t;
    }
    if (c == '@') {
      ++pos_;
      t.kind = Tok::At;
      while (pos_ < text_.size() && IsIdentStart(text_[pos_])) t.text += text_[pos_++];
      return t;
    }
    if (String("=:[](),+").find(c) != String::npos) {
      t.kind = Tok::Symbol;
      t.text = String(1, c);
      ++pos_;
      return t;
    }
    Fail(Format("unexpected character '%c'", c), line_);
  }

 private:
  static bool IsIdentStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
  }
  static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

  void SkipBlanks() {
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (c == '\n') {
        ++line_;
        ++pos_;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++pos_;
      } else if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
        while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
      } else if (pos_ == 0 && text_.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        pos_ = 3;
      } else {
        return;
      }
    }
  }

  // Decimal or $hex, with an optional sign, into 64 bits.
  int64_t ReadNumber() {
    bool negative = false;
    if (text_[pos_] == '-' || text_[pos_] == '+') negative = text_[pos_++] == '-';
    const bool hex = pos_ < text_.size() && text_[pos_] == '$';
    if (hex) ++pos_;
    const uint64_t base = hex ? 16 : 10;
    uint64_t magnitude = 0;
    size_t digits = 0;
    for (; pos_ < text_.size(); ++pos_, ++digits) {
      const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text_[pos_])));
      int digit = -1;
      if (IsDigit(c)) digit = c - '0';
      if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
      if (digit < 0) break;
      if (magnitude > (UINT64_MAX - static_cast<uint64_t>(digit)) / base)
        Fail("number out of range", line_);
      magnitude = magnitude * base + static_cast<uint64_t>(digit);
    }
    if (digits == 0) Fail("digits expected", line_);
    if (pos_ < text_.size() && (IsIdentStart(text_[pos_]) || text_[pos_] == '.'))
      Fail("bad number", line_);
    if (magnitude > (negative ? uint64_t{1} << 63 : static_cast<uint64_t>(INT64_MAX)))
      Fail("number out of range", line_);
    // Hexadecimal spells bit patterns: up to 8 digits it is a 32-bit one, so
    // $FF00000F is the negative 32-bit value a colour property holds.
    if (hex && !negative && magnitude > INT32_MAX && magnitude <= UINT32_MAX)
      return static_cast<int32_t>(static_cast<uint32_t>(magnitude));
    const auto value = static_cast<int64_t>(magnitude);
    return negative ? static_cast<int64_t>(0 - magnitude) : value;
  }

  // Runs of 'quoted' parts and #code points, adjacent.
  String ReadString() {
    String out;
    while (pos_ < text_.size() && (text_[pos_] == '\'' || text_[pos_] == '#')) {
      if (text_[pos_] == '#') {
        ++pos_;
        const bool hex = pos_ < text_.size() && text_[pos_] == '$';
        if (hex) ++pos_;
        uint32_t cp = 0;
        size_t digits = 0;
        for (; pos_ < text_.size() && std::isxdigit(static_cast<unsigned char>(text_[pos_]));
             ++pos_, ++digits) {
          const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text_[pos_])));
          if (!hex && !IsDigit(c)) break;
          cp = cp * (hex ? 16 : 10) + static_cast<uint32_t>(IsDigit(c) ? c - '0' : c - 'a' + 10);
          if (cp > 0x10FFFF) Fail("code point out of range", line_);
        }
        if (digits == 0) Fail("code point expected after '#'", line_);
        out += CodePointToUtf8(cp);
        continue;
      }
      ++pos_;
      for (;;) {
        if (pos_ >= text_.size() || text_[pos_] == '\n') Fail("unterminated string", line_);
        if (text_[pos_] == '\'') {
          if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
            out += '\'';
            pos_ += 2;
            continue;
          }
          ++pos_;
          break;
        }
        out += text_[pos_++];
      }
    }
    return out;
  }

  String ReadHex() {
    const int start = line_;
    ++pos_;
    String digits;
    for (;;) {
      if (pos_ >= text_.size()) Fail("unterminated binary value", start);
      const char c = text_[pos_++];
      if (c == '}') break;
      if (c == '\n') ++line_;
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
      if (!std::isxdigit(static_cast<unsigned char>(c))) Fail("hexadecimal digit expected", line_);
      digits += c;
    }
    if (digits.size() % 2) Fail("odd number of hexadecimal digits", start);
    return digits;
  }

  const String& text_;
  const String& source_;
  size_t pos_ = 0;
  int line_ = 1;
};

class Compiler {
 public:
  Compiler(const String& text, const TLayoutTextOptions& options)
      : lexer_(text, options.SourceName), options_(options), writer_(out_) {
    Advance();
  }

  std::vector<uint8_t> Run() {
    writer_.WriteSignature();
    Object(0);
    if (token_.kind != Tok::End) Fail("text after the last 'end'");
    const auto bytes = out_.Bytes();
    return {bytes.begin(), bytes.end()};
  }

 private:
  [[noreturn]] void Fail(const String& message) const { lexer_.Fail(message, token_.line); }
  void Advance() { token_ = lexer_.Next(); }
  bool IsSymbol(const char* s) const { return token_.kind == Tok::Symbol && token_.text == s; }
  bool IsWord(const char* w) const { return token_.kind == Tok::Ident && SameText(token_.text, w); }
  void ExpectSymbol(const char* s) {
    if (!IsSymbol(s)) Fail(Format("'%s' expected", s));
    Advance();
  }
  String ExpectIdent(const char* what) {
    if (token_.kind != Tok::Ident || token_.text.find('.') != String::npos)
      Fail(Format("%s expected", what));
    String text = token_.text;
    Advance();
    return text;
  }

  void Object(int depth) {
    if (depth > LayoutMaxDepth) Fail("components nested too deep");
    if (!IsWord("object")) Fail("'object' expected");
    Advance();
    const String name = ExpectIdent("component name");
    ExpectSymbol(":");
    const String className = ExpectIdent("class name");
    writer_.WriteComponentHeader(className, name);
    bool childrenStarted = false;
    while (!IsWord("end")) {
      if (token_.kind == Tok::End) Fail("'end' expected");
      if (IsWord("object")) {
        if (!childrenStarted) writer_.WritePropertiesEnd();
        childrenStarted = true;
        writer_.WriteChildMarker();
        Object(depth + 1);
        continue;
      }
      if (childrenStarted) Fail("properties come before nested objects");
      if (token_.kind != Tok::Ident) Fail("property name expected");
      const String prop = token_.text;
      Advance();
      ExpectSymbol("=");
      writer_.WritePropName(prop);
      writer_.WriteLayoutValue(Value());
    }
    Advance();
    if (!childrenStarted) writer_.WritePropertiesEnd();
    writer_.WriteChildrenEnd();
  }

  TLayoutValue Value() {
    TLayoutValue v;
    switch (token_.kind) {
      case Tok::Integer:
        v.Type = vaInt64;
        v.Int = token_.number;
        Advance();
        return v;
      case Tok::Ident:
        if (token_.text.find('.') != String::npos) Fail("identifier expected");
        if (IsWord("end") || IsWord("object")) Fail("value expected");
        v.Type = SameText(token_.text, "nil") ? vaNil : vaIdent;
        if (v.Type == vaIdent) v.Text = token_.text;
        Advance();
        return v;
      case Tok::String:
        v.Type = vaString;
        v.Text = StringValue();
        return v;
      case Tok::Binary:
        v.Type = vaBinary;
        for (size_t i = 0; i < token_.text.size(); i += 2)
          v.Bytes.push_back(static_cast<uint8_t>(std::stoi(token_.text.substr(i, 2), nullptr, 16)));
        Advance();
        return v;
      case Tok::At:
        return FileValue();
      case Tok::Symbol:
        if (IsSymbol("[")) return SetValue();
        if (IsSymbol("(")) return ListValue();
        break;
      case Tok::End:
        break;
    }
    Fail("value expected");
  }

  String StringValue() {
    String text = token_.text;
    Advance();
    while (IsSymbol("+")) {
      Advance();
      if (token_.kind != Tok::String) Fail("string expected after '+'");
      text += token_.text;
      Advance();
    }
    return text;
  }

  TLayoutValue SetValue() {
    TLayoutValue v;
    v.Type = vaSet;
    Advance();
    while (!IsSymbol("]")) {
      if (!v.Items.empty()) ExpectSymbol(",");
      v.Items.push_back(ExpectIdent("set member"));
    }
    Advance();
    return v;
  }

  TLayoutValue ListValue() {
    TLayoutValue v;
    v.Type = vaList;
    Advance();
    while (!IsSymbol(")")) {
      if (token_.kind != Tok::String) Fail("string expected in list");
      v.Items.push_back(StringValue());
    }
    Advance();
    return v;
  }

  TLayoutValue FileValue() {
    const String kind = token_.text;
    if (kind != "file" && kind != "sizedfile") Fail("'@file' or '@sizedfile' expected");
    Advance();
    if (token_.kind != Tok::String) Fail("file name expected");
    const String path = token_.text;
    const std::vector<uint8_t> bytes = LoadFile(path);
    Advance();
    TLayoutValue v;
    v.Type = vaBinary;
    if (kind == "sizedfile") {
      if (bytes.size() > INT32_MAX) Fail("file too large");
      const auto n = static_cast<uint32_t>(bytes.size());
      v.Bytes = {static_cast<uint8_t>(n), static_cast<uint8_t>(n >> 8),
                 static_cast<uint8_t>(n >> 16), static_cast<uint8_t>(n >> 24)};
    }
    v.Bytes.insert(v.Bytes.end(), bytes.begin(), bytes.end());
    return v;
  }

  std::vector<uint8_t> LoadFile(const String& path) const {
    std::vector<String> candidates;
    const bool absolute =
        !path.empty() && (path[0] == '/' || path[0] == '\\' || (path.size() > 1 && path[1] == ':'));
    if (absolute) {
      candidates.push_back(path);
    } else {
      candidates.push_back(options_.BaseFolder.empty() ? path : options_.BaseFolder + "/" + path);
      for (const String& folder : options_.IncludeFolders)
        candidates.push_back(folder + "/" + path);
    }
    for (const String& candidate : candidates) {
      std::FILE* probe = OpenFileUtf8(candidate, "rb");
      if (!probe) continue;
      std::fclose(probe);
      TMemoryStream data;
      try {
        data.LoadFromFile(candidate);
      } catch (const Exception& e) {
        Fail(e.Message);
      }
      const auto bytes = data.Bytes();
      return {bytes.begin(), bytes.end()};
    }
    Fail(Format("cannot find file '%s'", path.c_str()));
  }

  Lexer lexer_;
  const TLayoutTextOptions& options_;
  TMemoryStream out_;
  TWriter writer_;
  Token token_;
};

}  // namespace

std::vector<uint8_t> CompileLayoutText(const String& text, const TLayoutTextOptions& options) {
  try {
    return Compiler(text, options).Run();
  } catch (const ELayoutSyntaxError&) {
    throw;
  } catch (const Exception& e) {
    throw ELayoutSyntaxError(options.SourceName + ": " + e.Message);
  }
}

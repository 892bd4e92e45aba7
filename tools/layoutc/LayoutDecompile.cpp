// A binary layout shown as layout text, for looking at what a form reads.

#include "toolkit/core/Filer.h"
#include "tools/layoutc/LayoutText.h"

namespace {

String Quote(const String& text) {
  String out;
  bool open = false;
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 32) {
      if (open) out += '\'';
      open = false;
      out += "#" + std::to_string(u);
      continue;
    }
    if (!open) out += '\'';
    open = true;
    out += c;
    if (c == '\'') out += '\'';
  }
  if (open) out += '\'';
  return out.empty() ? "''" : out;
}

class Decompiler {
 public:
  explicit Decompiler(TStream& in) : reader_(in) {}

  String Run() {
    reader_.ReadSignature();
    Component(0);
    return out_;
  }

 private:
  void Component(int depth) {
    if (depth > LayoutMaxDepth) throw EReadError("Invalid layout: components nested too deep");
    const String indent(static_cast<size_t>(depth) * 2, ' ');
    const String className = reader_.ReadStr();
    const String name = reader_.ReadStr();
    out_ += indent + "object " + name + ": " + className + "\n";
    for (String prop = reader_.ReadStr(); !prop.empty(); prop = reader_.ReadStr())
      out_ += indent + "  " + prop + " = " + ValueText(reader_.ReadLayoutValue(), indent + "    ") +
              "\n";
    for (uint8_t marker = reader_.ReadByte(); marker != LayoutEndMarker;
         marker = reader_.ReadByte()) {
      if (marker != LayoutChildMarker) throw EReadError("Invalid layout: bad component marker");
      Component(depth + 1);
    }
    out_ += indent + "end\n";
  }

  static String ValueText(const TLayoutValue& v, const String& indent) {
    switch (v.Type) {
      case vaInt32:
      case vaInt64:
        return std::to_string(v.Int);
      case vaIdent:
        return v.Text;
      case vaString:
        return Quote(v.Text);
      case vaWString:
        return Quote(WideToUtf8(v.Wide));
      case vaNil:
        return "nil";
      case vaSet: {
        String text = "[";
        for (size_t i = 0; i < v.Items.size(); ++i) text += (i ? ", " : "") + v.Items[i];
        return text + "]";
      }
      case vaList: {
        String text = "(";
        for (const String& item : v.Items) text += "\n" + indent + Quote(item);
        return text + ")";
      }
      case vaBinary: {
        String text = "{";
        for (size_t i = 0; i < v.Bytes.size(); ++i) {
          if (i % 32 == 0) text += "\n" + indent;
          text += IntToHex(v.Bytes[i], 2);
        }
        return text + "}";
      }
      case vaNull:
        break;
    }
    return "?";
  }

  TReader reader_;
  String out_;
};

}  // namespace

String DecompileLayout(std::span<const uint8_t> layout) {
  TMemoryStream in;
  in.WriteBuffer(layout.data(), static_cast<int64_t>(layout.size()));
  in.SetPosition(0);
  return Decompiler(in).Run();
}

// The value primitives of the layout reader: every length and count is
// checked against the bytes that are left before anything is allocated.

#include <cstring>

#include "toolkit/core/Filer.h"

void TReader::ReadSignature() {
  char signature[sizeof LayoutSignature] = {};
  if (stream_.Read(signature, sizeof signature) != sizeof signature ||
      std::memcmp(signature, LayoutSignature, sizeof signature) != 0)
    throw EReadError("Invalid layout: signature missing");
}

uint8_t TReader::ReadByte() {
  uint8_t value = 0;
  if (stream_.Read(&value, 1) != 1) throw EReadError("Invalid layout: unexpected end");
  return value;
}

namespace {

uint32_t ReadU32(TStream& stream) {
  uint8_t b[4] = {};
  if (stream.Read(b, 4) != 4) throw EReadError("Invalid layout: unexpected end");
  return static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
         static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24;
}

}  // namespace

uint32_t TReader::ReadCount(uint32_t limit, uint32_t minBytesEach) {
  const uint32_t count = ReadU32(stream_);
  const int64_t remaining = stream_.Remaining();
  if (count > limit || static_cast<int64_t>(count) * minBytesEach > remaining)
    throw EReadError("Invalid layout: length out of range");
  return count;
}

String TReader::ReadStr() {
  const uint32_t length = ReadCount(LayoutMaxString, 1);
  String text(length, '\0');
  stream_.ReadBuffer(text.data(), length);
  return text;
}

TValueType TReader::ReadValueType() { return static_cast<TValueType>(ReadByte()); }

TValueType TReader::NextValue() {
  const TValueType type = ReadValueType();
  stream_.Seek(-1, soCurrent);
  return type;
}

TLayoutValue TReader::ReadLayoutValue() {
  TLayoutValue v;
  v.Type = ReadValueType();
  switch (v.Type) {
    case vaInt32:
      v.Int = static_cast<int32_t>(ReadU32(stream_));
      break;
    case vaInt64: {
      const uint64_t low = ReadU32(stream_);
      const uint64_t high = ReadU32(stream_);
      v.Int = static_cast<int64_t>(low | high << 32);
      break;
    }
    case vaIdent:
    case vaString:
      v.Text = ReadStr();
      break;
    case vaWString: {
      const uint32_t count = ReadCount(LayoutMaxString / 2, 2);
      v.Wide.resize(count);
      for (char16_t& unit : v.Wide) {
        uint8_t b[2] = {};
        stream_.ReadBuffer(b, 2);
        unit = static_cast<char16_t>(b[0] | b[1] << 8);
      }
      break;
    }
    case vaSet:
    case vaList: {
      const uint32_t count = ReadCount(LayoutMaxString, 4);
      v.Items.reserve(count);
      for (uint32_t i = 0; i < count; ++i) v.Items.push_back(ReadStr());
      break;
    }
    case vaBinary: {
      const uint32_t length = ReadCount(LayoutMaxBinary, 1);
      v.Bytes.resize(length);
      stream_.ReadBuffer(v.Bytes.data(), length);
      break;
    }
    case vaNil:
      break;
    default:
      throw EReadError(Format("Invalid layout: unknown value type %d", static_cast<int>(v.Type)));
  }
  return v;
}

void TReader::Expect(TValueType type) {
  if (NextValue() != type) throw EReadError("Invalid layout: unexpected value type");
}

int64_t TReader::ReadInteger() {
  const TLayoutValue v = ReadLayoutValue();
  if (v.Type != vaInt32 && v.Type != vaInt64) throw EReadError("Invalid layout: integer expected");
  return v.Int;
}

bool TReader::ReadBoolean() {
  const String ident = ReadIdent();
  const int value = BooleanInfo().ValueOf(ident);
  if (value < 0) throw EReadError("Invalid layout: Boolean expected");
  return value == 1;
}

String TReader::ReadIdent() {
  Expect(vaIdent);
  return ReadLayoutValue().Text;
}

String TReader::ReadString() {
  const TLayoutValue v = ReadLayoutValue();
  if (v.Type == vaString) return v.Text;
  if (v.Type == vaWString) return WideToUtf8(v.Wide);
  throw EReadError("Invalid layout: string expected");
}

WideString TReader::ReadWideString() {
  const TLayoutValue v = ReadLayoutValue();
  if (v.Type == vaWString) return v.Wide;
  if (v.Type == vaString) return Utf8ToWide(v.Text);
  throw EReadError("Invalid layout: string expected");
}

std::vector<String> TReader::ReadStringList() {
  Expect(vaList);
  return ReadLayoutValue().Items;
}

std::vector<String> TReader::ReadSet() {
  Expect(vaSet);
  return ReadLayoutValue().Items;
}

std::vector<uint8_t> TReader::ReadBinary() {
  Expect(vaBinary);
  return ReadLayoutValue().Bytes;
}

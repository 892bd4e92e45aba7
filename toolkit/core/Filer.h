#pragma once
// Reading and writing layouts (format in toolkit/core/LayoutFormat.h).
//
// Reading a root: its published properties are set by name, components
// nested in it are made by class name from the class registry, owned by the
// root and given the enclosing component as parent when they have one;
// names a component's published properties do not know go to its
// DefineProperties; events are bound to the root class's handler methods by
// name; references to components are fixed up at the end; then Loaded runs
// on every component read (root first). A failing read frees what it made
// and throws EReadError (or EClassNotFound).

#include <functional>
#include <span>
#include <vector>

#include "toolkit/core/Component.h"
#include "toolkit/core/LayoutFormat.h"
#include "toolkit/core/Streams.h"

class TReader;
struct TPropInfo;
class TWriter;

class TFiler {
 public:
  using TReaderProc = std::function<void(TReader&)>;
  using TWriterProc = std::function<void(TWriter&)>;
  using TStreamProc = std::function<void(TStream&)>;

  explicit TFiler(TStream& stream) : stream_(stream) {}
  TFiler(const TFiler&) = delete;
  TFiler& operator=(const TFiler&) = delete;
  virtual ~TFiler() = default;

  // A property stored with a typed value (read and written through the
  // TReader/TWriter value primitives).
  virtual void DefineProperty(const String& Name, const TReaderProc& ReadData,
                              const TWriterProc& WriteData, bool HasData) = 0;
  // A property stored as bytes: ReadData gets a stream of exactly the bytes
  // WriteData wrote.
  virtual void DefineBinaryProperty(const String& Name, const TStreamProc& ReadData,
                                    const TStreamProc& WriteData, bool HasData) = 0;

  TStream& Stream() { return stream_; }
  TComponent* Root() const { return root_; }

 protected:
  TStream& stream_;
  TComponent* root_ = nullptr;
};

class TReader : public TFiler {
 public:
  explicit TReader(TStream& stream) : TFiler(stream) {}

  void ReadRootComponent(TComponent* Root);

  void DefineProperty(const String& Name, const TReaderProc& ReadData, const TWriterProc& WriteData,
                      bool HasData) override;
  void DefineBinaryProperty(const String& Name, const TStreamProc& ReadData,
                            const TStreamProc& WriteData, bool HasData) override;

  // Primitives; each throws EReadError on bytes that do not fit.
  void ReadSignature();
  TValueType NextValue();  // the next tag, not consumed
  TValueType ReadValueType();
  int64_t ReadInteger();
  bool ReadBoolean();
  String ReadIdent();
  String ReadString();          // vaString, or vaWString converted
  WideString ReadWideString();  // vaWString, or vaString converted
  std::vector<String> ReadStringList();
  std::vector<String> ReadSet();
  std::vector<uint8_t> ReadBinary();
  TLayoutValue ReadLayoutValue();
  String ReadStr();  // the raw length-prefixed text
  uint8_t ReadByte();

 private:
  friend class TLayoutLoader;
  uint32_t ReadCount(uint32_t limit, uint32_t minBytesEach);
  void Expect(TValueType type);

  String pendingProperty_;  // the name DefineProperties is asked about
  bool pendingHandled_ = false;
};

class TWriter : public TFiler {
 public:
  explicit TWriter(TStream& stream) : TFiler(stream) {}

  // Signature, then Root with its properties and children.
  void WriteRootComponent(TComponent* Root);

  void DefineProperty(const String& Name, const TReaderProc& ReadData, const TWriterProc& WriteData,
                      bool HasData) override;
  void DefineBinaryProperty(const String& Name, const TStreamProc& ReadData,
                            const TStreamProc& WriteData, bool HasData) override;

  // Primitives, also used by tools that write layouts without the classes.
  void WriteSignature();
  void WriteComponentHeader(const String& className, const String& name);
  void WritePropName(const String& name);
  void WritePropertiesEnd();
  void WriteChildMarker();
  void WriteChildrenEnd();
  void WriteInteger(int64_t value);
  void WriteBoolean(bool value);
  void WriteIdent(const String& ident);
  void WriteString(const String& text);
  void WriteWideString(const WideString& text);
  void WriteStringList(const std::vector<String>& lines);
  void WriteSet(const std::vector<String>& members);
  void WriteBinary(std::span<const uint8_t> bytes);
  void WriteNil();
  void WriteLayoutValue(const TLayoutValue& value);
  void WriteStr(const String& text);

 private:
  void WriteComponent(TComponent* component);
  void WriteProperties(TObject& object, const String& prefix);
  // One property, by its kind; prefix is "Font." inside a sub-object.
  void WriteProperty(TObject& object, const TPropInfo& p, const String& prefix);
  void WriteIntegerProperty(TObject& object, const TPropInfo& p, const String& name);
  void WriteEnumProperty(TObject& object, const TPropInfo& p, const String& name);
  void WriteSetProperty(TObject& object, const TPropInfo& p, const String& name);
  void WriteMethodProperty(TObject& object, const TPropInfo& p, const String& prefix);
  void WriteClassProperty(TObject& object, const TPropInfo& p, const String& prefix);
  void WriteByte(uint8_t value);
  void WriteU32(uint32_t value);

  String propPrefix_;  // "Font." while a sub-object's defined properties are written
};

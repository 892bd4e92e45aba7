#include "toolkit/core/ClassRegistry.h"
#include "toolkit/core/Filer.h"
#include "toolkit/core/ScopeExit.h"
#include "toolkit/core/Strings.h"
#include "toolkit/core/TypInfo.h"

// Reads one layout into a root: builds the components, remembers what it
// made so that a failure leaves nothing behind, and what needs Loaded.
class TLayoutLoader {
 public:
  TLayoutLoader(TReader& reader, TComponent* root) : reader_(reader), root_(root) {}

  void Run() {
    try {
      ReadRoot();
    } catch (...) {
      Abandon();
      throw;
    }
    for (TComponent* c : loaded_) c->Loaded();
  }

 private:
  struct Fixup {
    TObject* object;
    const TPropInfo* prop;
    String name;
  };

  void ReadRoot() {
    root_->SetComponentStateItem(csLoading, true);
    loaded_.push_back(root_);
    const String className = reader_.ReadStr();
    const String name = reader_.ReadStr();
    if (!SameText(className, root_->ClassName()))
      throw EReadError(Format("Layout of a %s cannot be read into a %s", className.c_str(),
                              root_->ClassName().c_str()));
    Guard([&] { root_->SetName(name); });
    ReadBody(root_, 0);
    ResolveFixups();
  }

  // Frees what this read made (newest first: children before their
  // parents) and leaves the root as a reader found it.
  void Abandon() {
    for (auto it = created_.rbegin(); it != created_.rend(); ++it) delete *it;
    root_->SetComponentStateItem(csLoading, false);
    root_->SetComponentStateItem(csReading, false);
  }

  // Errors of components and type conversions surface as read errors.
  template <typename F>
  static void Guard(F&& f) {
    try {
      f();
    } catch (const EFilerError&) {
      throw;
    } catch (const Exception& e) {
      throw EReadError(e.Message);
    }
  }

  void ReadBody(TComponent* instance, int depth) {
    instance->SetComponentStateItem(csReading, true);
    for (String prop = reader_.ReadStr(); !prop.empty(); prop = reader_.ReadStr())
      ReadProperty(*instance, prop);
    for (uint8_t marker = reader_.ReadByte(); marker != LayoutEndMarker;
         marker = reader_.ReadByte()) {
      if (marker != LayoutChildMarker) throw EReadError("Invalid layout: bad component marker");
      ReadChild(instance, depth + 1);
    }
    instance->SetComponentStateItem(csReading, false);
  }

  void ReadChild(TComponent* parent, int depth) {
    if (depth > LayoutMaxDepth) throw EReadError("Invalid layout: components nested too deep");
    const String className = reader_.ReadStr();
    const String name = reader_.ReadStr();
    const TClassInfo* cls = FindClass(className);
    if (!cls) throw EClassNotFound(Format("Class %s not found", className.c_str()));
    if (!cls->Create) throw EReadError(Format("Class %s cannot be created", className.c_str()));
    TComponent* child = nullptr;
    Guard([&] { child = cls->Create(root_); });
    created_.push_back(child);
    child->SetComponentStateItem(csLoading, true);
    loaded_.push_back(child);
    Guard([&] {
      child->SetName(name);
      if (child->HasParent()) child->SetParentComponent(parent);
    });
    ReadBody(child, depth);
  }

  // A dotted name walks through sub-objects ("Font.Height").
  void ReadProperty(TComponent& instance, const String& path) {
    TObject* target = &instance;
    String leaf = path;
    for (size_t dot = leaf.find('.'); dot != String::npos; dot = leaf.find('.')) {
      const TPropInfo* p = FindPropInfo(target, leaf.substr(0, dot));
      TObject* sub = p && p->Kind == tkClass && p->GetObj ? p->GetObj(*target) : nullptr;
      if (!sub) throw EReadError(Format("Property %s does not exist", path.c_str()));
      target = sub;
      leaf = leaf.substr(dot + 1);
    }
    if (const TPropInfo* p = FindPropInfo(target, leaf)) {
      const TLayoutValue value = reader_.ReadLayoutValue();
      Guard([&] { Assign(*target, *p, value, path); });
      if (p->Kind == tkMethod && target == &instance)
        instance.SetBoundMethodName(p->Name, value.Text);
      return;
    }
    auto* persistent = dynamic_cast<TPersistent*>(target);
    reader_.pendingProperty_ = leaf;
    reader_.pendingHandled_ = false;
    if (persistent) Guard([&] { persistent->DefineProperties(reader_); });
    reader_.pendingProperty_.clear();
    if (!reader_.pendingHandled_)
      throw EReadError(Format("Property %s does not exist", path.c_str()));
  }

  [[noreturn]] static void Invalid(const String& path) {
    throw EReadError(Format("Invalid value for property %s", path.c_str()));
  }

  void Assign(TObject& target, const TPropInfo& p, const TLayoutValue& v, const String& path) {
    const bool isInt = v.Type == vaInt32 || v.Type == vaInt64;
    if (p.Kind != tkClass && p.Kind != tkMethod && !p.Writable())
      throw EReadError(Format("Property %s is read-only", path.c_str()));
    switch (p.Kind) {
      case tkInteger: {
        int64_t value = v.Int;
        const bool named = v.Type == vaIdent && p.Idents && p.Idents->IdentToInt(v.Text, value);
        if ((!isInt && !named) || value < p.MinValue || value > p.MaxValue) Invalid(path);
        p.SetOrd(target, value);
        return;
      }
      case tkEnumeration: {
        const int ordinal = v.Type == vaIdent && p.EnumType ? p.EnumType->ValueOf(v.Text) : -1;
        if (ordinal < 0) Invalid(path);
        p.SetOrd(target, ordinal);
        return;
      }
      case tkSet:
        p.SetOrd(target, static_cast<int64_t>(SetBits(p, v, path)));
        return;
      case tkString:
        if (v.Type == vaString)
          p.SetStr(target, v.Text);
        else if (v.Type == vaWString)
          p.SetStr(target, WideToUtf8(v.Wide));
        else
          Invalid(path);
        return;
      case tkWideString:
        if (v.Type == vaWString)
          p.SetWide(target, v.Wide);
        else if (v.Type == vaString)
          p.SetWide(target, Utf8ToWide(v.Text));
        else
          Invalid(path);
        return;
      case tkClass:
        AssignObject(target, p, v, path);
        return;
      case tkMethod:
        AssignMethod(target, p, v, path);
        return;
      case tkUnknown:
        break;
    }
    Invalid(path);
  }

  static uint64_t SetBits(const TPropInfo& p, const TLayoutValue& v, const String& path) {
    const size_t count = p.EnumType ? p.EnumType->Identifiers.size() : 0;
    const uint64_t mask = count >= 64 ? ~uint64_t{0} : (uint64_t{1} << count) - 1;
    if (v.Type == vaInt32 || v.Type == vaInt64) {
      const auto bits = static_cast<uint64_t>(v.Int);
      if (bits & ~mask) Invalid(path);
      return bits;
    }
    if (v.Type != vaSet || !p.EnumType) Invalid(path);
    uint64_t bits = 0;
    for (const String& member : v.Items) {
      const int ordinal = p.EnumType->ValueOf(member);
      if (ordinal < 0 || ordinal >= 64) Invalid(path);
      bits |= uint64_t{1} << ordinal;
    }
    return bits;
  }

  void AssignObject(TObject& target, const TPropInfo& p, const TLayoutValue& v,
                    const String& path) {
    if (v.Type == vaList) {
      auto* strings = p.GetObj ? dynamic_cast<TStrings*>(p.GetObj(target)) : nullptr;
      if (!strings) Invalid(path);
      strings->BeginUpdate();
      const TScopeExit endUpdate([strings] { strings->EndUpdate(); });
      strings->Clear();
      for (const String& line : v.Items) strings->Add(line);
      return;
    }
    const bool isComponentRef =
        p.PropClass && p.PropClass->InheritsFrom(&TComponent::StaticClass());
    if (!p.SetObj || !isComponentRef) Invalid(path);
    if (v.Type == vaNil) {
      p.SetObj(target, nullptr);
    } else if (v.Type == vaIdent) {
      fixups_.push_back({&target, &p, v.Text});  // the component may come later in the layout
    } else {
      Invalid(path);
    }
  }

  void AssignMethod(TObject& target, const TPropInfo& p, const TLayoutValue& v,
                    const String& path) {
    if (!p.SetMethod) Invalid(path);
    if (v.Type == vaNil) {
      p.SetMethod(target, std::any());
      return;
    }
    if (v.Type != vaIdent) Invalid(path);
    const TMethodInfo* method = root_->ClassType()->FindMethod(v.Text);
    if (!method)
      throw EReadError(Format("Handler %s of property %s not found in %s", v.Text.c_str(),
                              path.c_str(), root_->ClassName().c_str()));
    p.SetMethod(target, method->Bind(*root_));
  }

  void ResolveFixups() {
    for (const Fixup& f : fixups_) {
      TComponent* found = SameText(f.name, root_->Name()) ? root_ : root_->FindComponent(f.name);
      if (!found || (f.prop->PropClass && !found->InheritsFrom(f.prop->PropClass)))
        throw EReadError(
            Format("Invalid reference %s for property %s", f.name.c_str(), f.prop->Name.c_str()));
      Guard([&] { f.prop->SetObj(*f.object, found); });
    }
  }

  TReader& reader_;
  TComponent* root_;
  std::vector<TComponent*> created_;
  std::vector<TComponent*> loaded_;
  std::vector<Fixup> fixups_;
};

void TStream::ReadComponent(TComponent* Instance) {
  TReader reader(*this);
  reader.ReadRootComponent(Instance);
}

void TReader::ReadRootComponent(TComponent* Root) {
  if (!Root) throw EReadError("No component to read the layout into");
  root_ = Root;
  ReadSignature();
  TLayoutLoader(*this, Root).Run();
}

void TReader::DefineProperty(const String& Name, const TReaderProc& ReadData,
                             const TWriterProc& /*WriteData*/, bool /*HasData*/) {
  if (pendingHandled_ || pendingProperty_.empty() || !SameText(Name, pendingProperty_)) return;
  pendingHandled_ = true;
  if (ReadData)
    ReadData(*this);
  else
    ReadLayoutValue();
}

void TReader::DefineBinaryProperty(const String& Name, const TStreamProc& ReadData,
                                   const TStreamProc& /*WriteData*/, bool /*HasData*/) {
  if (pendingHandled_ || pendingProperty_.empty() || !SameText(Name, pendingProperty_)) return;
  pendingHandled_ = true;
  const std::vector<uint8_t> bytes = ReadBinary();
  if (!ReadData) return;
  TMemoryStream data;
  data.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  data.SetPosition(0);
  ReadData(data);
}

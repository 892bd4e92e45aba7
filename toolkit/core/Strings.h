#pragma once
// String lists. TStrings is the abstract list a control may back with a
// native list; TStringList keeps its lines in memory.

#include <vector>

#include "toolkit/core/Events.h"
#include "toolkit/core/Persistent.h"

class TStream;

class EStringListError : public EListError {
  using EListError::EListError;
};

class TStrings : public TPersistent {
  TAPVANE_CLASS(TStrings)
 public:
  // The primitives a descendant provides.
  virtual String Get(int index) const = 0;
  virtual int GetCount() const = 0;
  virtual void Put(int index, const String& s);          // Delete + Insert, keeps the object
  virtual TObject* GetObjectAt(int index) const;         // nullptr by default
  virtual void PutObjectAt(int index, TObject* object);  // ignored by default
  virtual void Insert(int index, const String& s) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;

  int Count() const { return GetCount(); }
  String Strings(int index) const { return Get(index); }
  String operator[](int index) const { return Get(index); }
  TObject* Objects(int index) const { return GetObjectAt(index); }
  void SetObjects(int index, TObject* object) { PutObjectAt(index, object); }

  virtual int Add(const String& s);  // returns the index
  int AddObject(const String& s, TObject* object);
  void AddStrings(const TStrings& source);
  void InsertObject(int index, const String& s, TObject* object);
  void Exchange(int index1, int index2);
  void Move(int curIndex, int newIndex);
  // Without case, like the classic list; -1 when absent.
  virtual int IndexOf(const String& s) const;
  int IndexOfObject(const TObject* object) const;

  // "name=value" lines.
  int IndexOfName(const String& name) const;  // without case
  String Names(int index) const;              // "" for a line without '='
  String ValueFromIndex(int index) const;
  String Values(const String& name) const;                 // "" when absent
  void SetValue(const String& name, const String& value);  // "" deletes

  // Lines joined with CR LF, each one ended; SetText splits at CR, LF, CR LF.
  String Text() const;
  void SetText(const String& text);
  // Comma separated, quoted with '"' where needed.
  String CommaText() const;
  void SetCommaText(const String& text);

  void LoadFromStream(TStream& stream);  // UTF-8, a BOM is skipped
  void SaveToStream(TStream& stream) const;

  bool Equals(const TStrings& other) const;  // same lines in the same order
  void Assign(const TPersistent* Source) override;

  // Nested; the list reports one change when the outermost update ends.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

 protected:
  virtual void SetUpdateState(bool /*updating*/) {}
  void CheckIndex(int index, int count) const;  // EStringListError when out of range

 private:
  int updateCount_ = 0;
};

class TStringList : public TStrings {
  TAPVANE_CLASS(TStringList)
 public:
  TStringList() = default;
  TStringList(std::initializer_list<String> lines);

  String Get(int index) const override;
  int GetCount() const override { return static_cast<int>(items_.size()); }
  void Put(int index, const String& s) override;
  TObject* GetObjectAt(int index) const override;
  void PutObjectAt(int index, TObject* object) override;
  void Insert(int index, const String& s) override;
  void Delete(int index) override;
  void Clear() override;

  // Sorted without case (stable: duplicates keep their order).
  void Sort();

  TNotifyEvent OnChange;    // after every change (once per outermost update)
  TNotifyEvent OnChanging;  // before

 protected:
  void SetUpdateState(bool updating) override;
  void Changing();
  void Changed();

 private:
  struct Item {
    String text;
    TObject* object = nullptr;
  };
  std::vector<Item> items_;
};

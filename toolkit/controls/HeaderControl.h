// A header over the system's SysHeader32 window, with sections.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "toolkit/controls/WinControl.h"
#include "toolkit/core/Persistent.h"

class THeaderControl;

// One section; Text, Width and Alignment are published so that code that
// knows the header only by property names can read them.
class THeaderSection : public TPersistent {
  TAPVANE_CLASS(THeaderSection)
 public:
  const String& Text() const { return text_; }
  void SetText(const String& value);
  int Width() const { return width_; }
  void SetWidth(int value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  int Index() const;

 private:
  friend class THeaderSections;
  friend class THeaderControl;
  explicit THeaderSection(THeaderControl& header) : header_(header) {}

  THeaderControl& header_;
  String text_;
  int width_ = 50;
  TAlignment alignment_ = taLeftJustify;
};

// The sections, as lines of text; Items gives each section.
class THeaderSections : public TStrings {
  TAPVANE_CLASS(THeaderSections)
 public:
  explicit THeaderSections(THeaderControl& header) : header_(header) {}
  ~THeaderSections() override;

  THeaderSection* Items(int index) const;
  THeaderSection* operator[](int index) const { return Items(index); }
  int IndexOfSection(const THeaderSection* section) const;

  String Get(int index) const override;
  int GetCount() const override { return static_cast<int>(sections_.size()); }
  void Put(int index, const String& s) override;
  void Insert(int index, const String& s) override;
  void Delete(int index) override;
  void Clear() override;

 private:
  THeaderControl& header_;
  std::vector<std::unique_ptr<THeaderSection>> sections_;
};

using TSectionNotifyEvent = std::function<void(THeaderControl*, THeaderSection*)>;

class THeaderControl : public TWinControl {
  TAPVANE_CLASS(THeaderControl)
 public:
  explicit THeaderControl(TComponent* owner);
  ~THeaderControl() override;

  THeaderSections* Sections() const { return sections_.get(); }
  // Every section's width, comma separated, so that a layout keeps them
  // beside the section texts.
  String SectionWidths() const;
  void SetSectionWidths(const String& value);

  // Once for every width the user (or another window) gives a section.
  TSectionNotifyEvent OnSectionResize;
  void WndProc(TMessage& message) override;

  // The window shows the sections as they are now.
  void UpdateSections();
  void UpdateSection(int index);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;

 private:
  void SectionChangedInWindow(int index);

  std::unique_ptr<THeaderSections> sections_;
  bool updating_ = false;
};

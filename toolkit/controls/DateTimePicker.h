// A date or time field over the system's SysDateTimePick32 window. Date and
// Time read as "YYYY-MM-DD" and "HH:MM:SS", so that layouts and code that
// reach properties by name store and compare plain text.
#pragma once

#include <windows.h>

#include "toolkit/controls/WinControl.h"

enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateFormat { dfShort, dfLong };

class TDateTimePicker : public TWinControl {
  TAPVANE_CLASS(TDateTimePicker)
 public:
  explicit TDateTimePicker(TComponent* owner);

  // The moment shown; the window's own when it exists, since the user
  // changes it there.
  SYSTEMTIME DateTime() const;
  void SetDateTime(const SYSTEMTIME& value);

  String Date() const;
  void SetDate(const String& value);  // EConvertError unless a real "YYYY-MM-DD"
  String Time() const;
  void SetTime(const String& value);  // EConvertError unless a real "HH:MM:SS"
  TDateTimeKind Kind() const { return kind_; }
  void SetKind(TDateTimeKind value);
  TDTDateFormat DateFormat() const { return dateFormat_; }
  void SetDateFormat(TDTDateFormat value);
  bool ShowCheckbox() const { return showCheckbox_; }
  void SetShowCheckbox(bool value);
  bool Checked() const;
  void SetChecked(bool value);

  TNotifyEvent OnChange;
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void DestroyWnd() override;

 private:
  void PushToWindow();

  SYSTEMTIME moment_{};
  TDateTimeKind kind_ = dtkDate;
  TDTDateFormat dateFormat_ = dfShort;
  bool showCheckbox_ = false;
  bool checked_ = true;
};

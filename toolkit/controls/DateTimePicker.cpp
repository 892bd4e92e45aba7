#include "toolkit/controls/DateTimePicker.h"

#include <commctrl.h>

#include <cstdio>

#include "toolkit/controls/Messages.h"

namespace {

const TEnumInfo& KindInfo() {
  static const TEnumInfo info{"TDateTimeKind", {"dtkDate", "dtkTime"}};
  return info;
}

const TEnumInfo& DateFormatInfo() {
  static const TEnumInfo info{"TDTDateFormat", {"dfShort", "dfLong"}};
  return info;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// Exactly three numbers joined by one separator, nothing before or after.
bool ReadThree(const String& text, char separator, int& a, int& b, int& c) {
  const String format = String("%d") + separator + "%d" + separator + "%d%n";
  int used = 0;
  return std::sscanf(text.c_str(), format.c_str(), &a, &b, &c, &used) == 3 &&
         static_cast<size_t>(used) == text.size() && !text.empty() && text[0] >= '0' &&
         text[0] <= '9';
}

String Format3(const char* format, int a, int b, int c) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, format, a, b, c);
  return buffer;
}

}  // namespace

const TClassInfo& TDateTimePicker::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TDateTimePicker>("TDateTimePicker", &TWinControl::StaticClass())
          .Str("Date", &TDateTimePicker::Date, &TDateTimePicker::SetDate)
          .Str("Time", &TDateTimePicker::Time, &TDateTimePicker::SetTime)
          .Enum("Kind", KindInfo(), &TDateTimePicker::Kind, &TDateTimePicker::SetKind)
          .Enum("DateFormat", DateFormatInfo(), &TDateTimePicker::DateFormat,
                &TDateTimePicker::SetDateFormat)
          .Bool("ShowCheckbox", &TDateTimePicker::ShowCheckbox, &TDateTimePicker::SetShowCheckbox)
          .Bool("Checked", &TDateTimePicker::Checked, &TDateTimePicker::SetChecked)
          .Event("OnChange", &TDateTimePicker::OnChange)
          .Build();
  return info;
}

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 186, 21);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
  GetLocalTime(&moment_);
  moment_.wMilliseconds = 0;
}

void TDateTimePicker::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClass = DATETIMEPICK_CLASSW;
  // Sunken like an edit: a date field sits among edits and looks like one.
  params.ExStyle |= WS_EX_CLIENTEDGE;
  if (kind_ == dtkTime)
    params.Style |= DTS_TIMEFORMAT;
  else if (dateFormat_ == dfLong)
    params.Style |= DTS_LONGDATEFORMAT;
  else
    params.Style |= DTS_SHORTDATEFORMAT;
  if (showCheckbox_) params.Style |= DTS_SHOWNONE;
}

void TDateTimePicker::CreateHandleDone() { PushToWindow(); }

void TDateTimePicker::DestroyWnd() {
  if (HandleAllocated()) {
    moment_ = DateTime();
    checked_ = Checked();
  }
  TWinControl::DestroyWnd();
}

void TDateTimePicker::PushToWindow() {
  if (!HandleAllocated()) return;
  SendMessageW(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&moment_));
  // Windows ignores the moment with GDT_NONE, Wine refuses the message without one.
  if (showCheckbox_ && !checked_)
    SendMessageW(Handle(), DTM_SETSYSTEMTIME, GDT_NONE, reinterpret_cast<LPARAM>(&moment_));
}

SYSTEMTIME TDateTimePicker::DateTime() const {
  if (!HandleAllocated()) return moment_;
  SYSTEMTIME shown{};
  // An unchecked field holds no moment: the last one it had stands.
  const LRESULT result = SendMessageW(const_cast<TDateTimePicker*>(this)->Handle(),
                                      DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown));
  return result == GDT_VALID ? shown : moment_;
}

void TDateTimePicker::SetDateTime(const SYSTEMTIME& value) {
  moment_ = value;
  moment_.wMilliseconds = 0;
  PushToWindow();
}

String TDateTimePicker::Date() const {
  const SYSTEMTIME t = DateTime();
  return Format3("%04d-%02d-%02d", t.wYear, t.wMonth, t.wDay);
}

void TDateTimePicker::SetDate(const String& value) {
  int year = 0, month = 0, day = 0;
  // The system's calendar starts in 1601; the field cannot show earlier days.
  if (!ReadThree(value, '-', year, month, day) || year < 1601 || year > 9999 || month < 1 ||
      month > 12 || day < 1 || day > DaysInMonth(year, month))
    throw EConvertError("'" + value + "' is not a valid date");
  SYSTEMTIME t = DateTime();
  t.wYear = static_cast<WORD>(year);
  t.wMonth = static_cast<WORD>(month);
  t.wDay = static_cast<WORD>(day);
  t.wDayOfWeek = 0;  // the window works it out
  SetDateTime(t);
}

String TDateTimePicker::Time() const {
  const SYSTEMTIME t = DateTime();
  return Format3("%02d:%02d:%02d", t.wHour, t.wMinute, t.wSecond);
}

void TDateTimePicker::SetTime(const String& value) {
  int hour = 0, minute = 0, second = 0;
  if (!ReadThree(value, ':', hour, minute, second) || hour < 0 || hour > 23 || minute < 0 ||
      minute > 59 || second < 0 || second > 59)
    throw EConvertError("'" + value + "' is not a valid time");
  SYSTEMTIME t = DateTime();
  t.wHour = static_cast<WORD>(hour);
  t.wMinute = static_cast<WORD>(minute);
  t.wSecond = static_cast<WORD>(second);
  SetDateTime(t);
}

void TDateTimePicker::SetKind(TDateTimeKind value) {
  if (value == kind_) return;
  kind_ = value;
  RecreateWnd();
}

void TDateTimePicker::SetDateFormat(TDTDateFormat value) {
  if (value == dateFormat_) return;
  dateFormat_ = value;
  RecreateWnd();
}

void TDateTimePicker::SetShowCheckbox(bool value) {
  if (value == showCheckbox_) return;
  showCheckbox_ = value;
  RecreateWnd();
}

bool TDateTimePicker::Checked() const {
  if (!HandleAllocated() || !showCheckbox_) return checked_;
  SYSTEMTIME shown{};
  return SendMessageW(const_cast<TDateTimePicker*>(this)->Handle(), DTM_GETSYSTEMTIME, 0,
                      reinterpret_cast<LPARAM>(&shown)) == GDT_VALID;
}

void TDateTimePicker::SetChecked(bool value) {
  if (HandleAllocated()) moment_ = DateTime();
  checked_ = value;
  PushToWindow();
}

void TDateTimePicker::WndProc(TMessage& message) {
  if (message.Msg == CN_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
    if (header->code == DTN_DATETIMECHANGE) {
      if (OnChange && !ComponentState().Contains(csLoading)) OnChange(this);
      return;
    }
  }
  TWinControl::WndProc(message);
}

#include "toolkit/controls/Application.h"
#include "toolkit/controls/BitBtn.h"
#include "toolkit/controls/Buttons.h"
#include "toolkit/controls/Containers.h"
#include "toolkit/controls/DateTimePicker.h"
#include "toolkit/controls/Edit.h"
#include "toolkit/controls/Forms.h"
#include "toolkit/controls/HeaderControl.h"
#include "toolkit/controls/Image.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/ListControls.h"
#include "toolkit/controls/ListView.h"
#include "toolkit/controls/MediaPlayer.h"
#include "toolkit/controls/Memo.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/controls/PageControl.h"
#include "toolkit/controls/ProgressBar.h"
#include "toolkit/controls/ScrollBar.h"
#include "toolkit/controls/ScrollBox.h"
#include "toolkit/controls/SpeedButton.h"
#include "toolkit/controls/StatusBar.h"
#include "toolkit/controls/TabControl.h"
#include "toolkit/controls/TabSet.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/controls/TrackBar.h"
#include "toolkit/controls/UpDown.h"
#include "toolkit/graphics/ImageList.h"

void RegisterToolkitClasses() {
  RegisterClasses(
      {&TForm::StaticClass(),          &TLabel::StaticClass(),     &TEdit::StaticClass(),
       &TButton::StaticClass(),        &TCheckBox::StaticClass(),  &TRadioButton::StaticClass(),
       &TListBox::StaticClass(),       &TComboBox::StaticClass(),  &TGroupBox::StaticClass(),
       &TPanel::StaticClass(),         &TImage::StaticClass(),     &TPageControl::StaticClass(),
       &TTabSheet::StaticClass(),      &TStatusBar::StaticClass(), &TTimer::StaticClass(),
       &TProgressBar::StaticClass(),   &TTrackBar::StaticClass(),  &TUpDown::StaticClass(),
       &TScrollBar::StaticClass(),     &TBitBtn::StaticClass(),    &TSpeedButton::StaticClass(),
       &TMainMenu::StaticClass(),      &TPopupMenu::StaticClass(), &TMenuItem::StaticClass(),
       &TImageList::StaticClass(),     &TMemo::StaticClass(),      &TDateTimePicker::StaticClass(),
       &THeaderControl::StaticClass(), &TListView::StaticClass(),  &TTabControl::StaticClass(),
       &TMediaPlayer::StaticClass(),   &TTabSet::StaticClass(),    &TScrollBox::StaticClass()});
}

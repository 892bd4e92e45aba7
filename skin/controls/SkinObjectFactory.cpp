#include "skin/controls/SkinObjectFactory.h"

#include "skin/controls/SkinAdvPage.h"
#include "skin/controls/SkinBitButton.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadio.h"
#include "skin/controls/SkinComBox.h"
#include "skin/controls/SkinDateTime.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinGroupBox.h"
#include "skin/controls/SkinHeader.h"
#include "skin/controls/SkinListView.h"
#include "skin/controls/SkinMediaPlayer.h"
#include "skin/controls/SkinMenuButton.h"
#include "skin/controls/SkinObjImage.h"
#include "skin/controls/SkinPanels.h"
#include "skin/controls/SkinProgress.h"
#include "skin/controls/SkinScControl.h"
#include "skin/controls/SkinScrollbar.h"
#include "skin/controls/SkinSpeedButton.h"
#include "skin/controls/SkinStatusBar.h"
#include "skin/controls/SkinTab.h"
#include "skin/controls/SkinTab31.h"
#include "skin/controls/SkinTabPages.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/controls/SkinUpDown.h"

const char* SkinClassName(TSkinClass cls) {
  switch (cls) {
    case TSkinClass::AdvPage:
      return "TSkinAdvPage";
    case TSkinClass::BitButton:
      return "TSkinBitButton";
    case TSkinClass::Box:
      return "TSkinBox";
    case TSkinClass::BoxH:
      return "TSkinBoxH";
    case TSkinClass::Button:
      return "TSkinButton";
    case TSkinClass::CheckBox:
      return "TSkinCheckBox";
    case TSkinClass::ComBox:
      return "TSkinComBox";
    case TSkinClass::DateTime:
      return "TSkinDateTime";
    case TSkinClass::Edit:
      return "TSkinEdit";
    case TSkinClass::GroupBox:
      return "TSkinGroupBox";
    case TSkinClass::Header:
      return "TSkinHeader";
    case TSkinClass::ListView:
      return "TSkinListView";
    case TSkinClass::MediaPlayer:
      return "TSkinMP";
    case TSkinClass::MenuButton:
      return "TSkinMenuButton";
    case TSkinClass::ObjImage:
      return "TSkinObjImage";
    case TSkinClass::Progress:
      return "TSkinProgress";
    case TSkinClass::RadioButton:
      return "TSkinRadioButton";
    case TSkinClass::ScControl:
      return "TSkinScControl";
    case TSkinClass::Scrollbar:
      return "TSkinScrollbar";
    case TSkinClass::ScrollbarH:
      return "TSkinScrollbarH";
    case TSkinClass::Sizer:
      return "TSkinSizer";
    case TSkinClass::SpeedButton:
      return "TSkinSpeedButton";
    case TSkinClass::StatusBar:
      return "TSkinStatusBar";
    case TSkinClass::Tab:
      return "TSkinTab";
    case TSkinClass::Tab31:
      return "TSkinTab31";
    case TSkinClass::TabBtn:
      return "TSkinTabBtn";
    case TSkinClass::TabSheet:
      return "TSkinTabSheet";
    case TSkinClass::TrackBar:
      return "TSkinTrackBar";
    case TSkinClass::UpDown:
      return "TSkinUpDown";
  }
  return "?";
}

TSkinControl* CreateSkinObject(const TSkinChoice& choice) {
  TSkinControl* object = nullptr;
  switch (choice.Class) {
    case TSkinClass::Button:
      object = new TSkinButton(choice.Control);
      break;
    case TSkinClass::CheckBox:
      object = new TSkinCheckBox(choice.Control);
      break;
    case TSkinClass::RadioButton:
      object = new TSkinRadioButton(choice.Control);
      break;
    case TSkinClass::Tab:
      object = new TSkinTab(choice.Control);
      break;
    case TSkinClass::TabBtn:
      object = new TSkinTabBtn(choice.Control);
      break;
    case TSkinClass::TabSheet:
      object = new TSkinTabSheet(choice.Control);
      break;
    case TSkinClass::Tab31:
      object = new TSkinTab31(choice.Control);
      break;
    case TSkinClass::AdvPage:
      object = new TSkinAdvPage(choice.Control);
      break;
    case TSkinClass::Edit:
      object = new TSkinEdit(choice.Control);
      break;
    case TSkinClass::GroupBox:
      object = new TSkinGroupBox(choice.Control);
      break;
    case TSkinClass::Box:
      object = new TSkinBox(choice.Control);
      break;
    case TSkinClass::BoxH:
      object = new TSkinBoxH(choice.Control);
      break;
    case TSkinClass::StatusBar:
      object = new TSkinStatusBar(choice.Control);
      break;
    case TSkinClass::Sizer:
      object = new TSkinSizer(choice.Control);
      break;
    case TSkinClass::Scrollbar:
      object = new TSkinScrollbar(choice.Control);
      break;
    case TSkinClass::ScrollbarH:
      object = new TSkinScrollbarH(choice.Control);
      break;
    case TSkinClass::ListView:
      object = new TSkinListView(choice.Control);
      break;
    case TSkinClass::Header:
      object = new TSkinHeader(choice.Control);
      break;
    case TSkinClass::Progress:
      object = new TSkinProgress(choice.Control);
      break;
    case TSkinClass::UpDown: {
      auto* arrows = new TSkinUpDown(choice.Control);
      arrows->EmbeddedInEdit = choice.EmbeddedInEdit;
      arrows->TabSetScroller = choice.TabSetScroller;
      object = arrows;
      break;
    }
    case TSkinClass::ComBox: {
      auto* combo = new TSkinComBox(choice.Control);
      combo->Extended = choice.Extended;
      object = combo;
      break;
    }
    case TSkinClass::TrackBar:
      object = new TSkinTrackBar(choice.Control);
      break;
    case TSkinClass::BitButton: {
      auto* button = new TSkinBitButton(choice.Control);
      button->GlyphProperty = choice.GlyphProperty;
      object = button;
      break;
    }
    case TSkinClass::SpeedButton: {
      if (!choice.Control) return nullptr;  // windowless: only toolkit controls
      auto* button = new TSkinSpeedButton(choice.Control);
      button->GlyphProperty = choice.GlyphProperty;
      object = button;
      break;
    }
    case TSkinClass::MenuButton:
      object = new TSkinMenuButton(choice.Control);
      break;
    case TSkinClass::ScControl:
      object = new TSkinScControl(choice.Control);
      break;
    case TSkinClass::DateTime:
      if (!choice.Control) return nullptr;  // its arrow is a toolkit panel
      object = new TSkinDateTime(choice.Control);
      break;
    case TSkinClass::MediaPlayer:
      if (!choice.Control) return nullptr;  // its button panel reads the player's properties
      object = new TSkinMP(choice.Control);
      break;
    case TSkinClass::ObjImage: {
      if (!choice.Control) return nullptr;  // it hands glyphs to toolkit controls only
      auto* images = new TSkinObjImage(choice.Control);
      images->Variant = choice.Variant;
      object = images;
      break;
    }
    default:
      return nullptr;  // not built yet: the control keeps its own look
  }
  object->Mode = choice.Mode;
  return object;
}

TSkinObjectFactory& SkinObjectFactory() {
  static TSkinObjectFactory factory = &CreateSkinObject;
  return factory;
}

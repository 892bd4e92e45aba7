// Everything a skin description turns into: the element records, colours
// and the face brush. Records that the skin does not give are null, except
// the borders, caption text, push buttons, Track, TRACKVERT, ComboxArrow and
// Toolbar, which are always present once a skin has been read.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/data/SkinColourTable.h"
#include "skin/data/SkinRecords.h"
#include "toolkit/graphics/ScopedHandles.h"

struct TSkinElements {
  TSkinElements();
  ~TSkinElements();
  TSkinElements(const TSkinElements&) = delete;
  TSkinElements& operator=(const TSkinElements&) = delete;

  // Created once and refilled by every skin.
  std::unique_ptr<TDataSkinBorder> Left, Right, Top, Bottom;
  std::unique_ptr<TDataSkinTitle> Title;
  std::unique_ptr<TDataSkinButton> Buttons;

  // The BUTTON... sections in order, then the three MDI buttons (Action 7,
  // 8 and 9).
  std::vector<std::unique_ptr<TDataSkinSysButton>> CaptionButtons;

  std::unique_ptr<TDataSkinBorder> Progress;
  std::unique_ptr<TDataSkinObject> ProgressChunk;
  std::unique_ptr<TDataSkinObject> MenuBar;
  std::unique_ptr<TDataSkinObject> GroupBoxEdge;
  std::unique_ptr<TDataSkinBoxLabel> GroupBox;
  std::unique_ptr<TDataSkinBorder> Tabs;
  std::unique_ptr<TDataSkinObject> StatusBarEdges;
  std::unique_ptr<TDataSkinObject> TabPane;
  std::unique_ptr<TDataSkinObject> ToolBars;
  std::unique_ptr<TDataSkinBorder> ComboButton;
  std::unique_ptr<TDataSkinObject> SunkEdge;
  std::unique_ptr<TDataSkinObject> ExtraImages;
  std::unique_ptr<TDataSkinObject> Headerbar;
  std::unique_ptr<TDataSkinObject> MenuItem;
  std::unique_ptr<TDataSkinObject> MenuBackground;
  std::unique_ptr<TDataSkinObject> Scrollbar;
  std::unique_ptr<TDataSkinObject> HorzScroll, VertScroll;
  std::unique_ptr<TDataSkinObject> HorzScrollThumb, VertScrollThumb;
  std::unique_ptr<TDataSkinObject> ThumbHorz, ThumbVert, ThumbLeft, ThumbRight, ThumbUp,
      ThumbDown;  // the six Trackbar thumbs
  std::unique_ptr<TDataSkinBorder> UpDownHorz, UpDownVert;
  std::unique_ptr<TDataSkinObject> Track, TrackVert;

  // Derived from the records above at the end of every read.
  std::unique_ptr<TDataSkinObject> ComboxArrow;
  std::unique_ptr<TDataSkinObject> Toolbar;

  // "Section: file.bmp" for every image file of the package that no bitmap
  // reader understands; those elements are left without an image.
  std::vector<std::string> UnreadableImages;

  TSkinColourTable Colours;
  TBrushHandle FaceBrush;  // solid brush of the ButtonFace colour

  TColor Colour(TSkinColourSlot slot) const { return Colours.Colours[slot]; }
  bool ColourGiven(TSkinColourSlot slot) const { return Colours.Given[slot]; }
};

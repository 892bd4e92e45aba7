// How far a skin's numbers may reach. A description and its images come from
// outside; whatever they say, a frame, a caption strip or a shift never
// grows past what the screen or the window can show. Portable: the rules are
// the same whatever draws them.
#pragma once

// The frame count a border image is drawn with: below 1, or so many that a
// frame would hold no pixel, it counts as 1, so a frame is never empty.
int BorderFrameCount(int imageLength, int frames);

// One side of a skinned frame: the image's length divided by its frame
// count (BorderFrameCount), at most an eighth of the screen along that
// side, never negative.
int FrameThickness(int imageLength, int frames, int screenLength);

// value brought into [low, high]; an empty range (high < low) gives low.
int ClampToRange(int value, int low, int high);

// The caption text values of a skin fitted to a caption band: the shifts
// and the strip's two ends stay within the band's width, the vertical shift
// within its height either way.
struct TCaptionShifts {
  int Left = 0;        // text shift from the left
  int Right = 0;       // right clip
  int Vertical = 0;    // vertical shift
  int StripLeft = 0;   // the text strip's left piece
  int StripRight = 0;  // its right piece
};
TCaptionShifts FitCaptionShifts(const TCaptionShifts& skin, int captionWidth, int captionHeight);

// The width a dialog grows to so that its caption fits: the text and both
// shifts, but never past the screen's width, and never narrower than it is.
int CaptionFitWidth(int width, int leftShift, int textWidth, int rightShift, int screenWidth);

// The horizontal offset of a caption button inside a window of the given
// width: one that is aligned to the left edge (fromRight false) or measured
// from the right edge, kept so that the button of that width stays inside.
int CaptionButtonOffset(int offset, int buttonWidth, int windowWidth, bool fromRight);

// Where a window starting at start along one screen side goes when the skin's
// frame grows it from oldLength to newLength: moved back so that its far edge
// stays on the screen, when the growth alone took that edge past it, never
// before the screen's start. A window that was already past the edge, or
// still fits, stays where it is.
int GrownWindowStart(int start, int oldLength, int newLength, int screenLength);

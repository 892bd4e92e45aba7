// One paint of a control through its canvas: the canvas is bound to the DC
// with the control's font and colour, and unbound however the paint ends.
#pragma once

#include <windows.h>

#include "toolkit/graphics/Canvas.h"

// Any control: its Font() and Color() are read (a template, so that this
// needs no control header).
template <typename Control, typename PaintFunction>
void PaintThroughCanvas(TCanvas& canvas, HDC dc, const Control& control, PaintFunction paint) {
  struct Binding {
    TCanvas& canvas;
    ~Binding() { canvas.SetHandle(nullptr); }
  } binding{canvas};
  canvas.SetHandle(dc);
  canvas.Font().Assign(control.Font());
  canvas.Brush().SetColor(control.Color());
  paint();
}

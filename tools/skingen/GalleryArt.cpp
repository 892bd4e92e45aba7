#include "tools/skingen/GalleryArt.h"

#include "tools/skingen/Draw.h"

namespace skingen {

namespace {

constexpr int kCell = 16;

Image OnMagenta(const Layer& layer) {
  Image image(layer.Width(), layer.Height());
  // Only well-covered pixels are kept: the edge stays crisp against whatever
  // face the button has, since magenta is cut out whole.
  image.Flatten(layer, 0, 0, Rgb{255, 255, 255}, 0.5);
  return image;
}

}  // namespace

Bytes GalleryCheckGlyph() {
  Layer layer(kCell, kCell);
  layer.Fill(Whole(layer), Polyline({{3, 8.5}, {6.5, 12}, {13, 4}}, 1.4), Rgb{0, 140, 60});
  return EncodeBmp24(OnMagenta(layer));
}

Bytes GalleryStateGlyphs() {
  const Rgb colours[] = {{40, 110, 220}, {150, 150, 150}, {20, 50, 130}, {0, 150, 80}};
  std::vector<Image> cells;
  for (int cell = 0; cell < 4; ++cell) {
    Layer layer(kCell, kCell);
    layer.Fill(Whole(layer), Circle(8, 8, 7), colours[cell]);
    // One to four white dots in a row: the cell's number.
    const double first = 8 - 1.5 * cell;
    for (int dot = 0; dot <= cell; ++dot)
      layer.Fill(Whole(layer), Circle(first + 3 * dot, 8, 1.1), Rgb{255, 255, 255});
    cells.push_back(OnMagenta(layer));
  }
  return EncodeBmp24(JoinHorizontal(cells));
}

}  // namespace skingen

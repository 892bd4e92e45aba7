#include "skin/data/SkinRecords.h"

#include "toolkit/graphics/Graphics.h"

TDataSkinObject::TDataSkinObject(String name)
    : Image(std::make_unique<TBitmap>()), Name(std::move(name)) {}
TDataSkinObject::~TDataSkinObject() = default;

TDataSkinBorder::TDataSkinBorder(String name)
    : TDataSkinObject(std::move(name)), Image2(std::make_unique<TBitmap>()) {}
TDataSkinBorder::~TDataSkinBorder() = default;

TDataSkinButton::TDataSkinButton(String name)
    : TDataSkinObject(std::move(name)),
      CheckImage(std::make_unique<TBitmap>()),
      RadioImage(std::make_unique<TBitmap>()) {}
TDataSkinButton::~TDataSkinButton() = default;

// Turns a loaded skin description into element records, colours and the
// face brush. The package's files are reached through an entry source so
// that the reading works the same for a package and for a test's files.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "skin/data/SkinDescriptionCheck.h"
#include "skin/data/SkinElements.h"

class TBitmap;
class TQuickIni;

// Fills bytes with the package file of that name (any letter case); leaves
// it empty when there is none.
using TSkinEntrySource =
    std::function<void(std::string_view name, std::vector<std::uint8_t>& bytes)>;


// The bitmap an image key names, or an empty one: only the file-name part
// counts, only names ending in ".bmp" load, and a missing, empty or broken
// file gives an empty bitmap; unreadable, when given, says whether the file
// was there with bytes that no bitmap reader understands (or more pixels
// than pixelsLeft, when given, which a loaded image uses up).
std::unique_ptr<TBitmap> LoadSkinBitmap(std::string_view value, const TSkinEntrySource& entries,
                                        bool* unreadable = nullptr,
                                        std::int64_t* pixelsLeft = nullptr);

// Reads every section the skin engine knows, in an order where later steps
// use earlier results, and ends with the derived images and the face brush.
// Built-in bitmaps (TRACK, TRACKVERT) come from the resources of module.
void ReadSkinDescription(const TQuickIni& ini, const TSkinEntrySource& entries, TSkinElements& skin,
                         HINSTANCE module);

// The part of ReadSkinDescription before the derived images: every record,
// colour and frame count the description gives.
void ReadSkinRecords(const TQuickIni& ini, const TSkinEntrySource& entries, TSkinElements& skin,
                     HINSTANCE module);

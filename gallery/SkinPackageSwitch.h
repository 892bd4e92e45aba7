// Switching the gallery to another skin package without losing the one it
// wears when the new one turns out to be unreadable.
#pragma once

#include "toolkit/core/Strings.h"

class TSkinData;

// Reads the package at path with a scratch reader first; only a package it
// accepts, whose description can skin, is handed to skinData, which then
// re-skins every window. A refused package is reported in a message box
// (the reader's own text when it has one, else what is wrong) and skinData
// keeps its current package. True when switched.
bool SwitchSkinPackage(TSkinData& skinData, const String& path);

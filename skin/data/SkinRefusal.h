// A package the reader refuses is the one thing the skin engine tells the
// user about.
#pragma once

#include <string>

// Shows the reader's text in a message box titled with the application's title.
void ShowSkinRefusal(const std::string& message);

// Desktop shortcuts written at each start of a run. Paths and texts are ANSI,
// as the shell link interface used here takes them.
#pragma once

#include <functional>
#include <string>

namespace app {

// The per-user shell folder of that name followed by "\"; "" when the shell
// folders key cannot be opened, "\" alone when the value is missing.
std::string GetShellFolderPath(const std::string& valueName);

// Writes linkFile as a shortcut to target. False when the shell link object
// or its persist interface cannot be had; a failing save is not detected.
bool CreateShortcut(const std::string& target, const std::string& linkFile,
                    const std::string& description);

// Desktop shortcut to this program's own executable, "Tapvane.lnk".
void CreateProgramShortcut();

// Desktop shortcut to the maker's site, "Zelquin.lnk"; a failure is told to
// the user through showMessage.
void CreateSiteShortcut(const std::function<void(const std::string&)>& showMessage);

}  // namespace app

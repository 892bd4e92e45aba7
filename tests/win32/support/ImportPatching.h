// Redirecting a module's calls into a system DLL by rewriting its import
// address table: the loader stored the function's address there, we store
// our hook's instead.
#pragma once

#include <windows.h>

#include <cstddef>

namespace wintest {

struct ImportHook {
  const wchar_t* module;  // the DLL exporting the function
  const char* name;
  void* hook;
  void** real;  // set to the function's own address
};

// Resolves every hook's real address, then patches the matching entries of
// every module loaded except the exporting DLLs. Returns how many entries
// changed in this call; entries already patched are left alone.
int PatchLoadedModules(ImportHook* hooks, std::size_t count);

}  // namespace wintest

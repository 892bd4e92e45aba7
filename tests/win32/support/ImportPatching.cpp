#include "tests/win32/support/ImportPatching.h"

#include <tlhelp32.h>

#include <vector>

namespace wintest {
namespace {

bool IsExportingModule(HMODULE module, const ImportHook* hooks, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    if (GetModuleHandleW(hooks[i].module) == module) return true;
  }
  return false;
}

void* HookFor(ULONG_PTR address, const ImportHook* hooks, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    if (*hooks[i].real && reinterpret_cast<ULONG_PTR>(*hooks[i].real) == address)
      return hooks[i].hook;
  }
  return nullptr;
}

int PatchModule(HMODULE module, const ImportHook* hooks, std::size_t count) {
  auto* base = reinterpret_cast<BYTE*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  if (dos->e_magic != IMAGE_DOS_SIGNATURE) return 0;
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  if (nt->Signature != IMAGE_NT_SIGNATURE ||
      nt->OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR_MAGIC)
    return 0;
  const IMAGE_DATA_DIRECTORY& directory =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (directory.VirtualAddress == 0 || directory.Size == 0) return 0;
  int patched = 0;
  for (auto* descriptor =
           reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
       descriptor->Name != 0; ++descriptor) {
    for (auto* thunk = reinterpret_cast<IMAGE_THUNK_DATA*>(base + descriptor->FirstThunk);
         thunk->u1.Function != 0; ++thunk) {
      void* hook = HookFor(thunk->u1.Function, hooks, count);
      if (!hook) continue;
      DWORD old = 0;
      if (!VirtualProtect(&thunk->u1.Function, sizeof thunk->u1.Function, PAGE_READWRITE, &old))
        continue;
      thunk->u1.Function = reinterpret_cast<ULONG_PTR>(hook);
      VirtualProtect(&thunk->u1.Function, sizeof thunk->u1.Function, old, &old);
      ++patched;
    }
  }
  return patched;
}

std::vector<HMODULE> LoadedModules() {
  std::vector<HMODULE> modules;
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, GetCurrentProcessId());
  if (snapshot == INVALID_HANDLE_VALUE) return {GetModuleHandleW(nullptr)};
  MODULEENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Module32FirstW(snapshot, &entry); more; more = Module32NextW(snapshot, &entry))
    modules.push_back(entry.hModule);
  CloseHandle(snapshot);
  return modules;
}

}  // namespace

int PatchLoadedModules(ImportHook* hooks, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    if (*hooks[i].real) continue;
    const HMODULE exporter = LoadLibraryW(hooks[i].module);
    *hooks[i].real =
        exporter ? reinterpret_cast<void*>(GetProcAddress(exporter, hooks[i].name)) : nullptr;
  }
  int patched = 0;
  for (const HMODULE module : LoadedModules()) {
    if (!IsExportingModule(module, hooks, count)) patched += PatchModule(module, hooks, count);
  }
  return patched;
}

}  // namespace wintest

#include "RemoteMemory.h"

namespace e2e {

TRemoteMemory::TRemoteMemory(HWND window, std::size_t size) {
  DWORD id = 0;
  GetWindowThreadProcessId(window, &id);
  process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
  if (!process_) return;
  address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

TRemoteMemory::~TRemoteMemory() {
  if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  if (process_) CloseHandle(process_);
}

bool TRemoteMemory::Write(const void* data, std::size_t size) const {
  SIZE_T written = 0;
  return WriteProcessMemory(process_, address_, data, size, &written) && written == size;
}

bool TRemoteMemory::Read(void* data, std::size_t size) const {
  SIZE_T read = 0;
  return ReadProcessMemory(process_, address_, data, size, &read) && read == size;
}

}  // namespace e2e

// Messages whose lParam points at a structure the control fills (a thumb
// or item rectangle) cannot be sent to another process's window with a
// local pointer: the structure lives in a block of the other process's
// memory, read back afterwards.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>

namespace e2e {

class TRemoteMemory {
 public:
  // A block in the process that owns window; empty when it cannot be had.
  TRemoteMemory(HWND window, std::size_t size);
  ~TRemoteMemory();
  TRemoteMemory(const TRemoteMemory&) = delete;
  TRemoteMemory& operator=(const TRemoteMemory&) = delete;

  explicit operator bool() const { return address_ != nullptr; }
  LPARAM Address() const { return reinterpret_cast<LPARAM>(address_); }
  bool Write(const void* data, std::size_t size) const;
  bool Read(void* data, std::size_t size) const;

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
};

// Sends message with lParam pointing at a copy of value in window's
// process and returns what the control left there; nothing if the message
// could not be sent. The message's own answer is not judged here: some
// answer 0 for success.
template <typename T>
std::optional<T> AskThroughRemote(HWND window, UINT message, WPARAM wParam, T value = T{}) {
  TRemoteMemory block(window, sizeof(T));
  if (!block || !block.Write(&value, sizeof(T))) return std::nullopt;
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(window, message, wParam, block.Address(), SMTO_ABORTIFHUNG, 3000,
                           &answer))
    return std::nullopt;
  if (!block.Read(&value, sizeof(T))) return std::nullopt;
  return value;
}

}  // namespace e2e

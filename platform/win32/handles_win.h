// One owner per Win32 handle kind: each releases its handle exactly once.
#pragma once

#include <windows.h>

#include <utility>

namespace mirelle::win {

template <typename T, auto Close, T Invalid = T{}>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(T handle) : handle_(handle) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Invalid)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, Invalid));
    return *this;
  }
  ~UniqueHandle() { reset(); }

  T get() const { return handle_; }
  explicit operator bool() const { return handle_ != Invalid; }
  void reset(T handle = Invalid) {
    if (handle_ != Invalid) Close(handle_);
    handle_ = handle;
  }
  T release() { return std::exchange(handle_, Invalid); }

 private:
  T handle_ = Invalid;
};

using UniqueIcon = UniqueHandle<HICON, &::DestroyIcon>;
using UniqueBrush = UniqueHandle<HBRUSH, &::DeleteObject>;
using UniqueFont = UniqueHandle<HFONT, &::DeleteObject>;
using UniqueMenu = UniqueHandle<HMENU, &::DestroyMenu>;
using UniqueKey = UniqueHandle<HKEY, &::RegCloseKey>;
using UniqueKernelHandle = UniqueHandle<HANDLE, &::CloseHandle>;
using UniqueGlobal = UniqueHandle<HGLOBAL, &::GlobalFree>;

// Closes the clipboard when it goes out of scope.
class ClipboardOpen {
 public:
  explicit ClipboardOpen(HWND owner) : open_(::OpenClipboard(owner) != FALSE) {}
  ~ClipboardOpen() {
    if (open_) ::CloseClipboard();
  }
  ClipboardOpen(const ClipboardOpen&) = delete;
  ClipboardOpen& operator=(const ClipboardOpen&) = delete;
  explicit operator bool() const { return open_; }

 private:
  bool open_;
};

}  // namespace mirelle::win

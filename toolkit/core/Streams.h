#pragma once
// Byte streams: the abstract TStream, TMemoryStream and TFileStream.

#include <cstdint>
#include <cstdio>
#include <span>
#include <vector>

#include "toolkit/core/Object.h"

class TComponent;

class EStreamError : public Exception {
  using Exception::Exception;
};
class EFilerError : public EStreamError {
  using EStreamError::EStreamError;
};
class EReadError : public EFilerError {
  using EFilerError::EFilerError;
};
class EWriteError : public EFilerError {
  using EFilerError::EFilerError;
};
class EClassNotFound : public EFilerError {
  using EFilerError::EFilerError;
};
class EFOpenError : public EStreamError {
  using EStreamError::EStreamError;
};
class EFCreateError : public EStreamError {
  using EStreamError::EStreamError;
};

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
 public:
  // Return the number of bytes moved (0 at the end, never negative).
  virtual int64_t Read(void* Buffer, int64_t Count) = 0;
  virtual int64_t Write(const void* Buffer, int64_t Count) = 0;
  // Returns the new position.
  virtual int64_t Seek(int64_t Offset, TSeekOrigin Origin) = 0;

  int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(int64_t position) { Seek(position, soBeginning); }
  virtual int64_t Size();
  virtual void SetSize(int64_t size);
  // Bytes between the position and the end.
  int64_t Remaining() { return Size() - Position(); }

  // Throw EReadError "Stream read error" / EWriteError "Stream write error"
  // when fewer bytes than asked could be moved.
  void ReadBuffer(void* Buffer, int64_t Count);
  void WriteBuffer(const void* Buffer, int64_t Count);
  // Count 0 copies the whole source from its beginning.
  int64_t CopyFrom(TStream& Source, int64_t Count);

  // A layout (see toolkit/core/Filer.h) read into or written from Instance.
  void ReadComponent(TComponent* Instance);
  void WriteComponent(TComponent* Instance);
};

class TMemoryStream : public TStream {
 public:
  int64_t Read(void* Buffer, int64_t Count) override;
  int64_t Write(const void* Buffer, int64_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  int64_t Size() override { return static_cast<int64_t>(data_.size()); }
  void SetSize(int64_t size) override;  // keeps the position unless past the end

  void* Memory() { return data_.data(); }
  const void* Memory() const { return data_.data(); }
  std::span<const uint8_t> Bytes() const { return data_; }
  void Clear();

  // The whole source from its beginning replaces the contents; position 0.
  void LoadFromStream(TStream& Source);
  void SaveToStream(TStream& Dest) const;
  // Paths are UTF-8. Throw EFOpenError / EFCreateError.
  void LoadFromFile(const String& fileName);
  void SaveToFile(const String& fileName) const;

 private:
  std::vector<uint8_t> data_;
  int64_t position_ = 0;
};

enum TFileMode { fmOpenRead, fmCreate };

class TFileStream : public TStream {
 public:
  TFileStream(const String& fileName, TFileMode mode);  // UTF-8 path
  ~TFileStream() override;
  int64_t Read(void* Buffer, int64_t Count) override;
  int64_t Write(const void* Buffer, int64_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;

 private:
  std::FILE* file_ = nullptr;
};

// fopen with a UTF-8 path on every platform; nullptr on failure.
std::FILE* OpenFileUtf8(const String& fileName, const char* mode);

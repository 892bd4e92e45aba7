#include "toolkit/core/Streams.h"

#include <cstring>
#include <limits>

#ifdef _WIN32
#include <cwchar>
#endif

std::FILE* OpenFileUtf8(const String& fileName, const char* mode) {
#ifdef _WIN32
  const WideString wideName = Utf8ToWide(fileName);
  const WideString wideMode = Utf8ToWide(mode);
  return _wfopen(reinterpret_cast<const wchar_t*>(wideName.c_str()),
                 reinterpret_cast<const wchar_t*>(wideMode.c_str()));
#else
  return std::fopen(fileName.c_str(), mode);
#endif
}

int64_t TStream::Size() {
  const int64_t position = Seek(0, soCurrent);
  const int64_t size = Seek(0, soEnd);
  Seek(position, soBeginning);
  return size;
}

void TStream::SetSize(int64_t /*size*/) { throw EStreamError("Stream cannot change its size"); }

void TStream::ReadBuffer(void* Buffer, int64_t Count) {
  if (Count < 0 || (Count > 0 && Read(Buffer, Count) != Count))
    throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* Buffer, int64_t Count) {
  if (Count < 0 || (Count > 0 && Write(Buffer, Count) != Count))
    throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream& Source, int64_t Count) {
  if (Count == 0) {
    Source.SetPosition(0);
    Count = Source.Size();
  }
  constexpr int64_t chunk = int64_t{64} * 1024;
  std::vector<uint8_t> buffer(static_cast<size_t>(Count < chunk ? (Count > 0 ? Count : 1) : chunk));
  int64_t left = Count;
  while (left > 0) {
    const int64_t n = left < chunk ? left : chunk;
    Source.ReadBuffer(buffer.data(), n);
    WriteBuffer(buffer.data(), n);
    left -= n;
  }
  return Count;
}

int64_t TMemoryStream::Read(void* Buffer, int64_t Count) {
  const int64_t available = Size() - position_;
  if (Count <= 0 || available <= 0) return 0;
  const int64_t n = Count < available ? Count : available;
  std::memcpy(Buffer, data_.data() + position_, static_cast<size_t>(n));
  position_ += n;
  return n;
}

int64_t TMemoryStream::Write(const void* Buffer, int64_t Count) {
  if (Count <= 0) return 0;
  int64_t end = 0;
  if (__builtin_add_overflow(position_, Count, &end) ||
      static_cast<uint64_t>(end) > data_.max_size())
    throw EWriteError("Stream write error");
  if (end > Size()) data_.resize(static_cast<size_t>(end));
  std::memcpy(data_.data() + position_, Buffer, static_cast<size_t>(Count));
  position_ = end;
  return Count;
}

int64_t TMemoryStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  const int64_t base = Origin == soBeginning ? 0 : (Origin == soCurrent ? position_ : Size());
  int64_t target = 0;
  if (__builtin_add_overflow(base, Offset, &target) || target < 0)
    throw EStreamError("Invalid stream position");
  position_ = target;  // past the end is allowed: a write there fills the gap with zeros
  return position_;
}

void TMemoryStream::SetSize(int64_t size) {
  if (size < 0) throw EStreamError("Invalid stream size");
  data_.resize(static_cast<size_t>(size));
  if (position_ > size) position_ = size;
}

void TMemoryStream::Clear() {
  data_.clear();
  data_.shrink_to_fit();
  position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& Source) {
  Source.SetPosition(0);
  const int64_t size = Source.Size();
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  Source.ReadBuffer(bytes.data(), size);
  data_ = std::move(bytes);
  position_ = 0;
}

void TMemoryStream::SaveToStream(TStream& Dest) const {
  Dest.WriteBuffer(data_.data(), static_cast<int64_t>(data_.size()));
}

void TMemoryStream::LoadFromFile(const String& fileName) {
  TFileStream file(fileName, fmOpenRead);
  LoadFromStream(file);
}

void TMemoryStream::SaveToFile(const String& fileName) const {
  TFileStream file(fileName, fmCreate);
  SaveToStream(file);
}

TFileStream::TFileStream(const String& fileName, TFileMode mode) {
  file_ = OpenFileUtf8(fileName, mode == fmCreate ? "wb" : "rb");
  if (!file_) {
    if (mode == fmCreate)
      throw EFCreateError(Format("Cannot create file \"%s\"", fileName.c_str()));
    throw EFOpenError(Format("Cannot open file \"%s\"", fileName.c_str()));
  }
}

TFileStream::~TFileStream() { std::fclose(file_); }

int64_t TFileStream::Read(void* Buffer, int64_t Count) {
  if (Count <= 0) return 0;
  return static_cast<int64_t>(std::fread(Buffer, 1, static_cast<size_t>(Count), file_));
}

int64_t TFileStream::Write(const void* Buffer, int64_t Count) {
  if (Count <= 0) return 0;
  return static_cast<int64_t>(std::fwrite(Buffer, 1, static_cast<size_t>(Count), file_));
}

int64_t TFileStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  const int whence = Origin == soBeginning ? SEEK_SET : (Origin == soCurrent ? SEEK_CUR : SEEK_END);
#ifdef _WIN32
  const bool failed = _fseeki64(file_, Offset, whence) != 0;
  const int64_t position = _ftelli64(file_);
#else
  const bool failed = fseeko(file_, static_cast<off_t>(Offset), whence) != 0;
  const int64_t position = static_cast<int64_t>(ftello(file_));
#endif
  if (failed || position < 0) throw EStreamError("Invalid stream position");
  return position;
}

#include "gdiplus/memory_stream.h"

#include <algorithm>
#include <cstring>

namespace gdiplus {

MemoryStream::~MemoryStream() { Release(); }

IStream* MemoryStream::Create(const ByteBlock& data, std::optional<std::size_t> size) {
    Release();
    std::size_t bytes = size.value_or(data.size());
    hglobal_ = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    if (hglobal_ == nullptr) {
        return nullptr;
    }
    if (FAILED(CreateStreamOnHGlobal(hglobal_, FALSE, &stream_))) {
        GlobalFree(hglobal_);
        hglobal_ = nullptr;
        stream_ = nullptr;
        return nullptr;
    }
    std::size_t copy = std::min(bytes, data.size());
    if (copy > 0) {
        void* locked = GlobalLock(hglobal_);
        if (locked != nullptr) {
            std::memcpy(locked, data.data(), copy);
            GlobalUnlock(hglobal_);
        }
    }
    return stream_;
}

void MemoryStream::Release() {
    if (stream_ == nullptr) {
        return;
    }
    stream_->Release();
    GlobalFree(hglobal_);
    hglobal_ = nullptr;
    stream_ = nullptr;
}

std::size_t MemoryStream::GetSize() const {
    return hglobal_ != nullptr ? GlobalSize(hglobal_) : 0;
}

IStream* MemoryStream::GetStream() const { return stream_; }

HGLOBAL MemoryStream::GetHGlobal() const { return hglobal_; }

bool MemoryStream::Attach(IStream* stream) {
    Release();
    stream_ = stream;
    if (stream == nullptr) {
        return false;
    }
    HGLOBAL block = nullptr;
    if (FAILED(GetHGlobalFromStream(stream, &block))) {
        block = nullptr;
    }
    hglobal_ = block;
    return block != nullptr;
}

ByteBlock MemoryStream::GetBytes() const {
    if (hglobal_ == nullptr) {
        return ByteBlock();
    }
    std::size_t size = GlobalSize(hglobal_);
    // The block may be larger than what was written into it; the stream
    // knows its own length.
    STATSTG stat = {};
    if (stream_ != nullptr && SUCCEEDED(stream_->Stat(&stat, STATFLAG_NONAME))) {
        size = std::min<std::size_t>(size, stat.cbSize.QuadPart);
    }
    ByteBlock bytes(size);
    if (size > 0) {
        const void* locked = GlobalLock(hglobal_);
        if (locked == nullptr) {
            return ByteBlock();
        }
        std::memcpy(bytes.data(), locked, size);
        GlobalUnlock(hglobal_);
    }
    return bytes;
}

}  // namespace gdiplus

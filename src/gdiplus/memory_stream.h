// An IStream over a movable global memory block, for images loaded from and
// saved to memory. GDI+ may read the stream for as long as an image loaded
// from it lives, so the owner releases it only after disposing the image.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <cstddef>
#include <optional>

#include "gdiplus/conversions.h"

namespace gdiplus {

class MemoryStream {
public:
    MemoryStream() = default;
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;
    virtual ~MemoryStream();

    // Releases what was held, then makes a zero-filled block of `size` bytes
    // (the data's length when omitted) holding at most the data's bytes, and a
    // stream over it that does not free the block. Null on failure.
    virtual IStream* Create(const ByteBlock& data, std::optional<std::size_t> size = std::nullopt);
    // Releases the stream and frees the block; nothing when no stream is held.
    virtual void Release();
    virtual std::size_t GetSize() const;
    virtual IStream* GetStream() const;
    virtual HGLOBAL GetHGlobal() const;
    // Releases what was held and takes over the caller's reference to
    // `stream` and its memory block. True when the stream has a memory block.
    virtual bool Attach(IStream* stream);
    // The bytes the stream holds (an encoder may leave the block larger).
    virtual ByteBlock GetBytes() const;

private:
    HGLOBAL hglobal_ = nullptr;
    IStream* stream_ = nullptr;
};

}  // namespace gdiplus

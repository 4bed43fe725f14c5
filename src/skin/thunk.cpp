#include "skin/thunk.h"

#include <windows.h>

#include <cstring>
#include <utility>

#include "skin/x86_emitter.h"

namespace {

// Frame layout below ebp: the object slot, then the caller's FPU control word,
// then the four saved registers.
constexpr int8_t kObjectSlot = -4;
constexpr int8_t kSavedControlWord = -8;
constexpr uint32_t kLocalBytes = 8;
// First incoming argument, above the saved ebp and the return address.
constexpr int8_t kFirstArgument = 8;

std::vector<uint8_t> AssembleThunk(uint32_t object, uint32_t operation, uint32_t argumentBytes) {
    X86Emitter x;
    x.push(Reg::ebp);
    x.mov(Reg::ebp, Reg::esp);
    x.sub(Reg::esp, kLocalBytes);
    x.movDwordToMemory(Reg::ebp, kObjectSlot, object);
    // The callee-saved registers and ecx, which the copy uses.
    x.push(Reg::ebx);
    x.push(Reg::esi);
    x.push(Reg::edi);
    x.push(Reg::ecx);
    // Whatever state the calling thread's FPU is in, the operation starts clean
    // (control word 0x037F); the caller gets its own control word back.
    x.fnstcw(Reg::ebp, kSavedControlWord);
    x.fninit();
    if (argumentBytes > 0) {
        // The caller's arguments, copied unchanged and in the same order.
        x.sub(Reg::esp, argumentBytes);
        x.lea(Reg::esi, Reg::ebp, kFirstArgument);
        x.mov(Reg::edi, Reg::esp);
        x.mov(Reg::ecx, argumentBytes / 4);
        x.cld();
        x.repMovsd();
    }
    // First argument of the operation: a reference to the object slot.
    x.lea(Reg::eax, Reg::ebp, kObjectSlot);
    x.push(Reg::eax);
    x.mov(Reg::eax, operation);
    x.call(Reg::eax);  // stdcall: it removes its own arguments
    // eax (and edx) carry the result through the restores untouched.
    x.fldcw(Reg::ebp, kSavedControlWord);
    x.pop(Reg::ecx);
    x.pop(Reg::edi);
    x.pop(Reg::esi);
    x.pop(Reg::ebx);
    x.leave();
    x.ret(static_cast<uint16_t>(argumentBytes));
    return x.bytes();
}

// Writes `code` to fresh read-write memory, then turns it execute-read, so no
// page is ever writable and executable at once.
void* PlaceExecutable(const std::vector<uint8_t>& code) {
    void* memory = VirtualAlloc(nullptr, code.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (memory == nullptr) return nullptr;
    std::memcpy(memory, code.data(), code.size());
    DWORD previous = 0;
    if (!VirtualProtect(memory, code.size(), PAGE_EXECUTE_READ, &previous)) {
        VirtualFree(memory, 0, MEM_RELEASE);
        return nullptr;
    }
    FlushInstructionCache(GetCurrentProcess(), memory, code.size());
    return memory;
}

}  // namespace

MethodThunk MakeMethodThunk(void* object, const void* operation, int argumentCount) {
    // The count is checked before it is scaled, so no count can wrap into range.
    if (operation == nullptr || argumentCount < 0 || argumentCount > kMaxThunkArguments) return {};
    const uint32_t argumentBytes = 4 * static_cast<uint32_t>(argumentCount);
    const std::vector<uint8_t> code = AssembleThunk(reinterpret_cast<uint32_t>(object),
                                                    reinterpret_cast<uint32_t>(operation), argumentBytes);
    void* memory = PlaceExecutable(code);
    if (memory == nullptr) return {};
    return MethodThunk(memory, code.size());
}

MethodThunk::~MethodThunk() { Release(); }

MethodThunk::MethodThunk(MethodThunk&& other) noexcept
    : code_(std::exchange(other.code_, nullptr)), size_(std::exchange(other.size_, 0)) {}

MethodThunk& MethodThunk::operator=(MethodThunk&& other) noexcept {
    if (this != &other) {
        Release();
        code_ = std::exchange(other.code_, nullptr);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

void MethodThunk::Release() {
    if (code_ != nullptr) VirtualFree(code_, 0, MEM_RELEASE);
    code_ = nullptr;
    size_ = 0;
}

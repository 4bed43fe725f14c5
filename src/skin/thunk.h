#pragma once
// Method thunks: a few bytes of machine code made at run time so that the
// system can call a plain stdcall callback (a window procedure, a multimedia
// timer callback) and reach one particular object. The code calls
//     operation(Object*& self, arguments...)
// where `self` refers to a slot in the thunk's own stack frame that holds the
// bound object, and hands the operation's result back to the system.
#include <cstddef>
#include <cstdint>
#include <type_traits>

// Owns the executable page holding one thunk. Empty when the build failed.
class MethodThunk {
public:
    MethodThunk() = default;
    ~MethodThunk();
    MethodThunk(MethodThunk&& other) noexcept;
    MethodThunk& operator=(MethodThunk&& other) noexcept;
    MethodThunk(const MethodThunk&) = delete;
    MethodThunk& operator=(const MethodThunk&) = delete;

    bool empty() const { return code_ == nullptr; }
    explicit operator bool() const { return !empty(); }

    // The address to give the system; null for an empty thunk.
    const void* code() const { return code_; }
    // The code address as the callback type the system wants, e.g. As<WNDPROC>().
    template <class Callback>
    Callback As() const { return reinterpret_cast<Callback>(code_); }
    // Bytes of generated code (0 when empty).
    size_t size() const { return size_; }

private:
    friend MethodThunk MakeMethodThunk(void* object, const void* operation, int argumentCount);
    MethodThunk(void* code, size_t size) : code_(code), size_(size) {}
    void Release();

    void* code_ = nullptr;
    size_t size_ = 0;
};

// The largest argument count: 1024 bytes of arguments.
constexpr int kMaxThunkArguments = 256;

// Builds a thunk that, called with `argumentCount` 32-bit arguments, calls the
// stdcall `operation` with a reference to `object` in front of them. Empty when
// `operation` is null or `argumentCount` is outside 0..kMaxThunkArguments.
MethodThunk MakeMethodThunk(void* object, const void* operation, int argumentCount);

// Typed form: the argument count comes from the operation's own parameter list,
// so the thunk cannot disagree with it about how many bytes to remove.
template <class Object, class Result, class... Args>
MethodThunk MakeMethodThunk(Object* object, Result(__stdcall* operation)(Object*&, Args...)) {
    static_assert(((sizeof(Args) == 4) && ...), "every argument of a thunk is 32 bits wide");
    static_assert(sizeof(std::conditional_t<std::is_void_v<Result>, int, Result>) <= 4, "the thunk hands back a 32-bit result");
    return MakeMethodThunk(static_cast<void*>(object), reinterpret_cast<const void*>(operation),
                           static_cast<int>(sizeof...(Args)));
}

#pragma once
// A tiny 32-bit x86 assembler: just the instructions the method thunk needs,
// each named after its mnemonic, so the generated code reads like a listing.
#include <cstdint>
#include <vector>

enum class Reg : uint8_t { eax = 0, ecx = 1, edx = 2, ebx = 3, esp = 4, ebp = 5, esi = 6, edi = 7 };

class X86Emitter {
public:
    void push(Reg r) { Byte(0x50 + Code(r)); }
    void pop(Reg r) { Byte(0x58 + Code(r)); }

    // mov dst, src (register to register)
    void mov(Reg dst, Reg src) { Byte(0x89); ModRegister(src, dst); }
    // mov dst, imm32
    void mov(Reg dst, uint32_t imm) { Byte(0xB8 + Code(dst)); Dword(imm); }
    // mov dword [base + disp], imm32
    void movDwordToMemory(Reg base, int8_t disp, uint32_t imm) { Byte(0xC7); ModMemory(0, base, disp); Dword(imm); }
    // lea dst, [base + disp]
    void lea(Reg dst, Reg base, int8_t disp) { Byte(0x8D); ModMemory(Code(dst), base, disp); }
    // sub r, imm32
    void sub(Reg r, uint32_t imm) { Byte(0x81); ModRegister(Reg{5}, r); Dword(imm); }

    void call(Reg target) { Byte(0xFF); ModRegister(Reg{2}, target); }
    void cld() { Byte(0xFC); }
    void repMovsd() { Byte(0xF3); Byte(0xA5); }
    void leave() { Byte(0xC9); }
    // ret imm16: the callee removes its arguments (stdcall).
    void ret(uint16_t argumentBytes) {
        if (argumentBytes == 0) { Byte(0xC3); return; }
        Byte(0xC2); Byte(argumentBytes & 0xFF); Byte(argumentBytes >> 8);
    }

    // x87: store / load the control word at [base + disp]; reset the unit.
    void fnstcw(Reg base, int8_t disp) { Byte(0xD9); ModMemory(7, base, disp); }
    void fldcw(Reg base, int8_t disp) { Byte(0xD9); ModMemory(5, base, disp); }
    void fninit() { Byte(0xDB); Byte(0xE3); }

    const std::vector<uint8_t>& bytes() const { return bytes_; }

private:
    static uint8_t Code(Reg r) { return static_cast<uint8_t>(r); }
    void Byte(uint32_t b) { bytes_.push_back(static_cast<uint8_t>(b)); }
    void Dword(uint32_t v) { for (int i = 0; i < 4; ++i) Byte(v >> (8 * i)); }

    // ModRM, register-direct form; `reg` is a register or an opcode extension.
    void ModRegister(Reg reg, Reg rm) { Byte(0xC0 | Code(reg) << 3 | Code(rm)); }
    // ModRM, [base + disp8] form; esp as a base needs a SIB byte.
    void ModMemory(uint8_t reg, Reg base, int8_t disp) {
        Byte(0x40 | reg << 3 | Code(base));
        if (base == Reg::esp) Byte(0x24);
        Byte(static_cast<uint8_t>(disp));
    }

    std::vector<uint8_t> bytes_;
};

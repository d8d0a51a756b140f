#include "crash/TCpuContext.h"

#include "crash/ProcessInfo.h"

#include <cinttypes>
#include <cstdarg>
#include <cstdio>

namespace kelvane {

namespace {

std::uint16_t DataSegment() {
    std::uint16_t v;
    asm volatile("movw %%ds, %0" : "=r"(v));
    return v;
}

std::uint16_t ExtraSegment() {
    std::uint16_t v;
    asm volatile("movw %%es, %0" : "=r"(v));
    return v;
}

// Appends to buf at pos, keeping within size; returns the new position.
std::size_t Put(char* buf, std::size_t size, std::size_t pos, const char* fmt, ...)
    __attribute__((format(printf, 4, 5)));

std::size_t Put(char* buf, std::size_t size, std::size_t pos, const char* fmt, ...) {
    if (pos + 1 >= size)
        return pos;
    va_list args;
    va_start(args, fmt);
    int n = vsnprintf(buf + pos, size - pos, fmt, args);
    va_end(args);
    if (n < 0)
        return pos;
    std::size_t end = pos + static_cast<std::size_t>(n);
    return end >= size ? size - 1 : end;
}

} // namespace

__attribute__((noinline)) TCpuContext TCpuContext::Current() {
    TCpuContext c;
    std::uint64_t g[16];
    asm volatile("movq %%rax, 0(%0)\n\t"
                 "movq %%rbx, 8(%0)\n\t"
                 "movq %%rcx, 16(%0)\n\t"
                 "movq %%rdx, 24(%0)\n\t"
                 "movq %%rsi, 32(%0)\n\t"
                 "movq %%rdi, 40(%0)\n\t"
                 "movq %%rbp, 48(%0)\n\t"
                 "movq %%rsp, 56(%0)\n\t"
                 "movq %%r8, 64(%0)\n\t"
                 "movq %%r9, 72(%0)\n\t"
                 "movq %%r10, 80(%0)\n\t"
                 "movq %%r11, 88(%0)\n\t"
                 "movq %%r12, 96(%0)\n\t"
                 "movq %%r13, 104(%0)\n\t"
                 "movq %%r14, 112(%0)\n\t"
                 "movq %%r15, 120(%0)\n\t"
                 :
                 : "r"(g)
                 : "memory");
    c.Rax = g[0], c.Rbx = g[1], c.Rcx = g[2], c.Rdx = g[3], c.Rsi = g[4], c.Rdi = g[5];
    c.Rbp = g[6], c.Rsp = g[7], c.R8 = g[8], c.R9 = g[9], c.R10 = g[10], c.R11 = g[11];
    c.R12 = g[12], c.R13 = g[13], c.R14 = g[14], c.R15 = g[15];
    std::uint64_t flags;
    asm volatile("pushfq\n\tpopq %0" : "=r"(flags));
    c.Flags = static_cast<std::uint32_t>(flags);
    asm volatile("movw %%cs, %0" : "=r"(c.Cs));
    asm volatile("movw %%ss, %0" : "=r"(c.Ss));
    asm volatile("movw %%fs, %0" : "=r"(c.Fs));
    asm volatile("movw %%gs, %0" : "=r"(c.Gs));
    c.Ds = DataSegment();
    c.Es = ExtraSegment();
    c.Rip = reinterpret_cast<std::uint64_t>(__builtin_return_address(0));
    return c;
}

TCpuContext TCpuContext::FromUcontext(const ucontext_t& uc) {
    TCpuContext c;
    const greg_t* r = uc.uc_mcontext.gregs;
    auto u = [](greg_t v) { return static_cast<std::uint64_t>(v); };
    c.Rax = u(r[REG_RAX]), c.Rbx = u(r[REG_RBX]), c.Rcx = u(r[REG_RCX]), c.Rdx = u(r[REG_RDX]);
    c.Rsi = u(r[REG_RSI]), c.Rdi = u(r[REG_RDI]), c.Rbp = u(r[REG_RBP]), c.Rsp = u(r[REG_RSP]);
    c.R8 = u(r[REG_R8]), c.R9 = u(r[REG_R9]), c.R10 = u(r[REG_R10]), c.R11 = u(r[REG_R11]);
    c.R12 = u(r[REG_R12]), c.R13 = u(r[REG_R13]), c.R14 = u(r[REG_R14]), c.R15 = u(r[REG_R15]);
    c.Rip = u(r[REG_RIP]);
    c.Flags = static_cast<std::uint32_t>(r[REG_EFL]);
    // CS, GS, FS and (on newer kernels) SS share one slot, 16 bits each.
    std::uint64_t seg = u(r[REG_CSGSFS]);
    c.Cs = static_cast<std::uint16_t>(seg);
    c.Gs = static_cast<std::uint16_t>(seg >> 16);
    c.Fs = static_cast<std::uint16_t>(seg >> 32);
    c.Ss = static_cast<std::uint16_t>(seg >> 48);
    if (c.Ss == 0)
        asm volatile("movw %%ss, %0" : "=r"(c.Ss));
    c.Ds = DataSegment();
    c.Es = ExtraSegment();
    return c;
}

void TCpuContext::ReadMemory() {
    CodeValid = SafeRead(Code, Rip, sizeof Code);
    StackValid = SafeRead(Stack, Rsp, sizeof Stack);
}

std::size_t TCpuContext::Format(char* buf, std::size_t size) const {
    if (size == 0)
        return 0;
    buf[0] = '\0';
    std::size_t p = 0;
    p = Put(buf, size, p, "Registers:\r\n");
    p = Put(buf, size, p, "RAX = %.16" PRIX64 "  CS = %.4X  RIP = %.16" PRIX64 "  Flags = %.8X\r\n",
            Rax, Cs, Rip, Flags);
    p = Put(buf, size, p,
            "RBX = %.16" PRIX64 "  SS = %.4X  RSP = %.16" PRIX64 "    RBP = %.16" PRIX64 "\r\n",
            Rbx, Ss, Rsp, Rbp);
    p = Put(buf, size, p, "RCX = %.16" PRIX64 "  DS = %.4X  RSI = %.16" PRIX64 "    FS  = %.4X\r\n",
            Rcx, Ds, Rsi, Fs);
    p = Put(buf, size, p, "RDX = %.16" PRIX64 "  ES = %.4X  RDI = %.16" PRIX64 "    GS  = %.4X\r\n",
            Rdx, Es, Rdi, Gs);
    p = Put(buf, size, p,
            "R8  = %.16" PRIX64 "  R9  = %.16" PRIX64 "  R10 = %.16" PRIX64 "  R11 = %.16" PRIX64
            "\r\n",
            R8, R9, R10, R11);
    p = Put(buf, size, p,
            "R12 = %.16" PRIX64 "  R13 = %.16" PRIX64 "  R14 = %.16" PRIX64 "  R15 = %.16" PRIX64
            "\r\n",
            R12, R13, R14, R15);
    if (CodeValid) {
        p = Put(buf, size, p, "Code at CS:RIP\r\n");
        for (std::uint8_t b : Code)
            p = Put(buf, size, p, "%.2X ", b);
        p = Put(buf, size, p, "\r\n");
    }
    if (StackValid) {
        p = Put(buf, size, p, "Stack:\r\n");
        for (std::size_t line = 0; line < StackWords / 5; ++line) {
            for (std::size_t i = 0; i < 5; ++i)
                p = Put(buf, size, p, "%.16" PRIX64 " ", Stack[line * 5 + i]);
            p = Put(buf, size, p, "\r\n");
        }
    }
    return p;
}

std::string TCpuContext::Text() const {
    char buf[2048];
    std::size_t n = Format(buf, sizeof buf);
    return std::string(buf, n);
}

} // namespace kelvane

#include "crash/TThrowCapture.h"

#include <atomic>
#include <unwind.h>

namespace kelvane {

namespace {

constexpr std::size_t Slots = 4;
thread_local TThrowCapture captures[Slots];
thread_local std::size_t nextSlot = 0;
thread_local bool inHook = false;
std::atomic<bool> enabled{false};
std::atomic<TThrowCapture::TObserver> observer{nullptr};

struct Walk {
    TThrowCapture* capture;
    std::uintptr_t first; // skip frames up to this return address (0: none)
    int skip;             // then skip this many more
};

_Unwind_Reason_Code Step(_Unwind_Context* ctx, void* arg) {
    Walk* w = static_cast<Walk*>(arg);
    int beforeInsn = 0;
    std::uintptr_t ip = _Unwind_GetIPInfo(ctx, &beforeInsn);
    if (ip == 0)
        return _URC_END_OF_STACK;
    if (w->first != 0) {
        if (ip != w->first)
            return _URC_NO_REASON;
        w->first = 0;
    }
    if (w->skip > 0) {
        --w->skip;
        return _URC_NO_REASON;
    }
    TThrowCapture& c = *w->capture;
    c.Frames[c.FrameCount++] = ip;
    return c.FrameCount < TThrowCapture::MaxFrames ? _URC_NO_REASON : _URC_END_OF_STACK;
}

// Walks the stack from the frame whose return address is first when that is
// not 0, else from the caller of WalkStack's caller, skipping skip frames.
__attribute__((noinline)) void WalkStack(TThrowCapture& c, std::uintptr_t first, int skip) {
    c.FrameCount = 0;
    Walk w{&c, first, first != 0 ? 0 : skip + 2};
    _Unwind_Backtrace(Step, &w);
    if (c.FrameCount > 0)
        c.Context.Rip = c.Frames[0];
    c.Context.ReadMemory();
}

} // namespace

const TThrowCapture* TThrowCapture::Find(const void* object) {
    if (!object)
        return nullptr;
    for (std::size_t i = 1; i <= Slots; ++i) {
        const TThrowCapture& c = captures[(nextSlot + Slots - i) % Slots];
        if (c.Object == object)
            return &c;
    }
    return nullptr;
}

__attribute__((noinline)) void TThrowCapture::CaptureHere(TThrowCapture& capture, int skip) {
    capture.Object = nullptr;
    capture.Type = nullptr;
    capture.Context = TCpuContext::Current();
    WalkStack(capture, 0, skip);
}

void TThrowCapture::SetEnabled(bool on) {
    enabled.store(on, std::memory_order_relaxed);
}

void TThrowCapture::SetObserver(TObserver o) {
    observer.store(o);
}

void TThrowCapture::Record(void* object, std::type_info* type, const std::uint64_t* registers) {
    if (!enabled.load(std::memory_order_relaxed) || inHook)
        return;
    inHook = true;
    TThrowCapture& c = captures[nextSlot];
    nextSlot = (nextSlot + 1) % Slots;
    c.Object = nullptr;
    TCpuContext& r = c.Context;
    const std::uint64_t* g = registers;
    r.Rax = g[0], r.Rbx = g[1], r.Rcx = g[2], r.Rdx = g[3], r.Rsi = g[4], r.Rdi = g[5];
    r.Rbp = g[6], r.Rsp = g[7], r.R8 = g[8], r.R9 = g[9], r.R10 = g[10], r.R11 = g[11];
    r.R12 = g[12], r.R13 = g[13], r.R14 = g[14], r.R15 = g[15];
    r.Flags = static_cast<std::uint32_t>(g[16]);
    TCpuContext segments = TCpuContext::Current();
    r.Cs = segments.Cs, r.Ss = segments.Ss, r.Ds = segments.Ds;
    r.Es = segments.Es, r.Fs = segments.Fs, r.Gs = segments.Gs;
    WalkStack(c, static_cast<std::uintptr_t>(g[17]), 0);
    c.Object = object;
    c.Type = type;
    if (TObserver o = observer.load())
        o(c);
    inHook = false;
}

} // namespace kelvane

extern "C" void kelvane_RecordThrow(void* object, std::type_info* type, void (*)(void*),
                                    const std::uint64_t* registers) {
    kelvane::TThrowCapture::Record(object, type, registers);
}

// The linker sends every __cxa_throw of the program here (--wrap=__cxa_throw).
// It saves the registers as the thrower left them (slots: RAX RBX RCX RDX RSI
// RDI RBP RSP R8-R15 flags RIP), records the throw, then goes on to the real
// __cxa_throw with the arguments restored, as if called directly.
asm(R"(
    .pushsection .text
    .globl __wrap___cxa_throw
    .type __wrap___cxa_throw, @function
__wrap___cxa_throw:
    .cfi_startproc
    subq $152, %rsp
    .cfi_adjust_cfa_offset 152
    .set .Lslot, 0
    .irp reg, rax, rbx, rcx, rdx, rsi, rdi, rbp, rsp, r8, r9, r10, r11, r12, r13, r14, r15
    movq %\reg, .Lslot(%rsp)
    .set .Lslot, .Lslot + 8
    .endr
    leaq 160(%rsp), %rax # the thrower's RSP, before its call and this frame
    movq %rax, 56(%rsp)
    pushfq
    .cfi_adjust_cfa_offset 8
    popq %rax
    .cfi_adjust_cfa_offset -8
    movq %rax, 128(%rsp)
    movq 152(%rsp), %rax
    movq %rax, 136(%rsp)
    movq %rsp, %rcx
    call kelvane_RecordThrow@PLT
    movq 40(%rsp), %rdi
    movq 32(%rsp), %rsi
    movq 24(%rsp), %rdx
    movq 0(%rsp), %rax
    addq $152, %rsp
    .cfi_adjust_cfa_offset -152
    jmp __real___cxa_throw@PLT
    .cfi_endproc
    .size __wrap___cxa_throw, .-__wrap___cxa_throw
    .popsection
)");

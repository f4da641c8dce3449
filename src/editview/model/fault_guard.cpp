#include "editview/model/fault_guard.h"

#include <windows.h>

#include <csetjmp>

namespace velmo {

namespace {

// The innermost guard of the user-interface thread; guards are only taken on
// that thread, but the handler sees faults of every thread and must tell.
std::jmp_buf* activeGuard = nullptr;
DWORD guardThread = 0;

bool IsProcessorFault(DWORD code) {
    switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_IN_PAGE_ERROR:
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
    case EXCEPTION_DATATYPE_MISALIGNMENT:
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_PRIV_INSTRUCTION:
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_INT_OVERFLOW:
    case EXCEPTION_FLT_DIVIDE_BY_ZERO:
    case EXCEPTION_FLT_INVALID_OPERATION:
    case EXCEPTION_FLT_OVERFLOW:
    case EXCEPTION_FLT_UNDERFLOW:
    case EXCEPTION_FLT_INEXACT_RESULT:
    case EXCEPTION_FLT_DENORMAL_OPERAND:
    case EXCEPTION_FLT_STACK_CHECK:
        return true;
    default:
        return false;
    }
}

// Entered in place of the faulting instruction, on an ordinary stack, so the
// runtime's longjmp can unwind back to the guard as it would from any call.
[[noreturn]] void ResumeAtGuard() { std::longjmp(*activeGuard, 1); }

LONG CALLBACK RedirectFault(EXCEPTION_POINTERS* info) {
    if (activeGuard == nullptr || GetCurrentThreadId() != guardThread ||
        !IsProcessorFault(info->ExceptionRecord->ExceptionCode)) {
        return EXCEPTION_CONTINUE_SEARCH;
    }
    CONTEXT* context = info->ContextRecord;
    DWORD stack = (context->Esp - 256) & ~DWORD{15};
    stack -= sizeof(DWORD);
    *reinterpret_cast<DWORD*>(stack) = 0;  // a return address ResumeAtGuard never uses
    context->Esp = stack;
    context->Eip = reinterpret_cast<DWORD>(&ResumeAtGuard);
    return EXCEPTION_CONTINUE_EXECUTION;
}

void InstallHandlerOnce() {
    static PVOID handler = AddVectoredExceptionHandler(1, RedirectFault);
    (void)handler;
}

}  // namespace

bool RunGuarded(GuardedOperation operation, void* context) {
    InstallHandlerOnce();
    std::jmp_buf here;
    std::jmp_buf* outer = activeGuard;
    DWORD outerThread = guardThread;
    activeGuard = &here;
    guardThread = GetCurrentThreadId();
    bool faulted = setjmp(here) != 0;
    if (!faulted) operation(context);
    activeGuard = outer;
    guardThread = outerThread;
    return faulted;
}

}  // namespace velmo

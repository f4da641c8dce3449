#pragma once
// Runs an operation so that a processor fault inside it (a bad pointer, a
// division by zero) returns control to the caller instead of ending the
// process. mingw has no __try, so a vectored handler redirects the faulting
// thread to a longjmp back to the guard.
//
// Destructors between the guard and the fault do not run: guarded code must
// not own objects that need them, and the caller cleans up after a fault.

namespace velmo {

using GuardedOperation = void (*)(void* context);

// Runs operation(context); true when it faulted. Guards may nest.
bool RunGuarded(GuardedOperation operation, void* context);

// Same, for any callable without captures that need cleaning up.
template <typename F>
bool RunGuarded(F& operation) {
    return RunGuarded([](void* f) { (*static_cast<F*>(f))(); }, &operation);
}

}  // namespace velmo

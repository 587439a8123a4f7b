#pragma once
// Skip-on-failure mode. The start-up procedures and the slider update run each statement on its own:
// a statement that fails is abandoned without a message, whatever it was to set keeps its previous
// value, and the procedure goes on with the next statement.

#include "Failure.h"

#include <type_traits>
#include <utility>

namespace Commands {

namespace detail {
template <class T> struct IsResult : std::false_type {};
template <class T> struct IsResult<Result<T>> : std::true_type {};
} // namespace detail

// A build without exceptions (WebAssembly) has nothing to catch.
#if __cpp_exceptions
#define TONALYX_SKIP_TRY try
#define TONALYX_SKIP_CATCH catch (...) {}
#else
#define TONALYX_SKIP_TRY
#define TONALYX_SKIP_CATCH
#endif

// Sets `target` to what `compute()` yields. A failure result, or an exception thrown on the way,
// abandons the statement and leaves `target` untouched.
template <class T, class Compute> void SetOrSkip(T& target, Compute&& compute) noexcept {
    TONALYX_SKIP_TRY {
        auto value = std::forward<Compute>(compute)();
        if constexpr (detail::IsResult<decltype(value)>::value) {
            if (value)
                target = std::move(*value);
        } else {
            target = std::move(value);
        }
    }
    TONALYX_SKIP_CATCH
}

// Runs a statement that sets nothing itself; its failure is dropped.
template <class Statement> void RunOrSkip(Statement&& statement) noexcept {
    TONALYX_SKIP_TRY { (void)std::forward<Statement>(statement)(); }
    TONALYX_SKIP_CATCH
}

} // namespace Commands

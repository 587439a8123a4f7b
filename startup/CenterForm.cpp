#include "CenterForm.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace Commands {
namespace {

// The vertical centre sits at 42.5 % of the screen: the middle of its upper 85 %.
constexpr double kUpperPart = 0.85;

// Nearest integer, a tie going to the even one (the default rounding mode).
Result<std::int32_t> Nearest(double x) {
    const double r = std::nearbyint(x);
    if (!(r >= std::numeric_limits<std::int32_t>::min() && r <= std::numeric_limits<std::int32_t>::max()))
        return Fail(ErrorCode::Overflow);
    return static_cast<std::int32_t>(r);
}

// Each half is taken on its own, so an odd size loses its half twip in each term.
std::int32_t Half(std::int32_t n) { return n / 2; }

} // namespace

Result<void> CenterForm(FormGeometry& form, const Screen& screen) {
    const auto a = Nearest(static_cast<double>(screen.Height()) * kUpperPart);
    if (!a)
        return std::unexpected(a.error());
    const auto b = Nearest(form.Height());
    if (!b)
        return std::unexpected(b.error());
    form.SetTop(static_cast<float>(Half(*a) - Half(*b)));

    const auto c = Nearest(form.Width());
    if (!c)
        return std::unexpected(c.error());
    const auto d = Nearest(screen.Width());
    if (!d)
        return std::unexpected(d.error());
    form.SetLeft(static_cast<float>(Half(*d) - Half(*c)));

    // Only the top and left edges are kept on the screen; a larger window sticks out right and below.
    if (form.Top() < 0)
        form.SetTop(0);
    if (form.Left() < 0)
        form.SetLeft(0);
    return {};
}

} // namespace Commands

#include "consultation/logic/ListFont.h"

#include "platform/TextFunctions.h"

#include <cmath>

namespace {

// Far above any size a list can show, and low enough that the font engine never meets a size
// it cannot render.
constexpr double LargestTextSize = 1000.0;

} // namespace

float ListTextSize(const QString& text)
{
    const double size = CDbl(text);
    if (!std::isfinite(size) || size <= 0.0)
        return 0.0f;
    return float(std::fmin(size, LargestTextSize));
}

qreal HeadingTextSize(qreal chosen, qreal smallest, const std::function<bool(qreal)>& fits)
{
    const qreal floor = std::fmin(chosen, smallest);
    if (fits(chosen))
        return chosen;
    // Since fitting only fails from some size upwards, halving the whole sizes strictly between
    // floor and chosen finds the largest that fits. below fits or is at most floor; above does
    // not fit.
    qreal below = std::floor(floor);
    qreal above = std::ceil(chosen);
    while (above - below > 1.0) {
        const qreal middle = std::floor((below + above) / 2.0);
        if (fits(middle))
            below = middle;
        else
            above = middle;
    }
    return below > floor ? below : floor;
}

#include "season/price_level.h"

#include "foundation/kol_random.h"
#include "world/world.h"

void MovePriceLevel(TWorld& world) {
    // The three draws always come in this order, whatever the year: the sign only changes how u2 counts.
    const long double u1 = RandomFloat();
    const long double u2 = RandomFloat();
    const long double u3 = RandomFloat();
    const long double d = world.SeasonYear % 100 >= 50 ? u1 - u2 : u1 + u2;
    long double level = world.PriceIndex + (d - u3) * 0.01L;
    if (level > kHighestPriceIndex) level = kHighestPriceIndex;
    if (level < kLowestPriceIndex) level = kLowestPriceIndex;
    world.PriceIndex = level;
}

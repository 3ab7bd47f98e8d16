#include "bonus/BonusMeter.h"

namespace varnholt {

std::int32_t clampBonusPoints(std::int32_t BonusPts)
{
    return BonusPts > kBonusMeterMaxPoints ? kBonusMeterMaxPoints : BonusPts;
}

} // namespace varnholt

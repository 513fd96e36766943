#include "Hasard.h"

#include <chrono>

HasardHorloge::HasardHorloge()
    : generateur(static_cast<std::uint32_t>(
          std::chrono::system_clock::now().time_since_epoch().count()))
{
}

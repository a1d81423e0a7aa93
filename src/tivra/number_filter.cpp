#include "tivra/number_filter.h"

#include "platform/cp1250.h"

namespace tivra {

std::vector<std::string> FilterItems() {
  using platform::W;
  return {W("Žiadny"), W("Filter 1: Zakázané čísla"), "Filter 2:Tutovky",
          W("Filter 3:Párne čísla"), W("Filter 4:Nepárne čísla")};
}

}  // namespace tivra

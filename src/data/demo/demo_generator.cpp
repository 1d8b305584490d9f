#include "demo_generator.h"

#include "associated_items.h"
#include "component_plan.h"
#include "components.h"
#include "purchases.h"
#include "quality_control.h"
#include "reference_tables.h"
#include "synonyms.h"
#include "transaction.h"
#include "tutorial.h"
#include "users.h"

#include <stdexcept>

namespace demo {
namespace {

// Codes have six digits; the register offers no code after 999999.
constexpr int kLargestCode = 999999;

void checkSize(const DemoSize &size) {
  if (size.components < 0 || size.components > kLargestCode)
    throw std::invalid_argument("the number of components must lie between 0 and 999999");
  if (size.packaging < 0 || size.packaging > size.components)
    throw std::invalid_argument("the number of packaging items must lie between 0 and the number of components");
}

}  // namespace

void generate(fb::Connection &central, fb::Connection &tutorial, const DemoSize &size) {
  checkSize(size);
  const std::vector<DemoComponent> components = planComponents(size);

  fb::Transaction centralWork(central);
  writeReferenceTables(centralWork);
  writeComponents(centralWork, components);
  writeUsers(centralWork);
  writeSynonyms(centralWork, components);
  writeAssociatedItems(centralWork, components);
  writeQualityControl(centralWork, components);
  writePurchases(centralWork, components);

  fb::Transaction tutorialWork(tutorial);
  writeTutorial(tutorialWork);

  centralWork.commit();
  tutorialWork.commit();
}

}  // namespace demo

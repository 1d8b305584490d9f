#pragma once

namespace fb { class Transaction; }

namespace demo {

// TUTORIAL, in the tutorial database: the manual's pages by help subject.
void writeTutorial(fb::Transaction &transaction);

}  // namespace demo

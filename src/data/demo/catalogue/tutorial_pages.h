#pragma once

#include <QString>
#include <vector>

namespace demo {

// A page of the tutorial (table TUTORIAL of the tutorial database).
struct TutorialPage {
  QString subject;  // the help subject the screen sets, exactly
  int number;
  QString text;     // at most 1000 characters
};

const std::vector<TutorialPage> &tutorialPages();

}  // namespace demo

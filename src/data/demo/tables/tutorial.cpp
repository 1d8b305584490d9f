#include "tutorial.h"

#include "prepared_insert.h"
#include "tutorial_pages.h"

namespace demo {

void writeTutorial(fb::Transaction &transaction) {
  PreparedInsert rows(transaction, QStringLiteral("TUTORIAL"),
                   {QStringLiteral("ASSUNTO"), QStringLiteral("PAGINA"), QStringLiteral("TEXTO")});
  for (const TutorialPage &page : tutorialPages()) rows.add({page.subject, page.number, page.text});
}

}  // namespace demo

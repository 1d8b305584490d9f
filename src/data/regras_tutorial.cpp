#include "dm.h"

#include "gravacao.h"

void TDM::TutorialAfterPost() { gravaAlteracoes(Tutorial, 1); }

void TDM::TutorialAfterDelete() { gravaAlteracoes(Tutorial, 1); }

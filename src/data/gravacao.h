#pragma once

#include <functional>

namespace ds { class ClientDataSet; }

// Sends the pending changes of `dataSet` with at most `maxErrors` errors (−1:
// no limit) and re-reads it. A refusal that `corrigeRecusa` mends (it returns
// true) is sent again, a few times at most; one left unmended is shown to the
// user and given up, so that it cannot block the changes that come after it.
void gravaAlteracoes(ds::ClientDataSet &dataSet, int maxErrors, const std::function<bool()> &corrigeRecusa = {});

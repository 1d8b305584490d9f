#pragma once

#include <QStringList>

namespace demo {

// The pharmaceutical forms the pharmacy compounds (table FORMAFAR).
const QStringList &pharmaceuticalForms();

}  // namespace demo

#include "database_error.h"

EDatabaseError::EDatabaseError(const QString &message, long sqlCode)
    : std::runtime_error(message.toStdString()), message_(message), sqlCode_(sqlCode) {}

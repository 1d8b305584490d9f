#pragma once

#include <QString>

// The program's plain modal messages: its title as caption and the one button OK.
void showMessage(const QString &text);
void showErrorMessage(const QString &text);

QString programTitle();

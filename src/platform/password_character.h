#pragma once

class QLineEdit;

// Shows each typed character of a password box as `character`.
void setPasswordCharacter(QLineEdit *box, char16_t character);

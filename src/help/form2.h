#pragma once

#include <QDialog>

// The tutorial window. The one made at start-up stays hidden: each request for
// help makes a fresh one.
class TForm2 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm2(QWidget *parent = nullptr);
};

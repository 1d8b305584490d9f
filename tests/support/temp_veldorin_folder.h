#pragma once

#include <QTemporaryDir>

// A fresh suite folder (VELDORIN_DIR points at it while this lives), with the
// central database at dados/veldorin.bd when asked for.
class TempVeldorinFolder {
 public:
  TempVeldorinFolder();
  ~TempVeldorinFolder();

  QString path() const { return dir_.path() + u'/'; }
  QString centralDatabase() const { return path() + QStringLiteral("dados/veldorin.bd"); }
  void createCentralDatabase();
  void writeFile(const QString &name, const QByteArray &content);

 private:
  QTemporaryDir dir_;
  QByteArray previous_;
};

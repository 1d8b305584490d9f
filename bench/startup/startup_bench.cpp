// Runs the register's start-up and its floor side by side, many times each,
// on a demo database, and prints the median times and their ratio.
#include "demo_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

long long monotonicNow() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Milliseconds from starting the process to the moment it reported its window shown.
double timeToShown(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment) {
  QProcess process;
  process.setProcessEnvironment(environment);
  const long long started = monotonicNow();
  process.start(program, arguments);
  if (!process.waitForFinished(60000) || process.exitCode() != 0)
    qFatal("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
  const long long shown = process.readAllStandardOutput().trimmed().toLongLong();
  return double(shown - started) / 1e6;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 21;
  const QString here = QCoreApplication::applicationDirPath();

  QTemporaryDir folder;
  demo::createDemoFolder(folder.path());
  QFile ini(folder.filePath(QStringLiteral("VELDORIN.INI")));
  if (!ini.open(QIODevice::WriteOnly)) qFatal("cannot write VELDORIN.INI");
  ini.write("IP DO SERVIDOR CENTRAL.........................: \r\n");
  ini.close();

  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("VELDORIN_DIR"), folder.path());
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

  std::vector<double> program, floor;
  for (int i = 0; i < runs; ++i) {  // alternate, so that both meet the same machine
    program.push_back(timeToShown(here + QStringLiteral("/startup_program"), {folder.path() + u'/'}, environment));
    floor.push_back(timeToShown(here + QStringLiteral("/startup_floor"), {demo::centralDatabasePath(folder.path())}, environment));
  }
  const double programMs = median(program), floorMs = median(floor);
  std::printf("start-up to login panel shown (median of %d runs)\n", runs);
  std::printf("  register: %8.1f ms\n", programMs);
  std::printf("  floor:    %8.1f ms  (bare Qt window + two raw attaches)\n", floorMs);
  std::printf("  ratio:    %8.2f  (goal: at most 1.20)\n", programMs / floorMs);
  return 0;
}

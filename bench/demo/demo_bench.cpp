// Makes a large demo folder and prints how long it took and how many rows
// per second went into its databases.
#include "connection.h"
#include "database_error.h"
#include "demo_folder.h"
#include "transaction.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

namespace {

constexpr demo::DemoSize kSize{100000, 20000};

// Rows in every table of the database, whatever the schema holds.
std::int64_t rowsIn(const QString &path) {
  fb::Connection connection;
  connection.parameters().database = path;
  connection.open();
  fb::Transaction read(connection);
  const fb::ResultSet tables = read.select(QStringLiteral(
      "select trim(rdb$relation_name) from rdb$relations where rdb$system_flag = 0 and rdb$view_blr is null"));
  std::int64_t rows = 0;
  for (const auto &table : tables.rows) {
    const QString count = QStringLiteral("select count(*) from \"%1\"").arg(table[0].toString());
    rows += std::get<std::int64_t>(read.select(count).rows.at(0).at(0).storage());
  }
  return rows;
}

}  // namespace

int main() {
  try {
    QTemporaryDir folder;
    QElapsedTimer clock;
    clock.start();
    const std::clock_t cpuStart = std::clock();
    demo::createDemoFolder(folder.path(), kSize);
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    // The embedded server works in this process: its threads count here too.
    const double cpuSeconds = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const std::int64_t rows = rowsIn(demo::centralDatabasePath(folder.path())) +
                              rowsIn(demo::tutorialDatabasePath(folder.path()));
    std::printf("demo folder of %d components (%d packaging items)\n", kSize.components, kSize.packaging);
    std::printf("  time: %8.2f s  (CPU %.2f s)\n", seconds, cpuSeconds);
    std::printf("  rows: %8lld  (%.0f rows/s)\n", static_cast<long long>(rows), double(rows) / seconds);
  } catch (const EDatabaseError &error) {
    std::fprintf(stderr, "demo_bench: %s\n", qPrintable(error.message()));
    return 1;
  }
  return 0;
}

// Opens the packaging items of a large demo folder through the register's
// dataset and through the raw client layer, stores one change both ways, and
// weighs the held rows against their data. Prints medians and ratios.
#include "connection.h"
#include "database_error.h"
#include "demo_folder.h"
#include "dm.h"
#include "tela_embalagens.h"
#include "transaction.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <type_traits>
#include <variant>
#include <vector>

namespace {

constexpr demo::DemoSize kSize{100000, 20000};
constexpr int kRuns = 7;
const QString kChangedColumn = QStringLiteral("LOTE");

// The screen as the packaging rules see it: shows the current row's
// description and code, so that the blank check passes, and does nothing else.
class TelaMinima : public TelaEmbalagens {
 public:
  explicit TelaMinima(ds::ClientDataSet &componentes) : componentes_(componentes) {}

  void DesabilitaBotoes() override {}
  void HabilitaBotoes() override {}
  void BloqueiaCampos() override {}
  void LiberaCampos() override {}
  bool painelComponentesVisivel() const override { return false; }
  QString textoDescricao() const override { return componentes_.fieldByName(u"COMPONENTE").asString(); }
  void defineTextoDescricao(const QString &) override {}
  bool descricaoAcessivel() const override { return false; }
  void focaDescricao() override {}
  void liberaEdicaoDescricao() override {}
  QString textoCodigo() const override { return componentes_.fieldByName(u"CODIGO").asString(); }

 private:
  ds::ClientDataSet &componentes_;
};

double millisecondsOf(const std::function<void()> &work) {
  QElapsedTimer clock;
  clock.start();
  work();
  return double(clock.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> figures) {
  std::sort(figures.begin(), figures.end());
  const size_t middle = figures.size() / 2;
  return figures.size() % 2 ? figures[middle] : (figures[middle - 1] + figures[middle]) / 2;
}

// Bytes malloc has handed out and not taken back, in every arena.
double heapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return double(info.uordblks + info.hblkhd);
}

// What the values themselves take: a text its Windows-1252 bytes (one per
// character), a number or moment 8 bytes, a flag 1, a null nothing.
double dataBytesOf(const fb::ResultSet &answer) {
  double bytes = 0;
  for (const QList<fb::Value> &row : answer.rows)
    for (const fb::Value &value : row)
      bytes += std::visit(
          [](const auto &cell) -> double {
            using T = std::decay_t<decltype(cell)>;
            if constexpr (std::is_same_v<T, std::monostate>) return 0;
            else if constexpr (std::is_same_v<T, QString>) return double(cell.size());
            else if constexpr (std::is_same_v<T, bool>) return 1;
            else return 8;
          },
          value.storage());
  return bytes;
}

fb::ResultSet rawFetch(fb::Connection &connection, const QString &sql) {
  fb::Transaction read(connection);
  fb::ResultSet answer = read.select(sql);
  read.commit();
  return answer;
}

void printPair(const char *what, const char *ours, double dataset, const char *theirs, double raw, const char *unit,
               double goal) {
  std::printf("%s\n  %-34s %10.2f %s\n  %-34s %10.2f %s\n  ratio %.2fx  (goal <= %.1fx)\n", what, ours, dataset,
              unit, theirs, raw, unit, dataset / raw, goal);
}

void run(const QString &folder) {
  TDM dm;
  TelaMinima tela(dm.Componentes);
  dm.defineTela(&tela);
  dm.sqlcon1.parameters().database = demo::centralDatabasePath(folder);
  dm.sqlcon1.open();
  ds::ClientDataSet &componentes = dm.Componentes;
  const QString select = dm.SQLDS_Componen.text();

  // Warm the page cache and the metadata of both paths before measuring.
  componentes.open();
  componentes.close();
  const fb::ResultSet sample = rawFetch(dm.sqlcon1, select);
  const double rows = double(sample.rows.size());
  const double dataPerRow = dataBytesOf(sample) / rows;

  // Open, alternating the two paths so that drift hits both alike.
  std::vector<double> openDataset, openRaw, heldPerRow, rawHeldPerRow;
  for (int i = 0; i < kRuns; ++i) {
    const double before = heapInUse();
    openDataset.push_back(millisecondsOf([&] { componentes.open(); }));
    heldPerRow.push_back((heapInUse() - before) / componentes.recordCount());
    componentes.close();

    fb::ResultSet answer;
    const double rawBefore = heapInUse();
    openRaw.push_back(millisecondsOf([&] { answer = rawFetch(dm.sqlcon1, select); }));
    rawHeldPerRow.push_back((heapInUse() - rawBefore) / double(answer.rows.size()));
  }

  // One stored change of the current row, each time a new value.
  componentes.open();
  std::vector<double> changeDataset, changeRaw;
  for (int i = 0; i < kRuns; ++i) {
    const QString codigo = componentes.fieldByName(u"CODIGO").asString();
    const QString viaDataset = QStringLiteral("BENCH-D%1").arg(i);
    changeDataset.push_back(millisecondsOf([&] {
      componentes.edit();
      componentes.fieldByName(kChangedColumn).setAsString(viaDataset);
      componentes.post();  // the after-post handler applies and re-reads
    }));
    if (componentes.changeCount() != 0 || componentes.fieldByName(kChangedColumn).asString() != viaDataset ||
        componentes.fieldByName(u"CODIGO").asString() != codigo)
      throw std::runtime_error("the change through the dataset was not stored");

    const QString viaRaw = QStringLiteral("BENCH-R%1").arg(i);
    changeRaw.push_back(millisecondsOf([&] {
      fb::Transaction write(dm.sqlcon1);
      const long long changed = write.execute(
          QStringLiteral("update COMPONEN set %1 = ? where CODIGO = ?").arg(kChangedColumn), {viaRaw, codigo});
      write.commit();
      if (changed != 1) throw std::runtime_error("the raw update changed no row");
      rawFetch(dm.sqlcon1, select);
    }));
  }
  componentes.close();

  std::printf("%d components, %.0f packaging items, %d columns; medians of %d runs\n\n", kSize.components, rows,
              int(sample.columns.size()), kRuns);
  printPair("open Componentes", "dataset open", median(openDataset), "raw fetch (Transaction::select)",
            median(openRaw), "ms", 1.3);
  printPair("one stored change", "edit, post (apply + refresh)", median(changeDataset), "raw update + raw fetch",
            median(changeRaw), "ms", 1.5);
  printPair("memory per packaging row", "held by the open dataset", median(heldPerRow), "bytes of its values",
            dataPerRow, "B", 3.0);
  std::printf("  (for reference, the raw answer holds %.0f B per row)\n", median(rawHeldPerRow));
}

}  // namespace

int main(int argc, char *argv[]) {
  // The rules' message boxes need a GUI application; no screen is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  try {
    QTemporaryDir folder;
    QElapsedTimer clock;
    clock.start();
    demo::createDemoFolder(folder.path(), kSize);
    std::printf("demo folder made in %.1f s\n", double(clock.elapsed()) / 1000);
    run(folder.path());
  } catch (const EDatabaseError &error) {
    std::fprintf(stderr, "dataset_bench: %s\n", qPrintable(error.message()));
    return 1;
  } catch (const std::exception &error) {
    std::fprintf(stderr, "dataset_bench: %s\n", error.what());
    return 1;
  }
  return 0;
}

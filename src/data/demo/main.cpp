// veldorin-demo: makes a demo installation of the register's databases.
#include "database_error.h"
#include "demo_folder.h"

#include <cstdio>
#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

int sizeOption(const QCommandLineParser &parser, const QCommandLineOption &option, int fallback) {
  if (!parser.isSet(option)) return fallback;
  bool ok = false;
  const int value = parser.value(option).toInt(&ok);
  if (!ok) throw std::invalid_argument(QStringLiteral("--%1 takes a whole number").arg(option.names().first()).toStdString());
  return value;
}

}  // namespace

int main(int argc, char *argv[]) {
  QCoreApplication application(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("veldorin-demo"));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Creates <folder>/dados/veldorin.bd and <folder>/TUTORIAL.BD filled with the data of a demo compounding "
      "pharmacy. Existing files are never overwritten."));
  parser.addHelpOption();
  parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("the VELDORIN folder to make"));
  const demo::DemoSize defaults;
  const QCommandLineOption components(QStringLiteral("components"),
                                      QStringLiteral("components of all groups (default %1)").arg(defaults.components),
                                      QStringLiteral("count"));
  const QCommandLineOption packaging(QStringLiteral("packaging"),
                                     QStringLiteral("packaging items among them (default %1)").arg(defaults.packaging),
                                     QStringLiteral("count"));
  parser.addOption(components);
  parser.addOption(packaging);
  parser.process(application);

  if (parser.positionalArguments().size() != 1) {
    std::fprintf(stderr, "%s\n", qPrintable(parser.helpText()));
    return 2;
  }
  const QString folder = parser.positionalArguments().first();
  try {
    const demo::DemoSize size{sizeOption(parser, components, defaults.components),
                              sizeOption(parser, packaging, defaults.packaging)};
    demo::createDemoFolder(folder, size);
  } catch (const EDatabaseError &error) {
    std::fprintf(stderr, "veldorin-demo: %s\n", qPrintable(error.message()));
    return 1;
  } catch (const std::exception &error) {
    std::fprintf(stderr, "veldorin-demo: %s\n", error.what());
    return 1;
  }
  std::printf("Demo databases made in %s\n", qPrintable(folder));
  return 0;
}

// SPDX-License-Identifier: MIT
// The yardstick for orvalin-cli's start-up: a program that starts QtCore and parses
// its command line (three operands and a switch, as `at` takes), prints one line
// and ends. bench/start_time.sh runs it beside orvalin-cli under hyperfine.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  QCommandLineParser parser;
  parser.addHelpOption();
  parser.addOption(QCommandLineOption("json"));
  parser.addPositionalArgument("operands", "YEAR MONTH DAY [HOUR]");
  parser.process(application);
  std::printf("%lld\n", static_cast<long long>(parser.positionalArguments().size()));
  return 0;
}

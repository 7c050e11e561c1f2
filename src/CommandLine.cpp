#include "CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstdio>

#include "ui/AppInfo.h"

namespace {

// Options QApplication takes for itself; they must not be refused here.
QList<QCommandLineOption> qtOwnOptions() {
  QList<QCommandLineOption> options;
  for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                           "qwindowicon", "qwindowtitle", "display", "geometry", "style", "stylesheet", "session",
                           "title", "name"}) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    options.append(option);
  }
  for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
    QCommandLineOption option(QString::fromLatin1(name));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    options.append(option);
  }
  return options;
}

}  // namespace

CommandLine readCommandLine(const QStringList& arguments) {
  const QString program = QFileInfo(arguments.value(0, QStringLiteral("pievorbquarn"))).fileName();
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);  // Qt's own "-style fusion"
  parser.setApplicationDescription(QStringLiteral("Throw cream pies at Vorb Quarn before he sinks back."));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and quit."));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("Show the version and quit."));
  parser.addOption(help);
  parser.addOption(version);
  parser.addOptions(qtOwnOptions());
  parser.addPositionalArgument(QStringLiteral("set-file"),
                               QStringLiteral("Image set (.set or .xet) to start with."), QStringLiteral("[set-file]"));

  CommandLine result;
  const auto fail = [&](const QString& why) {
    std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", qPrintable(program), qPrintable(why),
                 qPrintable(program));
    result.exitCode = 2;
    return result;
  };
  if (!parser.parse(arguments)) return fail(parser.errorText());
  if (parser.isSet(help)) {
    // helpText() names the executable through QCoreApplication, which does not exist yet.
    QString text = parser.helpText();
    text.replace(QRegularExpression(QStringLiteral("^Usage: \\S+")), QStringLiteral("Usage: ") + program);
    std::fputs(qPrintable(text), stdout);
    result.exitCode = 0;
    return result;
  }
  if (parser.isSet(version)) {
    std::printf("%s %s\n", kAppName, kAppVersion);
    result.exitCode = 0;
    return result;
  }
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) return fail(QStringLiteral("only one set file can be given"));
  result.setFile = files.value(0);
  return result;
}

#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstdio>

#include "ui/AppInfo.h"
#include "wizard/MakeSet.h"

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
  parser.setApplicationDescription(
      QCoreApplication::translate("CommandLine", "Throw cream pies at Vorb Quarn before he sinks back."));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QCoreApplication::translate("CommandLine", "Show this help and quit."));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QCoreApplication::translate("CommandLine", "Show the version and quit."));
  const QCommandLineOption makeSet(
      QStringLiteral("make-set"),
      QCoreApplication::translate(
          "CommandLine",
          "Build an image set from the INI manifest MANIFEST and write it to OUT, then quit. The manifest "
          "has three groups; paths are relative to it.\n"
          "[set] title (required), author, email, web, comment, congratulation-prefix, "
          "congratulation-suffix, rating1 ... rating8, page-colour and title-colour (#RRGGBB), tick-mode "
          "(0-5), cursor (1-7 or a picture file), hot-spot (x,y).\n"
          "[pictures] figure and splat (required: the target and splat strips), title, numbers, count, "
          "misc (PNG, JPEG, GIF, BMP, WebP, TIFF; the built-in picture when absent).\n"
          "[sounds] startup, tick, splat, gameover (WAV, FLAC, Ogg, Opus, MP3), tune (MIDI).\n"
          "Put a text holding a comma in double quotes. Warnings go to stderr; on any refusal nothing is "
          "written and the exit code is 1."),
      QStringLiteral("MANIFEST OUT"));
  parser.addOption(help);
  parser.addOption(version);
  parser.addOption(makeSet);
  parser.addOptions(qtOwnOptions());
  parser.addPositionalArgument(QStringLiteral("set-file"),
                               QCoreApplication::translate("CommandLine", "Image set (.set or .xet) to start with."),
                               QStringLiteral("[set-file]"));

  CommandLine result;
  const auto fail = [&](const QString& why) {
    const QString hint =
        QCoreApplication::translate("CommandLine", "Try '%1 --help' for more information.").arg(program);
    std::fprintf(stderr, "%s: %s\n%s\n", qPrintable(program), qPrintable(why), qPrintable(hint));
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
  if (parser.isSet(makeSet)) {
    if (files.size() != 1)
      return fail(QCoreApplication::translate("CommandLine", "--make-set needs a manifest and an output file"));
    result.makeSetManifest = parser.value(makeSet);
    result.makeSetOut = files.front();
    return result;
  }
  if (files.size() > 1) return fail(QCoreApplication::translate("CommandLine", "only one set file can be given"));
  result.setFile = files.value(0);
  return result;
}

int runMakeSet(const CommandLine& commandLine) {
  const MakeSetResult made = makeSetFromManifest(commandLine.makeSetManifest, commandLine.makeSetOut);
  for (const QString& warning : made.warnings)
    std::fprintf(stderr, "%s\n", qPrintable(QCoreApplication::translate("CommandLine", "warning: %1").arg(warning)));
  if (!made.error.isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(made.error));
  return made.exitCode;
}

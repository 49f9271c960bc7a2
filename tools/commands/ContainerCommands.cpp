#include "ContainerCommands.h"

#include "ZLibEngine.h"
#include "ZResult.h"

#include <QCommandLineParser>
#include <QDir>
#include <QTextStream>

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

// Parses args and answers --help; returns the exit code when the command ends here, else -1.
int parse(QCommandLineParser& parser, const QString& command, const QString& usage,
          const QStringList& args, qsizetype minimumPositional)
{
    parser.addHelpOption();
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const bool parsed = parser.parse(QStringList{command} + args);
    if (parsed && parser.isSet(QStringLiteral("help"))) {
        QString help = parser.helpText();
        help.replace(0, help.indexOf(u'\n'), QStringLiteral("Usage: orvel-admin ") + usage);
        out() << help << Qt::flush;
        return kDone;
    }
    if (!parsed || parser.positionalArguments().size() < minimumPositional) {
        err() << "orvel-admin " << command << ": "
              << (parsed ? QStringLiteral("missing arguments") : parser.errorText()) << "\n"
              << "Usage: orvel-admin " << usage << Qt::endl;
        return kUsage;
    }
    return -1;
}

int failure(const QString& command, const QString& container, int code)
{
    err() << "orvel-admin " << command << ": " << container << ": " << ZResult::describe(code)
          << " (code " << code << ")" << Qt::endl;
    return kFailed;
}

}

int runPackCommand(const QStringList& args)
{
    const QString usage = QStringLiteral("pack CONTAINER FILE... [--level N] [--overwrite]");
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Packs files into a compressed container. FILE may be a pattern with *, ? and #."));
    parser.addPositionalArgument(QStringLiteral("container"), QStringLiteral("Container to write."));
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("Files to pack."),
                                 QStringLiteral("FILE..."));
    const QCommandLineOption level(QStringLiteral("level"),
                                   QStringLiteral("Compression level 0-9 (default 6)."),
                                   QStringLiteral("N"), QStringLiteral("6"));
    const QCommandLineOption overwrite(QStringLiteral("overwrite"),
                                       QStringLiteral("Replace an existing container."));
    parser.addOptions({level, overwrite});
    if (const int code = parse(parser, QStringLiteral("pack"), usage, args, 2); code >= 0)
        return code;

    bool numeric = false;
    const int levelValue = parser.value(level).toInt(&numeric);
    if (!numeric || levelValue < 0 || levelValue > 9) {
        err() << "orvel-admin pack: --level must be 0 to 9" << Qt::endl;
        return kUsage;
    }
    QStringList files = parser.positionalArguments();
    const QString container = files.takeFirst();
    ZLibEngine zip;
    for (const QString& file : files) {
        if (!zip.AddFile(QDir::current().absoluteFilePath(file))) {
            err() << "orvel-admin pack: " << file << ": no such file" << Qt::endl;
            return kFailed;
        }
    }
    const int code = zip.Compress(container, parser.isSet(overwrite), int16_t(levelValue));
    if (code != ZResult::Ok)
        return failure(QStringLiteral("pack"), container, code);
    for (int i = 0; i < zip.FileCount(); ++i)
        out() << zip.filename(i) << "\n";
    out() << Qt::flush;
    return kDone;
}

int runUnpackCommand(const QStringList& args)
{
    const QString usage = QStringLiteral("unpack CONTAINER FOLDER [--use-paths] [--no-crc]");
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Unpacks a container into FOLDER, replacing files there. Files that fail their CRC "
        "check are not written."));
    parser.addPositionalArgument(QStringLiteral("container"), QStringLiteral("Container to read."));
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("Output folder."));
    const QCommandLineOption usePaths(QStringLiteral("use-paths"),
                                      QStringLiteral("Recreate the stored folders."));
    const QCommandLineOption noCrc(QStringLiteral("no-crc"),
                                   QStringLiteral("Write files without checking their CRCs."));
    parser.addOptions({usePaths, noCrc});
    if (const int code = parse(parser, QStringLiteral("unpack"), usage, args, 2); code >= 0)
        return code;

    const QStringList positional = parser.positionalArguments();
    const bool checkCrc = !parser.isSet(noCrc);
    ZLibEngine zip;
    const int code = zip.Decompress(positional.at(0), QDir::current().absoluteFilePath(positional.at(1)),
                                    false, checkCrc, checkCrc, false, parser.isSet(usePaths), true);
    if (code != ZResult::Ok)
        return failure(QStringLiteral("unpack"), positional.at(0), code);
    int result = kDone;
    for (int i = 0; i < zip.FileCount(); ++i) {
        if (zip.State(i) == ZEntryState::CrcFailed) {
            err() << "orvel-admin unpack: " << zip.filename(i) << ": CRC check failed, not written"
                  << Qt::endl;
            result = kFailed;
        } else if (zip.State(i) == ZEntryState::Written) {
            out() << zip.filename(i) << "\n";
        }
    }
    out() << Qt::flush;
    return result;
}

int runListCommand(const QStringList& args)
{
    const QString usage = QStringLiteral("list CONTAINER");
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lists the entries of a container: name, size, file CRC, compressed CRC, data size."));
    parser.addPositionalArgument(QStringLiteral("container"), QStringLiteral("Container to read."));
    if (const int code = parse(parser, QStringLiteral("list"), usage, args, 1); code >= 0)
        return code;

    const QString container = parser.positionalArguments().constFirst();
    ZLibEngine zip;
    const int code = zip.Decompress(container, {}, true, false, false, false, false, false);
    if (code != ZResult::Ok)
        return failure(QStringLiteral("list"), container, code);
    out() << "name\tsize\tcrc\tcompressed crc\tdata size\n";
    for (int i = 0; i < zip.FileCount(); ++i)
        out() << zip.filename(i) << "\t" << zip.FileSize(i) << "\t" << zip.Original_Crc32(i) << "\t"
              << zip.Compressed_CRC32(i) << "\t" << zip.Compressed_Size(i) << "\n";
    out() << Qt::flush;
    return kDone;
}

// libFuzzer target: any bytes as a container, unpacked with and without stored paths. Aborts when
// anything is written beside the output folder.
#include "ZLibEngine.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

namespace {

bool onlyContainerAndOutput(const QString& sandbox)
{
    QDirIterator it(sandbox, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        const QString name = QFileInfo(it.next()).fileName();
        if (name != QLatin1String("c.zlc") && name != QLatin1String("out"))
            return false;
    }
    return true;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir sandbox(QDir::tempPath() + QStringLiteral("/zlib-fuzz-XXXXXX"));
    const QString container = sandbox.filePath(QStringLiteral("c.zlc"));
    QFile file(container);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        abort();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();
    for (const bool usePaths : {false, true}) {
        ZLibEngine zip;
        zip.setReadBuf(4096);
        zip.Decompress(container, sandbox.filePath(QStringLiteral("out/x")), false, true, true,
                       false, usePaths, true);
        if (!onlyContainerAndOutput(sandbox.path()))
            abort();
        QDir(sandbox.filePath(QStringLiteral("out"))).removeRecursively();
    }
    return 0;
}

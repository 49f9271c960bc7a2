// Start-up of OrvelMain: until the start-up sequence lands, the program opens the office
// database of its configuration file and says whether that worked.
#include "database/Database.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QFileInfo program(QCoreApplication::applicationFilePath());
    const QString config = QDir(program.absolutePath()).filePath(program.completeBaseName() + QStringLiteral(".exe.Config"));

    Database db;
    if (!db.Open(config, true)) {
        QMessageBox::critical(nullptr, QStringLiteral("错误"), db.LastError().Message);
        return 1;
    }
    const QVariant notes = db.Execute(QStringLiteral("select count(*) from cnote"), 1).Value();
    QMessageBox::information(nullptr, QStringLiteral("提示："),
                             QStringLiteral("办公数据库已打开，共有托运单 %1 张。").arg(notes.toLongLong()));
    return 0;
}

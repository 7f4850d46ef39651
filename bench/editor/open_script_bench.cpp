// Opens a generated script of the given size (default 20 MB) the way the
// Open command does and prints how long it took, best of three.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "CodeBox.h"
#include "DocumentCommands.h"
#include "MainWindowState.h"
#include "ProcessLauncher.h"
#include "ScriptedDialogs.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 20;
    QTemporaryDir dir;
    const QString path = dir.filePath("big.vbs");
    QByteArray line =
        "    result = result & Mid(\"示例文字 sample text\", i Mod 7 + 1, 3) ' 注释\r\n";
    QByteArray bytes;
    bytes.reserve(megabytes * 1024 * 1024 + line.size());
    while (bytes.size() < megabytes * 1024 * 1024) bytes += line;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) return 1;
    f.close();

    double best = 1e9;
    for (int round = 0; round < 3; ++round) {
        CodeBox box;
        box.resize(800, 600);
        box.show();
        MainWindowState state;
        ScriptedDialogs dialogs;
        QtProcessLauncher launcher;
        DocumentCommands docs({nullptr, box, state, dialogs, launcher, {}, [](const QString&) {}});
        QElapsedTimer t;
        t.start();
        if (!docs.openPath(path)) return 1;
        QApplication::processEvents();
        best = std::min(best, t.nsecsElapsed() / 1e6);
    }
    std::printf("open %lld MB script: %.0f ms (best of 3)\n", megabytes, best);
    return 0;
}

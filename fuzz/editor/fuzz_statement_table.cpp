// Feeds arbitrary bytes to the statement library loader as stslist.dat and
// checks the table's invariants.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "StatementTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    {
        QFile f(dir.filePath("stslist.dat"));
        if (!f.open(QIODevice::WriteOnly)) std::abort();
        f.write(reinterpret_cast<const char*>(data), qsizetype(size));
    }
    StatementTable table;
    const auto result = table.load(dir.path());
    if (result == StatementTable::LoadResult::FileMissing) std::abort();
    for (const StatementRecord& r : table.records())
        if (r.Name.contains(u'\r') || r.ScriptPath.contains(QStringLiteral("[apppath]")))
            std::abort();
    return 0;
}

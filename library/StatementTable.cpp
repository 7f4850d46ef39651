#include "StatementTable.h"

#include "TextFile.h"

QString StatementTable::libraryPath(const QString& appFolder) {
    return appFolder + QStringLiteral("/stslist.dat");
}

StatementTable::LoadResult StatementTable::load(const QString& appFolder) {
    const TextFile::ReadResult r = TextFile::read(libraryPath(appFolder));
    if (r.status == TextFile::ReadResult::Status::NotFound) return LoadResult::FileMissing;
    if (!r.ok()) return LoadResult::Failed;
    return loadLines(r.lines, appFolder);
}

StatementTable::LoadResult StatementTable::loadLines(const QStringList& lines,
                                                     const QString& appFolder) {
    records_.reserve(records_.size() + lines.size());
    for (const QString& line : lines) {
        const QStringList pieces = line.split(u',');
        if (pieces.size() < 4) return LoadResult::Failed;
        QString path = pieces[2];
        path.replace(QStringLiteral("[apppath]"), appFolder);
        records_.append({pieces[0], pieces[1], path, pieces[3]});
    }
    return LoadResult::Ok;
}

StatementTable& StatementTable::instance() {
    static StatementTable table;
    return table;
}

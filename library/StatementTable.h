#pragma once
#include <QList>
#include <QString>

struct StatementRecord {
    QString Name;
    QString Description;
    QString ScriptPath;  // "[apppath]" already replaced by the application folder
    QString FunctionLabel;
};

// The statement library in memory, in file order: record i comes from line
// i + 1 of stslist.dat, and list index i always stands for record i.
class StatementTable {
  public:
    enum class LoadResult { Ok, FileMissing, Failed };

    // Reads appFolder + "/stslist.dat". On a faulty line the load stops there;
    // the records before it stay.
    LoadResult load(const QString& appFolder);
    // Same rules, from lines already read (for tests and other sources).
    LoadResult loadLines(const QStringList& lines, const QString& appFolder);

    const QList<StatementRecord>& records() const { return records_; }
    int size() const { return int(records_.size()); }
    const StatementRecord& at(int i) const { return records_.at(i); }
    void clear() { records_.clear(); }

    static QString libraryPath(const QString& appFolder);

    // The one table of the process.
    static StatementTable& instance();

  private:
    QList<StatementRecord> records_;
};

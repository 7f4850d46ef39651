#pragma once
#include <QString>
#include <QStringList>

// Starts programs without waiting for them. Tests put a recording launcher
// in its place.
class ProcessLauncher {
  public:
    virtual ~ProcessLauncher() = default;
    // True when the program was started.
    virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;
    // Our own script host: first beside the editor's executable, then on PATH.
    // Empty when there is none.
    virtual QString findWscript() const;
};

class QtProcessLauncher : public ProcessLauncher {
  public:
    bool startDetached(const QString& program, const QStringList& arguments) override;
};

// The command line as the user would read it: program "argument" ...
QString commandLineFor(const QString& program, const QStringList& arguments);

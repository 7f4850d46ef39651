#pragma once
#include "ProcessLauncher.h"

// Records what would have been started instead of starting it.
class RecordingLauncher : public ProcessLauncher {
  public:
    QStringList commandLines;
    QString wscriptPath = QStringLiteral("/opt/korvelvbs/wscript");
    bool startSucceeds = true;

    bool startDetached(const QString& program, const QStringList& arguments) override {
        commandLines << commandLineFor(program, arguments);
        return startSucceeds;
    }
    QString findWscript() const override { return wscriptPath; }
};

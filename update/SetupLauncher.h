#pragma once
#include <QString>

// Starting the downloaded setup program. The update window takes any
// launcher of this shape, so tests record the command instead of running it.
class SetupLauncher {
  public:
    // Starts the program in its own folder without waiting for it; false when
    // it could not be started.
    static bool start(const QString& program);
    // Files downloaded on Unix-like systems carry no execute bit; adds it for
    // the owner. False when the permissions could not be changed.
    static bool makeExecutable(const QString& program);
};

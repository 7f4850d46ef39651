// The windowed script host: messages, errors and questions in dialogs.
#include <QApplication>

#include "QtHostUi.h"
#include "ScriptHost.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    scripting::QtHostUi ui;
    return scripting::runScriptHost(argc, argv, scripting::Mode::Windowed, &ui);
}

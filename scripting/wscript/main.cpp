// The windowed script host: messages, errors and questions in dialogs.
#include <QApplication>

#include "QtHostUi.h"
#include "ScriptHost.h"
#include "vbscript/value.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    // Its windows speak Chinese, so do the error texts in them.
    vbs::setMessageLanguage(vbs::MessageLanguage::Chinese);
    scripting::QtHostUi ui;
    return scripting::runScriptHost(argc, argv, scripting::Mode::Windowed, &ui);
}

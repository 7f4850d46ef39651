#pragma once
#include <vbscript/engine.h>

#include <QString>
#include <memory>

class DialogServices;

// The editor's script control: one engine that lives as long as its owner
// and is never reset, host objects added by name, code added and run at
// once. MsgBox and InputBox inside scripts go through the dialog services.
class ScriptControl {
  public:
    struct Failure {
        int number = 0;
        QString description;
        QString source;
        int line = 0;
        int column = 0;
        QString sourceLine;
        bool timedOut = false;
    };

    explicit ScriptControl(DialogServices& dialogs);
    ~ScriptControl();
    ScriptControl(const ScriptControl&) = delete;
    ScriptControl& operator=(const ScriptControl&) = delete;

    void AddObject(const QString& name, vbs::Ref<vbs::Object> object);
    // Parses and runs the code. False on any failure (syntax error, unhandled
    // run-time error, failing host call, time-out); lastFailure() then says
    // what happened.
    bool AddCode(const QString& code);
    const Failure& lastFailure() const { return failure_; }

    // Milliseconds of the script's own time per AddCode; time spent in
    // dialogs does not count.
    void setTimeout(int ms) { engine_.setTimeout(ms); }
    int timeout() const { return engine_.timeout(); }
    static constexpr int kDefaultTimeout = 10000;

    vbs::Engine& engine() { return engine_; }

  private:
    class Host;
    std::unique_ptr<Host> host_;
    vbs::Engine engine_;
    Failure failure_;
};

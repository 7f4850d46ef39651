#include "WScriptObject.h"

#include <chrono>
#include <cstdio>
#include <thread>

namespace korvel {

namespace {
// WScript.Arguments: a collection of the command-line arguments.
class ArgumentsObject : public vbs::Object {
  public:
    explicit ArgumentsObject(std::vector<std::u16string> items) : items_(std::move(items)) {}
    void invoke(std::u16string_view name, vbs::InvokeKind, std::span<vbs::Value* const> args,
                vbs::Value& result) override {
        if (vbs::iequals(name, u"Count") || vbs::iequals(name, u"Length")) {
            result = vbs::Value(static_cast<int32_t>(items_.size()));
            return;
        }
        if (name.empty() || vbs::iequals(name, u"Item")) {
            if (args.size() != 1) vbs::throwError(450);
            int32_t i = args[0]->deref().toLong();
            if (i < 0 || static_cast<size_t>(i) >= items_.size()) vbs::throwError(9);
            result = vbs::Value(items_[static_cast<size_t>(i)]);
            return;
        }
        vbs::throwError(438);
    }
    bool enumerate(std::vector<vbs::Value>& out) override {
        for (auto& s : items_) out.emplace_back(s);
        return true;
    }

  private:
    std::vector<std::u16string> items_;
};

std::u16string baseName(const std::u16string& p) {
    size_t cut = p.find_last_of(u"/\\");
    return cut == std::u16string::npos ? p : p.substr(cut + 1);
}
}  // namespace

WScriptObject::WScriptObject(std::u16string scriptPath, std::vector<std::u16string> arguments)
    : path_(std::move(scriptPath)), arguments_(std::move(arguments)) {}

std::u16string WScriptObject::echoText(const vbs::Value& v0) {
    const vbs::Value& v = v0.deref();
    if (v.type() == vbs::vtBoolean) return v.rawBoolean() ? u"-1" : u"0";
    if (v.isNull()) return u"Null";
    return v.toString();
}

void WScriptObject::invoke(std::u16string_view name, vbs::InvokeKind,
                           std::span<vbs::Value* const> args, vbs::Value& result) {
    using vbs::iequals;
    if (iequals(name, u"Echo")) {
        std::u16string line;
        for (size_t i = 0; i < args.size(); ++i) {
            if (i) line += u' ';
            if (!args[i]->deref().isMissing()) line += echoText(*args[i]);
        }
        std::string out = vbs::toUtf8(line);
        out += '\n';
        std::fwrite(out.data(), 1, out.size(), stdout);
        return;
    }
    if (iequals(name, u"Quit")) {
        QuitRequest q;
        if (!args.empty() && !args[0]->deref().isMissing()) q.code = args[0]->deref().toLong();
        std::fflush(stdout);
        throw q;
    }
    if (iequals(name, u"ScriptFullName")) {
        result = vbs::Value(path_);
        return;
    }
    if (iequals(name, u"ScriptName")) {
        result = vbs::Value(baseName(path_));
        return;
    }
    if (iequals(name, u"Arguments")) {
        vbs::Value list(static_cast<vbs::Object*>(new ArgumentsObject(arguments_)));
        if (args.empty()) {
            result = list;
            return;
        }
        list.obj()->invoke(u"", vbs::InvokeKind::Get, args, result);
        return;
    }
    if (iequals(name, u"Sleep")) {
        if (args.size() != 1) vbs::throwError(450);
        int32_t ms = args[0]->deref().toLong();
        if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        return;
    }
    if (iequals(name, u"Name") || name.empty()) {
        result = vbs::Value(u"Windows Script Host");
        return;
    }
    vbs::throwError(438);
}

}  // namespace korvel

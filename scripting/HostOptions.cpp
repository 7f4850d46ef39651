#include "HostOptions.h"

#include <cstdlib>

#include "vbscript/value.h"

namespace scripting {

namespace {

bool parseTimeout(const std::u16string& text, int& seconds) {
    if (text.empty() || text.size() > 5) return false;
    int v = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') return false;
        v = v * 10 + (c - u'0');
    }
    seconds = v;
    return true;
}

// Applies one "//" option; false when it is unknown or malformed.
bool applyOption(HostOptions& o, const std::u16string& word) {
    std::u16string opt = vbs::toLower(word.substr(2));
    if (opt == u"b")
        o.batch = true;
    else if (opt == u"i")
        o.batch = false;
    else if (opt == u"nologo")
        o.nologo = true;
    else if (opt == u"logo")
        o.logo = true;
    else if (opt == u"?")
        o.usage = true;
    else if (opt == u"u" || opt == u"e:vbscript" || opt == u"e:vbs") {
        // Output is always Unicode (UTF-8) and the engine is always VBScript.
    } else if (opt.starts_with(u"t:")) {
        return parseTimeout(opt.substr(2), o.timeoutSeconds);
    } else {
        return false;
    }
    return true;
}

}  // namespace

HostOptions HostOptions::parse(int argc, const char* const* argv) {
    HostOptions o;
    for (int i = 1; i < argc; ++i) {
        std::u16string word = vbs::fromUtf8(argv[i]);
        if (word.starts_with(u"//")) {
            if (!applyOption(o, word) && o.error.empty()) {
                o.error = u"无法识别的宿主选项“" + word + u"”。";
            }
        } else if (o.script.empty()) {
            o.script = argv[i];
        } else {
            o.arguments.push_back(word);
        }
    }
    return o;
}

std::u16string HostOptions::usageText(const std::u16string& program) {
    return u"用法：" + program +
           u" [宿主选项...] 脚本文件.vbs [脚本参数...]\n"
           u"\n"
           u"宿主选项（以 // 开头，可放在任意位置）：\n"
           u"  //B       批处理模式：不显示错误窗口和提示，MsgBox 与 InputBox 立即返回默认答案\n"
           u"  //I       交互模式（默认）\n"
           u"  //Logo    显示标志\n"
           u"  //Nologo  不显示标志\n"
           u"  //T:nn    超时：脚本运行超过 nn 秒即被终止\n"
           u"  //?       显示本帮助\n"
           u"\n"
           u"脚本参数以 /名称:值 的形式写出时，脚本可从 WScript.Arguments.Named 中读取。";
}

}  // namespace scripting

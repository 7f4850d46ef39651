// The texts of the engine's error numbers in the two languages it speaks.
#include <atomic>
#include <cstdlib>

#include "vbscript/value.h"

namespace vbs {

namespace {

struct ErrorText {
    int32_t number;
    const char16_t* english;
    const char16_t* chinese;
};

// English as the language reference words them; Chinese as a Chinese system shows them.
const ErrorText kErrorTexts[] = {
    {3, u"Return without GoSub", u"无 GoSub 返回"},
    {5, u"Invalid procedure call or argument", u"无效的过程调用或参数"},
    {6, u"Overflow", u"溢出"},
    {7, u"Out of memory", u"内存不够"},
    {9, u"Subscript out of range", u"下标越界"},
    {10, u"This array is fixed or temporarily locked", u"该数组为定长的或临时被锁定"},
    {11, u"Division by zero", u"被零除"},
    {13, u"Type mismatch", u"类型不匹配"},
    {14, u"Out of string space", u"字符串空间不够"},
    {17, u"Can't perform requested operation", u"不能执行所需的操作"},
    {28, u"Out of stack space", u"堆栈溢出"},
    {35, u"Sub or Function not defined", u"未定义 Sub 或 Function"},
    {48, u"Error in loading DLL", u"加载 DLL 时出错"},
    {51, u"Internal error", u"内部错误"},
    {52, u"Bad file name or number", u"错误的文件名或号码"},
    {53, u"File not found", u"文件未找到"},
    {54, u"Bad file mode", u"错误的文件模式"},
    {55, u"File already open", u"文件已打开"},
    {57, u"Device I/O error", u"设备 I/O 错误"},
    {58, u"File already exists", u"文件已存在"},
    {61, u"Disk full", u"磁盘已满"},
    {62, u"Input past end of file", u"输入超出文件尾"},
    {67, u"Too many files", u"文件过多"},
    {68, u"Device unavailable", u"设备不可用"},
    {70, u"Permission denied", u"没有权限"},
    {71, u"Disk not ready", u"磁盘未准备好"},
    {74, u"Can't rename with different drive", u"不能用其他磁盘机重命名"},
    {75, u"Path/File access error", u"路径/文件访问错误"},
    {76, u"Path not found", u"路径未找到"},
    {91, u"Object variable not set", u"对象变量未设置"},
    {92, u"For loop not initialized", u"For 循环未初始化"},
    {94, u"Invalid use of Null", u"无效使用 Null"},
    {322, u"Can't create necessary temporary file", u"不能创建所需的临时文件"},
    {424, u"Object required", u"缺少对象"},
    {429, u"ActiveX component can't create object", u"ActiveX 部件不能创建对象"},
    {430, u"Class doesn't support Automation", u"类不支持自动化操作"},
    {432, u"File name or class name not found during Automation operation", u"在自动化操作中找不到文件名或类名"},
    {438, u"Object doesn't support this property or method", u"对象不支持此属性或方法"},
    {440, u"Automation error", u"自动化错误"},
    {445, u"Object doesn't support this action", u"对象不支持此操作"},
    {446, u"Object doesn't support named arguments", u"对象不支持命名参数"},
    {447, u"Object doesn't support current locale setting", u"对象不支持当前区域设置"},
    {448, u"Named argument not found", u"未找到命名参数"},
    {449, u"Argument not optional", u"参数不是可选的"},
    {450, u"Wrong number of arguments or invalid property assignment", u"错误的参数个数或无效的参数属性值"},
    {451, u"Object not a collection", u"对象不是一个集合"},
    {453, u"Specified DLL function not found", u"找不到指定的 DLL 函数"},
    {457, u"This key is already associated with an element of this collection", u"此键已经与该集合的一个元素相关联"},
    {458, u"Variable uses an Automation type not supported in VBScript", u"变量使用了 VBScript 不支持的自动化类型"},
    {462, u"The remote server machine does not exist or is unavailable", u"远程服务器机器不存在或不可用"},
    {481, u"Invalid picture", u"无效图片"},
    {500, u"Variable is undefined", u"变量未定义"},
    {501, u"Illegal assignment", u"非法赋值"},
    {502, u"Object not safe for scripting", u"对象不能安全用于脚本编程"},
    {503, u"Object not safe for initializing", u"对象不能安全初始化"},
    {504, u"Object not safe for creating", u"对象不能安全创建"},
    {505, u"Invalid or unqualified reference", u"无效的或不合格的引用"},
    {506, u"Class not defined", u"类没有定义"},
    {507, u"An exception occurred", u"发生异常"},
    {1001, u"Out of memory", u"内存不够"},
    {1002, u"Syntax error", u"语法错误"},
    {1003, u"Expected ':'", u"缺少 ':'"},
    {1005, u"Expected '('", u"缺少 '('"},
    {1006, u"Expected ')'", u"缺少 ')'"},
    {1007, u"Expected ']'", u"缺少 ']'"},
    {1010, u"Expected identifier", u"缺少标识符"},
    {1011, u"Expected '='", u"缺少 '='"},
    {1012, u"Expected 'If'", u"缺少 'If'"},
    {1013, u"Expected 'To'", u"缺少 'To'"},
    {1014, u"Expected 'End'", u"缺少 'End'"},
    {1015, u"Expected 'Function'", u"缺少 'Function'"},
    {1016, u"Expected 'Sub'", u"缺少 'Sub'"},
    {1017, u"Expected 'Then'", u"缺少 'Then'"},
    {1018, u"Expected 'Wend'", u"缺少 'Wend'"},
    {1019, u"Expected 'Loop'", u"缺少 'Loop'"},
    {1020, u"Expected 'Next'", u"缺少 'Next'"},
    {1021, u"Expected 'Case'", u"缺少 'Case'"},
    {1022, u"Expected 'Select'", u"缺少 'Select'"},
    {1023, u"Expected expression", u"缺少表达式"},
    {1024, u"Expected statement", u"缺少语句"},
    {1025, u"Expected end of statement", u"语句未结束"},
    {1026, u"Expected integer constant", u"缺少整数常量"},
    {1027, u"Expected 'While' or 'Until'", u"缺少 'While' 或 'Until'"},
    {1028, u"Expected 'While', 'Until' or end of statement", u"缺少 'While'、'Until' 或语句未结束"},
    {1029, u"Expected 'With'", u"缺少 'With'"},
    {1030, u"Identifier too long", u"标识符太长"},
    {1031, u"Invalid number", u"无效的数字"},
    {1032, u"Invalid character", u"无效字符"},
    {1033, u"Unterminated string constant", u"未结束的字符串常量"},
    {1034, u"Unterminated comment", u"未结束的注释"},
    {1037, u"Invalid use of 'Me' keyword", u"无效使用关键字 'Me'"},
    {1038, u"'loop' without 'do'", u"'loop' 缺少 'do'"},
    {1039, u"Invalid 'exit' statement", u"无效的 'exit' 语句"},
    {1040, u"Invalid 'for' loop control variable", u"无效的 'for' 循环控制变量"},
    {1041, u"Name redefined", u"名称重定义"},
    {1042, u"Must be first statement on the line", u"必须是行中的第一条语句"},
    {1043, u"Cannot assign to non-ByVal argument", u"不能给非 ByVal 参数赋值"},
    {1044, u"Cannot use parentheses when calling a Sub", u"调用 Sub 时不能使用括号"},
    {1045, u"Expected literal constant", u"缺少文字常量"},
    {1046, u"Expected 'In'", u"缺少 'In'"},
    {1047, u"Expected 'Class'", u"缺少 'Class'"},
    {1048, u"Must be defined inside a Class", u"必须在类的内部定义"},
    {1049, u"Expected Let or Set or Get in property declaration", u"属性声明中缺少 Let、Set 或 Get"},
    {1050, u"Expected 'Property'", u"缺少 'Property'"},
    {1051, u"Number of arguments must be consistent across properties specification", u"各个属性声明中的参数个数必须一致"},
    {1052, u"Cannot have multiple default property/method in a Class", u"类中不能有多个默认属性或方法"},
    {1053, u"Class initialize or terminate do not have arguments", u"类的初始化或终止过程不能有参数"},
    {1054, u"Property set or let must have at least one argument", u"Property Set 或 Let 至少要有一个参数"},
    {1055, u"Unexpected 'Next'", u"多余的 'Next'"},
    {1056, u"'Default' can be specified only on 'Property Get'", u"只能在 'Property Get' 上指定 'Default'"},
    {1057, u"'Default' specification must also specify 'Public'", u"指定 'Default' 时必须同时指定 'Public'"},
    {1058, u"'Default' specification can only be on Property Get", u"只能在 Property Get 上指定 'Default'"},
    {5016, u"Regular Expression object expected", u"缺少正则表达式对象"},
    {5017, u"Syntax error in regular expression", u"正则表达式语法错误"},
    {5018, u"Unexpected quantifier", u"意外的量词"},
    {5019, u"Expected ']' in regular expression", u"正则表达式中缺少 ']'"},
    {5020, u"Expected ')' in regular expression", u"正则表达式中缺少 ')'"},
    {5021, u"Invalid range in character set", u"字符集中的范围无效"},
    {32811, u"Element not found", u"未找到元素"},
    {kErrTimeout, u"Script timed out", u"脚本运行超时"},
};

MessageLanguage languageFromEnvironment() {
    for (const char* var : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(var);
        if (value && *value) {
            return (value[0] == 'z' || value[0] == 'Z') && (value[1] == 'h' || value[1] == 'H')
                       ? MessageLanguage::Chinese
                       : MessageLanguage::English;
        }
    }
    return MessageLanguage::English;
}

// 0 until decided, then 1 + the language.
std::atomic<int> g_language{0};

}  // namespace

MessageLanguage messageLanguage() {
    int v = g_language.load();
    if (v == 0) {
        v = 1 + static_cast<int>(languageFromEnvironment());
        g_language.store(v);
    }
    return static_cast<MessageLanguage>(v - 1);
}

void setMessageLanguage(MessageLanguage language) {
    g_language.store(1 + static_cast<int>(language));
}

std::u16string errorDescription(int32_t n) {
    const bool chinese = messageLanguage() == MessageLanguage::Chinese;
    for (const ErrorText& e : kErrorTexts) {
        if (e.number == n) return chinese ? e.chinese : e.english;
    }
    return {};
}

std::u16string unknownErrorDescription() {
    return messageLanguage() == MessageLanguage::Chinese ? u"未知的运行时错误"
                                                         : u"Unknown runtime error";
}

}  // namespace vbs

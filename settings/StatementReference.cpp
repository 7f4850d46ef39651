#include "StatementReference.h"

#include <initializer_list>

namespace StatementReference {

namespace {

struct Raw {
    const char* name;
    const char* summary;
    const char* syntax;
    std::initializer_list<std::pair<const char*, const char*>> arguments;
    const char* remarks;
    const char* example;
};

QString u(const char* s) { return QString::fromUtf8(s); }

Entry make(const Raw& r) {
    Entry e;
    e.name = u(r.name);
    e.title = e.name + QStringLiteral(" 语句");
    e.summary = u(r.summary);
    e.syntax = u(r.syntax);
    for (const auto& [name, meaning] : r.arguments) e.arguments.append({u(name), u(meaning)});
    e.remarks = u(r.remarks);
    e.example = u(r.example);
    return e;
}

// clang-format off
const Raw kEntries[] = {
{"Call", "把控制权交给一个 Sub 过程或 Function 过程。",
R"([Call] name [argumentlist])",
{{"Call", "可选的关键字。写了 Call，argumentlist 就必须放在括号里。"},
 {"name", "必选。要调用的过程名。"},
 {"argumentlist", "可选。传给过程的变量、数组或表达式，彼此用逗号隔开。"}},
R"(调用过程时并不一定要写 Call。如果写了 Call，参数列表必须用括号括起来；不写 Call 时，参数列表两边也不要加括号。

用 Call 调用一个函数时，函数的返回值被丢弃。)",
R"(Call ShowNumber(1)    ' 写了 Call，参数要加括号
ShowNumber 2          ' 不写 Call，参数不加括号

Sub ShowNumber(n)
    MsgBox "参数是 " & n
End Sub)"},

{"Class", "声明一个类：类名，以及组成这个类的变量、属性和方法。",
R"(Class name
    statements
End Class)",
{{"name", "必选。类名，遵循普通变量的命名规则。"},
 {"statements", "必选。一条或多条语句，定义类的变量、属性（Property Get、Property Let、Property Set）和方法（Sub、Function）。"}},
R"(类的成员用 Public 或 Private 声明为公有或私有；没有写明的成员默认是公有的。类的外部只能访问公有成员。

类中可以写名为 Class_Initialize 的 Sub，它在创建实例时自动运行；名为 Class_Terminate 的 Sub 在实例被释放时自动运行。

用 Set 和 New 创建类的实例，例如 Set obj = New name。类不能嵌套定义，也不能写在过程里面。)",
R"(Class Counter
    Private mCount

    Private Sub Class_Initialize
        mCount = 0
    End Sub

    Public Sub Add()
        mCount = mCount + 1
    End Sub

    Public Property Get Value
        Value = mCount
    End Property
End Class

Dim c
Set c = New Counter
c.Add
c.Add
MsgBox c.Value    ' 显示 2)"},

{"Const", "声明常数，用一个名字代替字面值。",
R"([Public | Private] Const constname = expression)",
{{"Public", "可选。在脚本级使用，声明的常数在所有过程中都可以使用。不能在过程中使用。"},
 {"Private", "可选。在脚本级使用，声明的常数只在声明它的脚本中可以使用。不能在过程中使用。"},
 {"constname", "必选。常数的名字，遵循普通变量的命名规则。"},
 {"expression", "必选。常数的值，必须是字面值：数字（可以带负号）、字符串、日期、True 或 False 等。"}},
R"(常数默认是公有的。在过程中声明的常数只在该过程中有效。

一行可以声明多个常数，彼此用逗号隔开。常数的值只能是字面值，不能是变量、函数调用（包括 Chr 之类的内部函数）或运算式。

常数声明之后就不能再给它赋值。给常数起一个容易辨认的名字（例如全用大写），可以让它与变量区分开。)",
R"(Const APP_NAME = "我的工具"
Const MAX_COUNT = 100, MIN_COUNT = 1
MsgBox APP_NAME & "：最多 " & MAX_COUNT & " 项")"},

{"Dim", "声明变量并为它分配存储空间。",
R"(Dim varname[([subscripts])][, varname[([subscripts])]] . . .)",
{{"varname", "变量名，遵循普通变量的命名规则。"},
 {"subscripts", "数组变量的各维上界，彼此用逗号隔开，最多 60 维。每一维的下界总是 0。"}},
R"(在脚本级用 Dim 声明的变量在脚本的所有过程中都可以使用；在过程级声明的变量只在该过程中可以使用。

写一对空括号可以声明动态数组，以后在过程中用 ReDim 语句定义它的维数和各维大小。

变量在声明后的初值是 Empty：当作数值时为 0，当作字符串时为空字符串（""）。)",
R"(Dim names(9)        ' 有 10 个元素的数组
Dim values()        ' 动态数组，用 ReDim 定大小
Dim total, count    ' 一次声明两个变量)"},

{"Do...Loop", "当条件为 True 时，或在条件变为 True 之前，重复执行一组语句。",
R"(Do [{While | Until} condition]
    [statements]
    [Exit Do]
    [statements]
Loop

或者：

Do
    [statements]
    [Exit Do]
    [statements]
Loop [{While | Until} condition])",
{{"condition", "数值或字符串表达式，值为 True 或 False。值为 Null 时当作 False。"},
 {"statements", "条件成立（While）或不成立（Until）时重复执行的语句。"}},
R"(条件写在 Do 后面时，先判断后执行，循环体可能一次也不执行；条件写在 Loop 后面时，先执行后判断，循环体至少执行一次。

Exit Do 只能用在 Do...Loop 中，用来提前结束循环，通常放在 If 语句里。在嵌套的循环中，Exit Do 只结束它所在的那一层循环。)",
R"(Dim i
i = 0
Do While i < 10
    i = i + 1
    If i = 5 Then Exit Do
Loop
MsgBox i    ' 显示 5)"},

{"Erase", "清除固定大小数组的元素，释放动态数组占用的存储空间。",
R"(Erase array)",
{{"array", "要清除的数组变量名。"}},
R"(对固定大小的数组，Erase 把每个元素都恢复为 Empty，数组的大小不变。

对动态数组，Erase 释放它占用的存储空间；再次使用这个数组之前，必须先用 ReDim 重新定义它的大小。)",
R"(Dim fixedList(9)
Dim dynamicList()
ReDim dynamicList(9)
fixedList(0) = 5
Erase fixedList      ' 每个元素都恢复为 Empty，仍有 10 个元素
Erase dynamicList    ' 释放存储空间，再用前要先 ReDim)"},

{"Execute", "执行一条或多条以字符串给出的语句。",
R"(Execute statement)",
{{"statement", "字符串表达式，包含要执行的一条或多条语句。多条语句之间用冒号或换行隔开。"}},
R"(在 VBScript 中，x = y 既可以理解为赋值语句，也可以理解为比较表达式。Execute 总是把它当作语句来执行（赋值）；要把它当作表达式求值，请用 Eval 函数。

语句在调用 Execute 的地方的作用域中执行：在过程中调用时，可以使用该过程的局部变量，新声明的变量和过程也属于这个作用域。要总在全局作用域中执行，请用 ExecuteGlobal 语句。)",
R"(Dim x
x = "全局的 x"

Sub Demo
    Dim x
    x = "局部的 x"
    Execute "MsgBox x"    ' 显示“局部的 x”
End Sub

Demo
Execute "x = 10 : x = x * 2"
MsgBox x    ' 显示 20)"},

{"ExecuteGlobal", "在脚本的全局作用域中执行一条或多条以字符串给出的语句。",
R"(ExecuteGlobal statement)",
{{"statement", "字符串表达式，包含要执行的一条或多条语句。多条语句之间用冒号或换行隔开。"}},
R"(不论在什么地方调用，ExecuteGlobal 都在全局作用域中执行语句，因此可以在运行时为脚本添加新的变量、过程和类。

如果新代码定义的过程与已有的全局过程同名，新定义会代替原来的定义。)",
R"(Dim x
x = "全局的 x"

Sub Demo
    Dim x
    x = "局部的 x"
    ExecuteGlobal "MsgBox x"    ' 显示“全局的 x”
End Sub

Demo
ExecuteGlobal "Function Twice(n) : Twice = n * 2 : End Function"
MsgBox Twice(21)    ' 显示 42)"},

{"Exit", "提前退出 Do...Loop、For...Next、Function、Sub 或 Property 代码块。",
R"(Exit Do
Exit For
Exit Function
Exit Property
Exit Sub)",
{},
R"(Exit Do：退出 Do...Loop 循环，从 Loop 后面的语句继续执行。只能用在 Do...Loop 中；在嵌套的循环中只退出所在的那一层。

Exit For：退出 For...Next 或 For Each...Next 循环，从 Next 后面的语句继续执行。在嵌套的循环中只退出所在的那一层。

Exit Function：立即退出所在的 Function 过程，从调用它的地方继续执行。

Exit Property：立即退出所在的 Property 过程，从调用它的地方继续执行。

Exit Sub：立即退出所在的 Sub 过程，从调用它的地方继续执行。)",
R"(Function FindIndex(list, value)
    Dim i
    FindIndex = -1
    For i = 0 To UBound(list)
        If list(i) = value Then
            FindIndex = i
            Exit Function    ' 找到了，不必再找
        End If
    Next
End Function

MsgBox FindIndex(Array(3, 7, 9), 7)    ' 显示 1)"},

{"For Each...Next", "对数组或集合中的每个元素重复执行一组语句。",
R"(For Each element In group
    [statements]
    [Exit For]
    [statements]
Next)",
{{"element", "用来依次取得集合或数组中每个元素的变量。"},
 {"group", "对象集合或数组的名字。"},
 {"statements", "对 group 中的每个元素执行的一条或多条语句。"}},
R"(group 中至少有一个元素时才进入循环。循环体对第一个元素执行之后，再依次对其余元素执行，全部处理完后从 Next 后面的语句继续执行。

循环中可以用 Exit For 提前退出。For Each...Next 可以嵌套，但每一层的 element 必须是不同的变量。

element 得到的是元素值的副本：在循环中给 element 赋值，不会改变数组中的元素。)",
R"(Dim fruits, f, text
fruits = Array("苹果", "香蕉", "橙子")
For Each f In fruits
    text = text & f & vbCrLf
Next
MsgBox text)"},

{"For...Next", "按指定的次数重复执行一组语句。",
R"(For counter = start To end [Step step]
    [statements]
    [Exit For]
    [statements]
Next)",
{{"counter", "用作循环计数器的数值变量，不能是数组元素或对象的属性。"},
 {"start", "counter 的初值。"},
 {"end", "counter 的终值。"},
 {"step", "每循环一次 counter 的增量，可以是负数。省略时为 1。"},
 {"statements", "For 和 Next 之间重复执行的语句。"}},
R"(step 为正数或 0 时，只要 counter 小于或等于 end 就执行循环体；step 为负数时，只要 counter 大于或等于 end 就执行循环体。每执行完一次循环体，counter 加上 step。

循环开始后再改变 start、end 或 step 的值，不影响循环的次数。可以用 Exit For 提前退出循环。)",
R"(Dim i, total
total = 0
For i = 1 To 10 Step 2
    total = total + i
Next
MsgBox total    ' 1 + 3 + 5 + 7 + 9，显示 25)"},

{"Function", "声明 Function 过程：名字、参数以及组成函数体的代码。",
R"([Public [Default] | Private] Function name [(arglist)]
    [statements]
    [name = expression]
    [Exit Function]
    [statements]
    [name = expression]
End Function)",
{{"Public", "可选。过程在所有脚本的所有过程中都可以使用。"},
 {"Default", "可选。只能与类中的 Public 一起使用，表示这个过程是类的默认方法。一个类只能有一个默认方法。"},
 {"Private", "可选。过程只在声明它的脚本（或类）中可以使用。"},
 {"name", "必选。函数名，遵循普通变量的命名规则。"},
 {"arglist", "可选。调用时传给函数的参数，彼此用逗号隔开，每个参数的形式为 [ByVal | ByRef] varname[( )]。ByVal 表示按值传递，ByRef 表示按引用传递；都不写时按引用传递。"},
 {"statements", "可选。函数体中执行的语句。"},
 {"expression", "可选。函数的返回值。"}},
R"(没有写 Public 或 Private 时，函数默认是公有的。函数中的变量默认是局部的。

给函数名赋值就是设置返回值；如果一直没有赋值，函数返回 Empty。要返回对象，必须用 Set 给函数名赋值。

函数可以用在表达式中，也可以像 Sub 一样单独调用（此时返回值被丢弃）。Function 不能定义在另一个过程里面。)",
R"(Function Square(n)
    Square = n * n
End Function

MsgBox Square(12)    ' 显示 144)"},

{"If...Then...Else", "根据表达式的值，有条件地执行一组语句。",
R"(If condition Then statements [Else elsestatements]

或者使用块形式：

If condition Then
    [statements]
[ElseIf condition-n Then
    [elseifstatements]] . . .
[Else
    [elsestatements]]
End If)",
{{"condition", "数值或字符串表达式，值为 True 或 False。值为 Null 时当作 False。"},
 {"statements", "condition 为 True 时执行的语句。"},
 {"condition-n", "ElseIf 的条件，含义与 condition 相同。"},
 {"elseifstatements", "对应的 condition-n 为 True 时执行的语句。"},
 {"elsestatements", "前面的条件都不为 True 时执行的语句。"}},
R"(单行形式适合简短的判断；块形式结构更清楚，也便于阅读和修改。单行形式中可以用冒号隔开多条语句。

块形式的 If 必须是该行的第一条语句，并以 End If 结束。依次判断 condition 和各个 condition-n，只执行第一个为 True 的条件后面的语句；都不为 True 时执行 Else 部分。)",
R"(Dim score, grade
score = 85
If score >= 90 Then
    grade = "优秀"
ElseIf score >= 60 Then
    grade = "及格"
Else
    grade = "不及格"
End If
MsgBox grade    ' 显示“及格”)"},

{"On Error", "启用或停用错误处理。",
R"(On Error Resume Next
On Error GoTo 0)",
{},
R"(没有启用错误处理时，任何运行时错误都会显示错误信息并停止脚本。

On Error Resume Next 让脚本在出错时跳过出错的语句，从紧随其后的语句继续执行。它只在所在的过程中有效；可以在出错的地方之后检查 Err 对象的 Number 和 Description，了解发生了什么错误，再用 Err.Clear 清除。

On Error GoTo 0 停用当前过程中的错误处理，此后的错误又会停止脚本。)",
R"(On Error Resume Next
Dim n
n = 1 / 0
If Err.Number <> 0 Then
    MsgBox "出错了：" & Err.Description
    Err.Clear
End If
On Error GoTo 0)"},

{"Option Explicit", "要求脚本中的所有变量都必须先声明后使用。",
R"(Option Explicit)",
{},
R"(Option Explicit 必须写在脚本中所有其他语句的前面。

使用 Option Explicit 之后，所有变量都必须用 Dim、Private、Public 或 ReDim 语句声明；使用没有声明的变量会产生“变量未定义”错误。

这样可以及早发现变量名的拼写错误，避免把拼错的名字当成一个新的空变量。)",
R"(Option Explicit
Dim total
total = 10
totl = 20    ' 出错：变量未定义（拼写错误被发现了）)"},

{"Private", "在脚本级声明私有变量并为它分配存储空间。",
R"(Private varname[([subscripts])][, varname[([subscripts])]] . . .)",
{{"varname", "变量名，遵循普通变量的命名规则。"},
 {"subscripts", "数组变量的各维上界，彼此用逗号隔开，最多 60 维。每一维的下界总是 0。"}},
R"(Private 变量只能在声明它的脚本中使用；在类中声明时，只能在类的内部使用。

Private 语句只能用在脚本级或类中，不能用在过程里。写一对空括号可以声明动态数组，以后用 ReDim 定义大小。)",
R"(Private counter          ' 私有变量
Private items(9)         ' 私有数组
Private first, last      ' 一次声明两个私有变量)"},

{"Property Get", "在类中声明用来读取属性值的 Property 过程。",
R"([Public [Default] | Private] Property Get name [(arglist)]
    [statements]
    [[Set] name = expression]
    [Exit Property]
    [statements]
    [[Set] name = expression]
End Property)",
{{"Public", "可选。属性在类的外部也可以读取。"},
 {"Default", "可选。只能与 Public 一起使用，表示这是类的默认属性。"},
 {"Private", "可选。属性只能在类的内部读取。"},
 {"name", "必选。属性名。与同名的 Property Let 或 Property Set 过程共用一个名字。"},
 {"arglist", "可选。参数列表，写法与 Function 相同。"},
 {"statements", "可选。过程体中执行的语句。"},
 {"expression", "可选。属性的值。"}},
R"(Property Get 只能写在 Class 块中。读取属性时调用它，给属性名赋的值就是读到的值；返回对象时要用 Set 赋值。

只有 Property Get 而没有 Property Let 或 Property Set 的属性是只读属性。)",
R"(Class Person
    Private mName

    Public Property Get Name
        Name = mName
    End Property

    Public Property Let Name(value)
        mName = value
    End Property
End Class

Dim p
Set p = New Person
p.Name = "张三"
MsgBox p.Name    ' 显示“张三”)"},

{"Property Let", "在类中声明用来给属性赋值的 Property 过程。",
R"([Public | Private] Property Let name ([arglist,] value)
    [statements]
    [Exit Property]
    [statements]
End Property)",
{{"Public", "可选。属性在类的外部也可以赋值。"},
 {"Private", "可选。属性只能在类的内部赋值。"},
 {"name", "必选。属性名。与同名的 Property Get 过程共用一个名字。"},
 {"arglist", "可选。其余参数，写法与 Function 相同。"},
 {"value", "必选。接收所赋的值的参数，也就是赋值语句等号右边的值。"},
 {"statements", "可选。过程体中执行的语句。"}},
R"(Property Let 只能写在 Class 块中，至少要有一个参数。执行 对象.属性 = 值 这样的赋值语句时调用它，等号右边的值传给最后一个参数。

同名的 Property Let 比 Property Get 多一个参数。在过程中可以检查所赋的值，不合适时用 Err.Raise 报告错误。)",
R"(Class Thermometer
    Private mCelsius

    Public Property Let Celsius(value)
        If value < -273.15 Then Err.Raise 5    ' 低于绝对零度，无效
        mCelsius = value
    End Property

    Public Property Get Fahrenheit
        Fahrenheit = mCelsius * 9 / 5 + 32
    End Property
End Class

Dim t
Set t = New Thermometer
t.Celsius = 100
MsgBox t.Fahrenheit    ' 显示 212)"},

{"Property Set", "在类中声明用来给属性设置对象引用的 Property 过程。",
R"([Public | Private] Property Set name ([arglist,] reference)
    [statements]
    [Exit Property]
    [statements]
End Property)",
{{"Public", "可选。属性在类的外部也可以设置。"},
 {"Private", "可选。属性只能在类的内部设置。"},
 {"name", "必选。属性名。与同名的 Property Get 过程共用一个名字。"},
 {"arglist", "可选。其余参数，写法与 Function 相同。"},
 {"reference", "必选。接收对象引用的参数，也就是 Set 语句等号右边的对象。"},
 {"statements", "可选。过程体中执行的语句。"}},
R"(Property Set 只能写在 Class 块中。它与 Property Let 相似，区别是它接收的是对象引用：执行 Set 对象.属性 = 另一个对象 时调用它。

在过程中保存对象引用时，同样要用 Set 语句。)",
R"(Class Label
    Public Text
End Class

Class Holder
    Private mItem

    Public Property Set Item(obj)
        Set mItem = obj
    End Property

    Public Property Get Item
        Set Item = mItem
    End Property
End Class

Dim h, l
Set l = New Label
l.Text = "工具箱"
Set h = New Holder
Set h.Item = l
MsgBox h.Item.Text    ' 显示“工具箱”)"},

{"Public", "在脚本级声明公有变量并为它分配存储空间。",
R"(Public varname[([subscripts])][, varname[([subscripts])]] . . .)",
{{"varname", "变量名，遵循普通变量的命名规则。"},
 {"subscripts", "数组变量的各维上界，彼此用逗号隔开，最多 60 维。每一维的下界总是 0。"}},
R"(Public 变量在所有脚本的所有过程中都可以使用；在类中声明时，是类的公有成员，类的外部也可以访问。

Public 语句只能用在脚本级或类中，不能用在过程里。写一对空括号可以声明动态数组，以后用 ReDim 定义大小。)",
R"(Public userName          ' 公有变量
Public scores(4)         ' 公有数组，5 个元素
Public width, height     ' 一次声明两个公有变量)"},

{"Randomize", "初始化随机数生成器。",
R"(Randomize [number])",
{{"number", "可选。任何数值表达式，作为随机数生成器的新种子。"}},
R"(Randomize 用 number 为 Rnd 函数的随机数生成器设定新的种子；省略 number 时，用系统计时器的值作为种子，每次运行得到的数列都不同。

脚本开始使用 Rnd 之前，应先调用一次 Randomize，否则每次运行可能得到相同的数列。)",
R"(Dim dice
Randomize
dice = Int(6 * Rnd + 1)    ' 1 到 6 之间的随机整数
MsgBox "掷出了 " & dice & " 点")"},

{"ReDim", "为动态数组分配或重新分配存储空间。",
R"(ReDim [Preserve] varname(subscripts) [, varname(subscripts)] . . .)",
{{"Preserve", "可选。改变最后一维的大小时，保留数组中原有的数据。"},
 {"varname", "变量名，遵循普通变量的命名规则。"},
 {"subscripts", "数组的各维上界，彼此用逗号隔开。每一维的下界总是 0。"}},
R"(ReDim 用来为已经用空括号声明过的动态数组定义大小，或者改变它的大小，可以多次使用。

不加 Preserve 时，数组中原有的数据全部丢失，元素都恢复为 Empty。加 Preserve 时只能改变最后一维的大小，不能改变维数；把数组改小时，被去掉的元素中的数据会丢失。)",
R"(Dim list()
ReDim list(2)
list(0) = "甲" : list(1) = "乙" : list(2) = "丙"
ReDim Preserve list(3)    ' 保留原有的三个元素
list(3) = "丁"
MsgBox Join(list, "、")    ' 显示“甲、乙、丙、丁”)"},

{"Rem", "在程序中写注释。",
R"(Rem comment

或者：

' comment)",
{{"comment", "可选。注释的内容。Rem 与 comment 之间要有一个空格。"}},
R"(注释不会被执行，只供阅读代码的人参考。可以用单引号（'）代替 Rem。

Rem 跟在同一行的其他语句后面时，前面要用冒号隔开；用单引号时不需要冒号。)",
R"(Dim a, b
a = "你好" : Rem 用冒号把注释与语句隔开
b = "再见"   ' 单引号注释不需要冒号
Rem 这一整行都是注释)"},

{"Select Case", "根据表达式的值，执行几组语句中的一组。",
R"(Select Case testexpression
    [Case expressionlist-n
        [statements-n]] . . .
    [Case Else
        [elsestatements-n]]
End Select)",
{{"testexpression", "任何数值或字符串表达式。"},
 {"expressionlist-n", "有 Case 时必选。一个或多个表达式，彼此用逗号隔开。"},
 {"statements-n", "testexpression 与 expressionlist-n 中的某一项相等时执行的语句。"},
 {"elsestatements-n", "testexpression 与所有 Case 都不相等时执行的语句。"}},
R"(testexpression 与某个 Case 的表达式列表中任何一项相等时，执行该 Case 后面的语句，然后从 End Select 后面继续执行。与多个 Case 相等时，只执行第一个。

Case Else 可以省略，但最好写上，用来处理意料之外的值。Select Case 可以嵌套，每一层都要有对应的 End Select。)",
R"(Dim d, kind
d = Weekday(Date)
Select Case d
    Case 1, 7
        kind = "周末"
    Case 2, 3, 4, 5, 6
        kind = "工作日"
    Case Else
        kind = "未知"
End Select
MsgBox "今天是" & kind)"},

{"Set", "把对象引用赋给变量或属性。",
R"(Set objectvar = {objectexpression | New classname | Nothing})",
{{"objectvar", "必选。变量或属性的名字。"},
 {"objectexpression", "可选。对象的名字、另一个引用了对象的变量，或者返回对象的函数或方法。"},
 {"New", "创建类的新实例。"},
 {"classname", "与 New 一起使用时必选。要创建实例的类名。"},
 {"Nothing", "断开 objectvar 与对象的联系。没有其他变量再引用这个对象时，它占用的资源被释放。"}},
R"(给变量赋对象引用时必须使用 Set；不写 Set 就赋对象会出错。

Set 并不复制对象，而是让变量引用同一个对象。多个变量可以引用同一个对象，通过其中任何一个变量所做的修改，都能通过其他变量看到。)",
R"(Class Point
    Public X, Y
End Class

Dim a, b
Set a = New Point
a.X = 1
Set b = a        ' b 与 a 引用同一个对象
b.X = 5
MsgBox a.X       ' 显示 5
Set a = Nothing
Set b = Nothing)"},

{"Sub", "声明 Sub 过程：名字、参数以及组成过程体的代码。",
R"([Public [Default] | Private] Sub name [(arglist)]
    [statements]
    [Exit Sub]
    [statements]
End Sub)",
{{"Public", "可选。过程在所有脚本的所有过程中都可以使用。"},
 {"Default", "可选。只能与类中的 Public 一起使用，表示这个过程是类的默认方法。"},
 {"Private", "可选。过程只在声明它的脚本（或类）中可以使用。"},
 {"name", "必选。过程名，遵循普通变量的命名规则。"},
 {"arglist", "可选。调用时传给过程的参数，写法与 Function 相同。"},
 {"statements", "可选。过程体中执行的语句。"}},
R"(Sub 过程与 Function 过程一样可以接收参数，但不返回值，因此不能用在表达式中。

调用 Sub 时，可以直接写过程名，后面跟着不加括号的参数；也可以用 Call 语句，此时参数要加括号。Sub 中的变量默认是局部的。Sub 不能定义在另一个过程里面。)",
R"(Sub ShowSum(a, b)
    MsgBox a & " + " & b & " = " & (a + b)
End Sub

ShowSum 3, 4
Call ShowSum(5, 6))"},

{"While...Wend", "当条件为 True 时，重复执行一组语句。",
R"(While condition
    [statements]
Wend)",
{{"condition", "数值或字符串表达式，值为 True 或 False。值为 Null 时当作 False。"},
 {"statements", "条件为 True 时重复执行的语句。"}},
R"(condition 为 True 时，执行到 Wend 的所有语句，然后回到 While 再次判断条件；condition 为 False 时，从 Wend 后面的语句继续执行。While...Wend 可以嵌套。

While...Wend 没有提前退出的语句。需要提前退出时，请改用更灵活的 Do...Loop 和 Exit Do。)",
R"(Dim counter
counter = 0
While counter < 20
    counter = counter + 1
Wend
MsgBox counter    ' 显示 20)"},

{"With", "对同一个对象执行一系列语句。",
R"(With object
    statements
End With)",
{{"object", "必选。对象的名字，或者返回对象的函数。"},
 {"statements", "必选。对 object 执行的一条或多条语句。"}},
R"(With 语句让你对同一个对象执行一系列语句，而不必每次都写出对象的名字。在 With 块中，以点（.）开头的名字指的是 object 的成员。

进入 With 块之后就不能再改变 object。不要用跳转的方法进入或离开 With 块。)",
R"(Class Card
    Public Title, Owner
End Class

Dim c
Set c = New Card
With c
    .Title = "会员卡"
    .Owner = "李四"
    MsgBox .Title & "：" & .Owner
End With)"},
};
// clang-format on

QString escaped(const QString& s) { return s.toHtmlEscaped(); }

QString paragraphs(const QString& text) {
    QString out;
    for (const QString& p : text.split(QStringLiteral("\n\n")))
        out += QStringLiteral("<p>") + escaped(p) + QStringLiteral("</p>");
    return out;
}

QString codeBlock(const QString& code) {
    return QStringLiteral("<table width='100%' cellpadding='8' bgcolor='#f3f3f3'><tr><td><pre>") +
           escaped(code) + QStringLiteral("</pre></td></tr></table>");
}

QString entryHtml(const Entry& e, int index) {
    QString h = QStringLiteral("<a name='s%1'></a><h2>%2</h2>").arg(index).arg(escaped(e.title));
    h += QStringLiteral("<p>") + escaped(e.summary) + QStringLiteral("</p>");
    h += QStringLiteral("<h4>语法</h4>") + codeBlock(e.syntax);
    if (!e.arguments.isEmpty()) {
        h += QStringLiteral("<h4>参数</h4><table cellpadding='3'>");
        for (const Argument& a : e.arguments)
            h += QStringLiteral("<tr><td valign='top'><i><b>%1</b></i></td><td>%2</td></tr>")
                     .arg(escaped(a.name), escaped(a.meaning));
        h += QStringLiteral("</table>");
    }
    h += QStringLiteral("<h4>说明</h4>") + paragraphs(e.remarks);
    if (!e.example.isEmpty()) h += QStringLiteral("<h4>示例</h4>") + codeBlock(e.example);
    return h + QStringLiteral("<hr/>");
}

}  // namespace

const QList<Entry>& entries() {
    static const QList<Entry> list = [] {
        QList<Entry> l;
        for (const Raw& r : kEntries) l.append(make(r));
        return l;
    }();
    return list;
}

QString html() {
    QString page = QStringLiteral("<h1>VBScript 语句参考</h1><p>");
    const QList<Entry>& list = entries();
    for (int i = 0; i < list.size(); ++i)
        page += QStringLiteral("<a href='#s%1'>%2</a>　").arg(i).arg(escaped(list[i].name));
    page += QStringLiteral("</p><hr/>");
    for (int i = 0; i < list.size(); ++i) page += entryHtml(list[i], i);
    return page;
}

}  // namespace StatementReference

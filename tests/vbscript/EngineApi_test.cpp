// The engine's C++ API: host objects by late binding, errors, limits.
#include <gtest/gtest.h>

#include <algorithm>

#include <chrono>
#include <stdexcept>
#include <thread>

#include "vbscript/engine.h"

using namespace vbs;

namespace {

// A host object with a property, an object property, methods and a default.
class FakeHost : public Object {
  public:
    void invoke(std::u16string_view name, InvokeKind kind, std::span<Value* const> args,
                Value& result) override {
        calls.emplace_back(name);
        if (iequals(name, u"Value")) {
            if (kind == InvokeKind::Let)
                value = *args.back();
            else
                result = value;
            return;
        }
        if (iequals(name, u"Child")) {
            if (kind == InvokeKind::Set) {
                if (!args.back()->isObject()) throwError(424);
                child = *args.back();
            } else {
                result = child;
            }
            return;
        }
        if (iequals(name, u"Add")) {
            if (args.size() != 2) throwError(450);
            result = Value(args[0]->toDouble() + args[1]->toDouble());
            return;
        }
        if (iequals(name, u"Bump")) {
            *args[0] = Value(args[0]->toLong() + 1);
            return;
        }
        if (iequals(name, u"Fail")) throw ScriptError(1234, u"host failed", u"FakeHost");
        if (iequals(name, u"Crash")) throw std::runtime_error("disk on fire");
        if (iequals(name, u"Wait")) {
            std::this_thread::sleep_for(std::chrono::milliseconds(120));
            return;
        }
        if (name.empty()) {
            result = Value(u"default");
            return;
        }
        throwError(438);
    }
    Value value;
    Value child;
    std::vector<std::u16string> calls;
};

// A host whose method runs more script code in the same engine, as a host may.
class NestingHost : public Object {
  public:
    explicit NestingHost(Engine& engine) : engine_(engine) {}
    void invoke(std::u16string_view, InvokeKind, std::span<Value* const> args,
                Value&) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        engine_.AddCode(args[0]->toString());
    }

  private:
    Engine& engine_;
};

struct EngineTest : ::testing::Test {
    Engine engine;
    Ref<FakeHost> host = makeRef<FakeHost>();
    void SetUp() override { engine.AddObject(u"Host", host); }
    Value eval(const char16_t* e) { return engine.Eval(e); }
};

TEST_F(EngineTest, HostPropertiesAndMethodsByLateBinding) {
    engine.AddCode(u"host.VALUE = 5\nr = Host.value + 1\ns = Host.Add(2, 3)\nd = Host");
    EXPECT_EQ(host->value.toLong(), 5);
    EXPECT_EQ(eval(u"r").toLong(), 6);
    EXPECT_EQ(eval(u"s").toLong(), 5);
    EXPECT_EQ(eval(u"d").toString(), u"default");
}

TEST_F(EngineTest, PropertySetStoresObjects) {
    engine.AddCode(
        u"Class Thing : Public Name : End Class\n"
        u"Set t = New Thing : t.Name = \"x\"\nSet Host.Child = t\n"
        u"n = Host.Child.Name");
    ASSERT_TRUE(host->child.isObject());
    EXPECT_EQ(eval(u"n").toString(), u"x");
    EXPECT_THROW(engine.AddCode(u"Set Host.Child = 5"), ScriptError);
}

TEST_F(EngineTest, ByRefArgumentsAreWrittenBack) {
    engine.AddCode(u"v = 1\nHost.Bump v\nw = 1\nHost.Bump (w)\nDim a(1)\na(1) = 7\nHost.Bump a(1)");
    EXPECT_EQ(eval(u"v").toLong(), 2);
    EXPECT_EQ(eval(u"w").toLong(), 1);
    EXPECT_EQ(eval(u"a(1)").toLong(), 8);
}

TEST_F(EngineTest, HostErrorsReachErr) {
    engine.AddCode(
        u"On Error Resume Next\nHost.Fail\nn = Err.Number\nd = Err.Description\n"
        u"s = Err.Source\nHost.Nope\nm = Err.Number");
    EXPECT_EQ(eval(u"n").toLong(), 1234);
    EXPECT_EQ(eval(u"d").toString(), u"host failed");
    EXPECT_EQ(eval(u"s").toString(), u"FakeHost");
    EXPECT_EQ(eval(u"m").toLong(), 438);
}

TEST_F(EngineTest, ForeignHostExceptionsBecomeAutomationErrors) {
    engine.AddCode(u"On Error Resume Next\nHost.Crash\nn = Err.Number\nd = Err.Description");
    EXPECT_EQ(eval(u"n").toLong(), 440);
    EXPECT_EQ(eval(u"d").toString(), u"disk on fire");
}

TEST_F(EngineTest, UnhandledHostErrorComesBackFromAddCode) {
    try {
        engine.AddCode(u"x = 1\n  Host.Fail");
        FAIL() << "no error";
    } catch (const ScriptError& e) {
        EXPECT_EQ(e.number, 1234);
        EXPECT_EQ(e.description, u"host failed");
        EXPECT_EQ(e.line, 2);
        EXPECT_EQ(e.column, 3);
        EXPECT_EQ(e.sourceLine, u"  Host.Fail");
    }
}

TEST_F(EngineTest, DefinitionsSurviveBetweenPieces) {
    engine.AddCode(u"Function Twice(x) : Twice = x * 2 : End Function\nDim kept : kept = 5");
    engine.AddCode(u"r = Twice(21) + kept");
    EXPECT_EQ(eval(u"r").toLong(), 47);
    engine.AddCode(u"Function Twice(x) : Twice = x * 3 : End Function");
    EXPECT_EQ(eval(u"Twice(2)").toLong(), 6);
}

TEST_F(EngineTest, OptionExplicitHoldsOnlyForItsOwnPiece) {
    try {
        engine.AddCode(u"Option Explicit\nDim a : a = 1\nb = 2");
        FAIL() << "no error";
    } catch (const ScriptError& e) {
        EXPECT_EQ(e.number, 500);
        EXPECT_EQ(e.line, 3);
    }
    EXPECT_NO_THROW(engine.AddCode(u"c = 3"));
    EXPECT_EQ(eval(u"c").toLong(), 3);
}

TEST_F(EngineTest, SyntaxErrorStopsTheWholePiece) {
    try {
        engine.AddCode(u"ran = 1\nHost.Value = 9\ny = (1 +");
        FAIL() << "no error";
    } catch (const ScriptError& e) {
        EXPECT_EQ(e.number, 1023);
        EXPECT_EQ(e.description, u"Expected expression");
        EXPECT_EQ(e.line, 3);
        EXPECT_EQ(e.column, 9);
        EXPECT_EQ(e.sourceLine, u"y = (1 +");
        EXPECT_EQ(e.source, u"VBScript compilation error");
    }
    EXPECT_TRUE(eval(u"IsEmpty(ran)").toBool());
    EXPECT_TRUE(host->value.isEmpty());
}

TEST_F(EngineTest, RuntimeErrorReportsLineColumnAndText) {
    try {
        engine.AddCode(u"a = 1\nSub S()\n    b = 1 \\ 0\nEnd Sub\nS");
        FAIL() << "no error";
    } catch (const ScriptError& e) {
        EXPECT_EQ(e.number, 11);
        EXPECT_EQ(e.description, u"Division by zero");
        EXPECT_EQ(e.line, 3);
        EXPECT_EQ(e.column, 5);
        EXPECT_EQ(e.source, u"VBScript runtime error");
    }
}

TEST_F(EngineTest, ErrorTextsFollowTheMessageLanguage) {
    setMessageLanguage(MessageLanguage::Chinese);
    std::u16string runtime, compile, raised, unknown;
    try {
        engine.AddCode(u"x = 1 / 0");
    } catch (const ScriptError& e) {
        runtime = e.description;
    }
    try {
        engine.AddCode(u"If x Then");
    } catch (const ScriptError& e) {
        compile = e.description;
    }
    engine.AddCode(u"On Error Resume Next\nErr.Raise 13\nd = Err.Description\nErr.Raise 31999\n"
                   u"u = Err.Description");
    raised = eval(u"d").toString();
    unknown = eval(u"u").toString();
    setMessageLanguage(MessageLanguage::English);
    EXPECT_EQ(runtime, u"被零除");
    EXPECT_EQ(compile, u"缺少 'End'");
    EXPECT_EQ(raised, u"类型不匹配");
    EXPECT_EQ(unknown, u"未知的运行时错误");
    EXPECT_EQ(errorDescription(11), u"Division by zero");
}

TEST(ErrorTexts, EveryNumberHasBothLanguages) {
    int numbers = 0;
    for (int32_t n = 1; n < 40000; ++n) {
        setMessageLanguage(MessageLanguage::English);
        std::u16string english = errorDescription(n);
        setMessageLanguage(MessageLanguage::Chinese);
        std::u16string chinese = errorDescription(n);
        ASSERT_EQ(english.empty(), chinese.empty()) << n;
        if (english.empty()) continue;
        ++numbers;
        EXPECT_NE(english, chinese) << n;
        // Chinese texts are Chinese: at least one character beyond ASCII.
        EXPECT_TRUE(std::any_of(chinese.begin(), chinese.end(), [](char16_t c) { return c > 0x7F; }))
            << n;
    }
    setMessageLanguage(MessageLanguage::English);
    EXPECT_GT(numbers, 110);
}

TEST_F(EngineTest, TimeOutStopsRunawayScriptsAndCannotBeCaught) {
    engine.setTimeout(200);
    auto t0 = std::chrono::steady_clock::now();
    try {
        engine.AddCode(u"On Error Resume Next\nDo\nLoop");
        FAIL() << "no time-out";
    } catch (const ScriptError& e) {
        EXPECT_EQ(e.number, kErrTimeout);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(5));
    // The engine works again afterwards.
    EXPECT_EQ(eval(u"1 + 1").toLong(), 2);
}

TEST_F(EngineTest, TimeInsideHostCallsDoesNotCount) {
    engine.setTimeout(200);
    EXPECT_NO_THROW(engine.AddCode(u"For i = 1 To 4 : Host.Wait : Next"));
    EXPECT_EQ(host->calls.size(), 4u);
}

TEST_F(EngineTest, CodeRunFromInsideAHostCallStillTimesOut) {
    engine.AddObject(u"Nest", makeRef<NestingHost>(engine));
    engine.setTimeout(300);
    // The host's own wait does not count, the nested script's time does.
    EXPECT_NO_THROW(engine.AddCode(u"Nest.Run \"n = 1\" : Nest.Run \"n = n + 1\""));
    EXPECT_EQ(eval(u"n").toLong(), 2);
    const auto t0 = std::chrono::steady_clock::now();
    try {
        engine.AddCode(u"On Error Resume Next\nNest.Run \"Do : Loop\"\nafter = 1");
        FAIL() << "no time-out";
    } catch (const ScriptError& e) {
        EXPECT_EQ(e.number, kErrTimeout);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(5));
    EXPECT_TRUE(eval(u"IsEmpty(after)").toBool());
}

TEST_F(EngineTest, HostServicesPauseTheClock) {
    struct SlowHost : HostServices {
        int msgBox(const std::u16string& prompt, int, const std::u16string&) override {
            shown = prompt;
            std::this_thread::sleep_for(std::chrono::milliseconds(150));
            return 6;
        }
        std::u16string shown;
    } services;
    engine.setHostServices(&services);
    engine.builtins().registerFunction(
        u"AskTest",
        [](BuiltinContext& ctx, std::span<Value> args, Value& out) {
            out = Value(ctx.msgBox(args[0].toString(), 0, u""));
        },
        1, 1);
    engine.setTimeout(100);
    EXPECT_NO_THROW(engine.AddCode(u"a = AskTest(\"q1\") + AskTest(\"q2\")"));
    EXPECT_EQ(services.shown, u"q2");
    EXPECT_EQ(eval(u"a").toLong(), 12);
}

TEST_F(EngineTest, RecursionLimitRaisesOutOfStackSpace) {
    engine.setRecursionLimit(50);
    engine.AddCode(u"Function R(n) : R = R(n + 1) : End Function");
    try {
        engine.AddCode(u"R 0");
        FAIL() << "no error";
    } catch (const ScriptError& e) {
        EXPECT_EQ(e.number, 28);
    }
    engine.AddCode(u"On Error Resume Next\nx = R(0)\nn = Err.Number");
    EXPECT_EQ(eval(u"n").toLong(), 28);
}

TEST_F(EngineTest, EvalAndRunGiveTypedValues) {
    EXPECT_EQ(eval(u"1 + 1").type(), vtInteger);
    EXPECT_EQ(eval(u"\"a\" & 1").toString(), u"a1");
    EXPECT_EQ(eval(u"2 ^ 10").type(), vtDouble);
    engine.AddCode(
        u"Sub Inc(x) : x = x + 1 : End Sub\nFunction Mul(a, b) : Mul = a * b : End Function");
    std::vector<Value> args{Value(6), Value(7)};
    EXPECT_EQ(engine.Run(u"mul", args).toLong(), 42);
    std::vector<Value> one{Value(1)};
    engine.Run(u"Inc", one);
    EXPECT_EQ(one[0].toLong(), 2);
    try {
        engine.Run(u"NoSuch");
        FAIL() << "no error";
    } catch (const ScriptError& e) {
        EXPECT_EQ(e.number, 35);
    }
}

TEST_F(EngineTest, ClassTerminateRunsWhenLastReferenceGoes) {
    engine.AddCode(
        u"Class T : Private Sub Class_Terminate : Host.Value = \"gone\" : End Sub : End Class\n"
        u"Set a = New T\nSet b = a\nSet a = Nothing\nx = Host.Value\nSet b = Nothing\n"
        u"y = Host.Value");
    EXPECT_TRUE(eval(u"IsEmpty(x)").toBool());
    EXPECT_EQ(eval(u"y").toString(), u"gone");
}

TEST(EngineLifetime, ScriptObjectsHeldByTheHostOutliveTheEngine) {
    Ref<FakeHost> host = makeRef<FakeHost>();
    {
        Engine engine;
        engine.AddObject(u"Host", host);
        engine.AddCode(
            u"Class T : Public Name : Private Sub Class_Terminate : Name = 1 : End Sub : End "
            u"Class\n"
            u"Set obj = New T : obj.Name = \"kept\" : Set Host.Child = obj");
    }
    ASSERT_TRUE(host->child.isObject());
    Value out;
    EXPECT_THROW(host->child.obj()->invoke(u"Name", InvokeKind::Get, {}, out), ScriptError);
    EXPECT_EQ(host->child.typeName(), u"Object");
    host->child = Value();  // released after the engine: must not touch it
}

TEST(ValueTest, TextFormsAndRounding) {
    EXPECT_EQ(Value(2432902008176640000.0).toString(), u"2.43290200817664E+18");
    EXPECT_EQ(Value(0.1 + 0.2).toString(), u"0.3");
    EXPECT_EQ(Value::single(1.0f / 3).toString(), u"0.3333333");
    EXPECT_EQ(Value(2.5).toLong(), 2);
    EXPECT_EQ(Value(3.5).toInteger(), 4);
    EXPECT_THROW(Value(40000).toInteger(), ScriptError);
    EXPECT_EQ(Value(true).toString(), u"True");
    EXPECT_EQ(Value::currency(12345).toString(), u"1.2345");
}

TEST(ValueTest, AppendDoesNotTouchSharedText) {
    Value a(u"abc");
    Value b = a;
    b.append(u"d");
    EXPECT_EQ(a.str(), u"abc");
    EXPECT_EQ(b.str(), u"abcd");
    const char16_t* before = b.str().data();
    b.append(u"e");
    EXPECT_EQ(b.str(), u"abcde");
    (void)before;
}

}  // namespace

namespace {

TEST(ValueTest, NumbersReadFromText) {
    double d = 0;
    EXPECT_TRUE(parseNumber(u" 12 ", d));
    EXPECT_EQ(d, 12);
    EXPECT_TRUE(parseNumber(u"&H1F", d));
    EXPECT_EQ(d, 31);
    EXPECT_TRUE(parseNumber(u"&HFFFF", d));
    EXPECT_EQ(d, -1);
    EXPECT_TRUE(parseNumber(u"1e3", d));
    EXPECT_EQ(d, 1000);
    EXPECT_TRUE(parseNumber(u".5", d));
    EXPECT_EQ(d, 0.5);
    EXPECT_TRUE(parseNumber(u"-2.25", d));
    EXPECT_EQ(d, -2.25);
    // Thousands separators group the whole part, as users type amounts.
    EXPECT_TRUE(parseNumber(u"1,234.5", d));
    EXPECT_EQ(d, 1234.5);
    EXPECT_TRUE(parseNumber(u"-12,345,678", d));
    EXPECT_EQ(d, -12345678);
    for (const char16_t* bad : {u"", u"abc", u"1e", u"0x10", u"1 2", u"&H", u".", u",1", u"1,",
                                u"1,,2", u"1.2,3", u"1e3,0"})
        EXPECT_FALSE(parseNumber(bad, d)) << toUtf8(bad);
}

TEST(ValueTest, DoubleTextSwitchesToExponentForm) {
    EXPECT_EQ(formatDouble(1e15), u"1E+15");
    EXPECT_EQ(formatDouble(1e14), u"100000000000000");
    EXPECT_EQ(formatDouble(123456789012345678.0), u"1.23456789012346E+17");
    EXPECT_EQ(formatDouble(0.00001), u"0.00001");
    EXPECT_EQ(formatDouble(1e-7), u"0.0000001");
    EXPECT_EQ(formatDouble(1e-15), u"0.000000000000001");
    EXPECT_EQ(formatDouble(1e-16), u"1E-16");
    EXPECT_EQ(formatDouble(0.0199999997764826), u"1.99999997764826E-02");
    EXPECT_EQ(formatDouble(920.0000000000001), u"920");
    EXPECT_EQ(formatDouble(-1.5), u"-1.5");
    EXPECT_EQ(formatDouble(0), u"0");
}

TEST(ValueTest, WholeNumberConversionsRoundHalfToEven) {
    EXPECT_EQ(Value(-0.5).toLong(), 0);
    EXPECT_EQ(Value(1.5).toLong(), 2);
    EXPECT_EQ(Value(-1.5).toLong(), -2);
    EXPECT_EQ(Value(2147483647.4).toLong(), 2147483647);
    EXPECT_THROW(Value(2147483647.5).toLong(), ScriptError);
    EXPECT_EQ(Value(u"255").toByte(), 255);
    EXPECT_THROW(Value(u"256").toByte(), ScriptError);
    EXPECT_THROW(Value::null().toLong(), ScriptError);
    EXPECT_TRUE(Value(u"TRUE").toBool());
    EXPECT_FALSE(Value(u" 0 ").toBool());
    EXPECT_THROW(Value(u"yes").toBool(), ScriptError);
}

TEST(ValueTest, ArraysAreCopiedOnWrite) {
    Value a = Value::array({Value(1), Value(2)});
    Value b = a;
    b.uniqueArray()->items[0] = Value(9);
    EXPECT_EQ(a.arr()->items[0].toLong(), 1);
    EXPECT_EQ(b.arr()->items[0].toLong(), 9);
    EXPECT_EQ(a.typeName(), u"Variant()");
    EXPECT_EQ(a.varType(), 8204);
    Value m = Value::array(std::vector<int32_t>{1, 2}, true);
    EXPECT_EQ(m.arr()->items.size(), 6u);
    EXPECT_TRUE(m.arr()->fixed);
    EXPECT_THROW(Value::array(std::vector<int32_t>{100000, 100000}, false), ScriptError);
}

TEST(ValueTest, Utf8RoundTripKeepsSurrogatePairs) {
    std::u16string text = u"中文 a\U0001F600";
    EXPECT_EQ(text.size(), 6u);
    EXPECT_EQ(fromUtf8(toUtf8(text)), text);
    EXPECT_EQ(fromUtf8("\xFF"), u"\uFFFD");
    EXPECT_TRUE(iequals(u"MsgBox", u"msgbox"));
    EXPECT_FALSE(iequals(u"MsgBox", u"msgbox2"));
}

TEST(EngineScripts, StringComparisonFollowsWhereTheNumberCameFrom) {
    Engine engine;
    engine.AddCode(u"x = \"10\" : n = 10");
    EXPECT_TRUE(engine.Eval(u"x = 10").toBool());
    EXPECT_FALSE(engine.Eval(u"x = n").toBool());
    EXPECT_TRUE(engine.Eval(u"n < x").toBool());
    EXPECT_THROW(engine.Eval(u"\"abc\" = 5"), ScriptError);
}

TEST(EngineScripts, ExecuteInsideProcedureSeesItsLocals) {
    Engine engine;
    engine.AddCode(
        u"Function F()\n Dim v : v = 2\n Execute \"v = v * 21 : w = 1\"\n F = v + Eval(\"w\")\nEnd "
        u"Function");
    EXPECT_EQ(engine.Eval(u"F()").toLong(), 43);
    EXPECT_TRUE(engine.Eval(u"IsEmpty(w)").toBool());
}

}  // namespace

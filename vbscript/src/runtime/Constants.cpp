// The language's vb... constants.
#include "BuiltinSupport.h"

namespace vbs::runtime {

void registerConstants(BuiltinRegistry& r) {
    auto text = [&](std::u16string_view name, std::u16string value) {
        r.registerConstant(name, Value(std::move(value)));
    };
    auto small = [&](std::u16string_view name, int16_t value) {
        r.registerConstant(name, Value::integer(value));
    };
    auto large = [&](std::u16string_view name, int32_t value) {
        r.registerConstant(name, Value(value));
    };

    text(u"vbCr", u"\r");
    text(u"vbLf", u"\n");
    text(u"vbCrLf", u"\r\n");
    text(u"vbNewLine", u"\r\n");
    text(u"vbTab", u"\t");
    text(u"vbFormFeed", u"\f");
    text(u"vbVerticalTab", u"\v");
    text(u"vbNullChar", std::u16string(1, u'\0'));
    text(u"vbNullString", u"");

    small(u"vbTrue", -1);
    small(u"vbFalse", 0);
    small(u"vbUseDefault", -2);
    small(u"vbBinaryCompare", 0);
    small(u"vbTextCompare", 1);
    small(u"vbDatabaseCompare", 2);

    static const char16_t* const kDays[] = {u"vbSunday",    u"vbMonday",   u"vbTuesday",
                                            u"vbWednesday", u"vbThursday", u"vbFriday",
                                            u"vbSaturday"};
    for (int16_t d = 0; d < 7; ++d) small(kDays[d], static_cast<int16_t>(d + 1));
    small(u"vbUseSystemDayOfWeek", 0);
    small(u"vbUseSystem", 0);
    small(u"vbFirstJan1", 1);
    small(u"vbFirstFourDays", 2);
    small(u"vbFirstFullWeek", 3);
    small(u"vbGeneralDate", 0);
    small(u"vbLongDate", 1);
    small(u"vbShortDate", 2);
    small(u"vbLongTime", 3);
    small(u"vbShortTime", 4);

    small(u"vbOKOnly", 0);
    small(u"vbOKCancel", 1);
    small(u"vbAbortRetryIgnore", 2);
    small(u"vbYesNoCancel", 3);
    small(u"vbYesNo", 4);
    small(u"vbRetryCancel", 5);
    small(u"vbCritical", 16);
    small(u"vbQuestion", 32);
    small(u"vbExclamation", 48);
    small(u"vbInformation", 64);
    small(u"vbDefaultButton1", 0);
    small(u"vbDefaultButton2", 256);
    small(u"vbDefaultButton3", 512);
    small(u"vbDefaultButton4", 768);
    small(u"vbApplicationModal", 0);
    small(u"vbSystemModal", 4096);
    small(u"vbMsgBoxHelpButton", 16384);
    large(u"vbMsgBoxSetForeground", 65536);
    large(u"vbMsgBoxRight", 524288);
    large(u"vbMsgBoxRtlReading", 1048576);
    small(u"vbOK", 1);
    small(u"vbCancel", 2);
    small(u"vbAbort", 3);
    small(u"vbRetry", 4);
    small(u"vbIgnore", 5);
    small(u"vbYes", 6);
    small(u"vbNo", 7);

    large(u"vbBlack", 0x000000);
    large(u"vbRed", 0x0000FF);
    large(u"vbGreen", 0x00FF00);
    large(u"vbYellow", 0x00FFFF);
    large(u"vbBlue", 0xFF0000);
    large(u"vbMagenta", 0xFF00FF);
    large(u"vbCyan", 0xFFFF00);
    large(u"vbWhite", 0xFFFFFF);

    small(u"vbEmpty", 0);
    small(u"vbNull", 1);
    small(u"vbInteger", 2);
    small(u"vbLong", 3);
    small(u"vbSingle", 4);
    small(u"vbDouble", 5);
    small(u"vbCurrency", 6);
    small(u"vbDate", 7);
    small(u"vbString", 8);
    small(u"vbObject", 9);
    small(u"vbError", 10);
    small(u"vbBoolean", 11);
    small(u"vbVariant", 12);
    small(u"vbDataObject", 13);
    small(u"vbDecimal", 14);
    small(u"vbByte", 17);
    small(u"vbArray", 8192);
    large(u"vbObjectError", static_cast<int32_t>(0x80040000u));
}

}  // namespace vbs::runtime

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "vbscript/runtime/DateText.h"
#include "vbscript/runtime/Regex.h"
#include "vbscript/runtime/RuntimeFault.h"

using namespace vbs::runtime;

namespace {

std::u16string randomText(std::mt19937& rng, std::u16string_view alphabet, size_t maxLength) {
    std::uniform_int_distribution<size_t> length(0, maxLength);
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    std::u16string out;
    for (size_t n = length(rng); n > 0; --n) out += alphabet[pick(rng)];
    return out;
}

}  // namespace

// Whatever a user types as a pattern, the engine answers with a pattern error or a result.
TEST(Robustness, RandomPatternsCompileOrFailCleanly) {
    std::mt19937 rng(20261206);
    const std::u16string_view metas = u"ab()[]{}|*+?.^$\\-,0123dDwWsSbB=!:中\n";
    int compiled = 0;
    for (int i = 0; i < 20000; ++i) {
        std::u16string pattern = randomText(rng, metas, 12);
        std::u16string text = randomText(rng, u"ab 1中\n-", 40);
        try {
            Regex re(pattern, i % 2 == 0, i % 3 == 0);
            re.setStepBudget(100000);
            std::vector<int> caps;
            if (re.search(text, 0, caps)) {
                ASSERT_GE(caps[0], 0);
                ASSERT_LE(caps[0], caps[1]);
                ASSERT_LE(caps[1], static_cast<int>(text.size()));
            }
            ++compiled;
        } catch (const RuntimeFault& fault) {
            EXPECT_TRUE((fault.number() >= 5017 && fault.number() <= 5021) || fault.number() == 28)
                << fault.number();
        }
    }
    EXPECT_GT(compiled, 1000);  // the generator does make valid patterns too
}

TEST(Robustness, RandomDateTextNeverBreaksTheReader) {
    std::mt19937 rng(7);
    const std::u16string_view parts = u"0123456789/-.:, 年月日时分秒上午下午APMDecJunSunday十二";
    int dates = 0;
    for (int i = 0; i < 20000; ++i) {
        std::u16string text = randomText(rng, parts, 24);
        auto value = DateText::parse(text, i % 2 ? Locale::chinese() : Locale::english(), 2026);
        if (value) {
            ++dates;
            EXPECT_NO_THROW(DateText::format(*value, kGeneralDate, Locale::english()));
        }
    }
    EXPECT_GT(dates, 0);
}

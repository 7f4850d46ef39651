#include "ConsoleHostUi.h"

#include <poll.h>

#include <string>

#include "TextCodec.h"

namespace scripting {

namespace {

struct Choice {
    int answer;
    const char16_t* label;
    const char16_t* keys;  // lower-case words that pick it
};

const Choice kChoices[] = {
    {1, u"确定(O)", u"o|ok|确定"},     {2, u"取消(C)", u"c|cancel|取消"},
    {3, u"中止(A)", u"a|abort|中止"},  {4, u"重试(R)", u"r|retry|重试"},
    {5, u"忽略(I)", u"i|ignore|忽略"}, {6, u"是(Y)", u"y|yes|是"},
    {7, u"否(N)", u"n|no|否"},
};

const std::vector<std::vector<int>> kButtonSets = {{1},       {1, 2}, {3, 4, 5},
                                                   {6, 7, 2}, {6, 7}, {4, 2}};

const Choice& choice(int answer) { return kChoices[answer - 1]; }

bool picks(const Choice& c, const std::u16string& word) {
    std::u16string keys = c.keys;
    size_t i = 0;
    while (i <= keys.size()) {
        size_t j = keys.find(u'|', i);
        if (j == std::u16string::npos) j = keys.size();
        if (keys.compare(i, j - i, word) == 0) return true;
        i = j + 1;
    }
    return false;
}

}  // namespace

void ConsoleHostUi::print(std::FILE* f, const std::u16string& text) {
    std::string bytes = TextCodec::encode(text, TextEncoding::Utf8);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fflush(f);
}

bool ConsoleHostUi::readLine(std::u16string& line) {
    std::string bytes;
    int c;
    while ((c = std::fgetc(in_)) != EOF && c != '\n') bytes.push_back(static_cast<char>(c));
    if (c == EOF && bytes.empty()) return false;
    if (!bytes.empty() && bytes.back() == '\r') bytes.pop_back();
    line = TextCodec::decode(bytes);
    return true;
}

void ConsoleHostUi::echo(const std::u16string& text) { print(out_, text + u"\n"); }

void ConsoleHostUi::error(const std::u16string&, const std::u16string& text) {
    std::fflush(out_);
    print(err_, text + u"\n");
}

int ConsoleHostUi::msgBox(const std::u16string& prompt, int buttons, const std::u16string& title) {
    int set = buttons & 0xF;
    if (set >= static_cast<int>(kButtonSets.size())) set = 0;
    const auto& answers = kButtonSets[static_cast<size_t>(set)];
    // Without someone at a terminal the prompt is only shown; the input, if
    // any, is data for WScript.StdIn and not an answer.
    if (answers.size() == 1 || !interactive_) {
        echo(prompt);
        return defaultAnswer(buttons);
    }
    std::u16string text = title.empty() ? prompt : title + u"：" + prompt;
    std::u16string labels;
    for (int a : answers)
        labels += (labels.empty() ? u"" : u" / ") + std::u16string(choice(a).label);
    print(out_, text + u"\n[" + labels + u"] ");
    std::u16string line;
    if (readLine(line)) {
        std::u16string word = vbs::toLower(line);
        for (int a : answers) {
            if (picks(choice(a), word)) return a;
        }
    }
    // No answer (end of input, an empty line): the default button.
    return defaultAnswer(buttons);
}

vbs::Value ConsoleHostUi::inputBox(const std::u16string& prompt, const std::u16string& title,
                                   const std::u16string& defaultText) {
    if (!interactive_) {
        echo(prompt);
        return vbs::Value(defaultText);
    }
    std::u16string text = title.empty() ? prompt : title + u"：" + prompt;
    if (!defaultText.empty()) text += u" [" + defaultText + u"]";
    print(out_, text + u" ");
    std::u16string line;
    // End of input is Cancel; an empty line takes the default, as OK would.
    if (!readLine(line)) return vbs::Value();
    return vbs::Value(line.empty() ? defaultText : line);
}

int ConsoleHostUi::popup(const std::u16string& text, int seconds, const std::u16string& title,
                         int buttons) {
    if (seconds <= 0) return msgBox(text, buttons, title);
    if (!interactive_ || !inputWithin(seconds)) {
        // Nobody answered in time, as a box left alone would time out.
        echo(text);
        return -1;
    }
    if ((buttons & 0xF) != 0) return msgBox(text, buttons, title);
    std::u16string line;
    readLine(line);
    echo(text);
    return 1;
}

bool ConsoleHostUi::inputWithin(int seconds) {
    pollfd p{::fileno(in_), POLLIN, 0};
    return ::poll(&p, 1, seconds * 1000) > 0;
}

}  // namespace scripting

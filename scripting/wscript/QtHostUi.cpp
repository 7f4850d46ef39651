#include "QtHostUi.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <vector>

namespace scripting {

namespace {

QString qs(const std::u16string& s) {
    return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}

struct ButtonInfo {
    int answer;
    QMessageBox::StandardButton button;
    const char* caption;
};

const ButtonInfo kButtons[] = {
    {1, QMessageBox::Ok, "确定"},     {2, QMessageBox::Cancel, "取消"},
    {3, QMessageBox::Abort, "中止"},  {4, QMessageBox::Retry, "重试"},
    {5, QMessageBox::Ignore, "忽略"}, {6, QMessageBox::Yes, "是"},
    {7, QMessageBox::No, "否"},
};

const std::vector<std::vector<int>> kSets = {{1}, {1, 2}, {3, 4, 5}, {6, 7, 2}, {6, 7}, {4, 2}};

QMessageBox::Icon iconFor(int buttons) {
    switch (buttons & 0x70) {
        case 16:
            return QMessageBox::Critical;
        case 32:
            return QMessageBox::Question;
        case 48:
            return QMessageBox::Warning;
        case 64:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace

int QtHostUi::show(const std::u16string& text, int buttons, const std::u16string& title,
                   int seconds) {
    QMessageBox box(iconFor(buttons), qs(title.empty() ? u"VBScript" : title), qs(text));
    int set = buttons & 0xF;
    if (set >= static_cast<int>(kSets.size())) set = 0;
    const auto& answers = kSets[static_cast<size_t>(set)];
    int wanted = defaultAnswer(buttons);
    for (int a : answers) {
        const ButtonInfo& info = kButtons[a - 1];
        QPushButton* b = box.addButton(info.button);
        b->setText(QString::fromUtf8(info.caption));
        if (a == wanted) box.setDefaultButton(b);
    }
    // Closing the window answers as Cancel would, or as the last button.
    bool hasCancel = std::find(answers.begin(), answers.end(), 2) != answers.end();
    box.setEscapeButton(
        box.button(hasCancel ? QMessageBox::Cancel : kButtons[answers.back() - 1].button));
    if (buttons & 0x40000) box.setWindowFlag(Qt::WindowStaysOnTopHint);
    bool timedOut = false;
    if (seconds > 0) {
        QTimer::singleShot(seconds * 1000, &box, [&box, &timedOut] {
            timedOut = true;
            box.done(-1);
        });
    }
    box.exec();
    if (timedOut) return -1;
    QAbstractButton* clicked = box.clickedButton();
    for (const ButtonInfo& info : kButtons) {
        if (clicked && clicked == box.button(info.button)) return info.answer;
    }
    return wanted;
}

void QtHostUi::echo(const std::u16string& text) { show(text, 0, u"Windows Script Host", 0); }

void QtHostUi::error(const std::u16string& title, const std::u16string& text) {
    show(text, 16, title, 0);
}

int QtHostUi::msgBox(const std::u16string& prompt, int buttons, const std::u16string& title) {
    return show(prompt, buttons, title, 0);
}

vbs::Value QtHostUi::inputBox(const std::u16string& prompt, const std::u16string& title,
                              const std::u16string& defaultText) {
    QInputDialog dialog;
    dialog.setWindowTitle(qs(title.empty() ? u"VBScript" : title));
    dialog.setLabelText(qs(prompt));
    dialog.setTextValue(qs(defaultText));
    dialog.setOkButtonText(QString::fromUtf8("确定"));
    dialog.setCancelButtonText(QString::fromUtf8("取消"));
    if (dialog.exec() != QDialog::Accepted) return vbs::Value();
    QString v = dialog.textValue();
    return vbs::Value(std::u16string(reinterpret_cast<const char16_t*>(v.utf16()),
                                     static_cast<size_t>(v.size())));
}

void QtHostUi::timeUp(const std::u16string& title, const std::u16string& text) {
    struct Progress {
        std::mutex mutex;
        std::condition_variable changed;
        bool shown = false;
        bool closed = false;
        bool abandoned = false;  // the text went to standard error instead
    };
    auto progress = std::make_shared<Progress>();
    auto mark = [progress](bool Progress::*flag) {
        {
            std::lock_guard<std::mutex> lock(progress->mutex);
            (*progress).*flag = true;
        }
        progress->changed.notify_all();
    };
    QMetaObject::invokeMethod(
        qApp,
        [this, title, text, mark, progress] {
            {
                std::lock_guard<std::mutex> lock(progress->mutex);
                if (progress->abandoned) return;
            }
            mark(&Progress::shown);
            error(title, text);
            mark(&Progress::closed);
            if (endProcess) {
                endProcess();
            } else {
                std::_Exit(1);
            }
        },
        Qt::QueuedConnection);
    std::unique_lock<std::mutex> lock(progress->mutex);
    if (!progress->changed.wait_for(lock, std::chrono::milliseconds(answerMs),
                                    [&] { return progress->shown; })) {
        progress->abandoned = true;
        lock.unlock();
        HostUi::timeUp(title, text);
        return;
    }
    progress->changed.wait(lock, [&] { return progress->closed; });
}

int QtHostUi::popup(const std::u16string& text, int seconds, const std::u16string& title,
                    int buttons) {
    return show(text, buttons, title, seconds);
}

}  // namespace scripting

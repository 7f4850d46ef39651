#include "DialogServices.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

QString DialogServices::toQtFilter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty() && parts[i + 1].isEmpty()) continue;
        QString pattern = parts[i + 1];
        pattern.replace(u';', u' ');
        out << QStringLiteral("%1 (%2)").arg(parts[i], pattern);
    }
    return out.join(QStringLiteral(";;"));
}

QString QtDialogServices::applicationTitle() {
    const QString name = QApplication::applicationDisplayName();
    return name.isEmpty() ? QStringLiteral("KorvelVBS编辑器") : name;
}

int QtDialogServices::messageBox(const QString& text, int style, const QString& title) {
    QMessageBox box(parent_);
    box.setWindowTitle(title.isEmpty() ? applicationTitle() : title);
    box.setText(text);
    switch (style & 0x70) {
        case Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case Question:
            box.setIcon(QMessageBox::Question);
            break;
        case Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case Information:
            box.setIcon(QMessageBox::Information);
            break;
        default:
            break;
    }
    struct B {
        QMessageBox::StandardButton button;
        int answer;
    };
    QList<B> buttons;
    switch (style & 0x7) {
        case OkCancel:
            buttons = {{QMessageBox::Ok, Ok}, {QMessageBox::Cancel, Cancel}};
            break;
        case AbortRetryIgnore:
            buttons = {{QMessageBox::Abort, Abort},
                       {QMessageBox::Retry, Retry},
                       {QMessageBox::Ignore, Ignore}};
            break;
        case YesNoCancel:
            buttons = {
                {QMessageBox::Yes, Yes}, {QMessageBox::No, No}, {QMessageBox::Cancel, Cancel}};
            break;
        case YesNo:
            buttons = {{QMessageBox::Yes, Yes}, {QMessageBox::No, No}};
            break;
        case RetryCancel:
            buttons = {{QMessageBox::Retry, Retry}, {QMessageBox::Cancel, Cancel}};
            break;
        default:
            buttons = {{QMessageBox::Ok, Ok}};
            break;
    }
    QMessageBox::StandardButtons set;
    for (const B& b : buttons) set |= b.button;
    box.setStandardButtons(set);
    // The second and third default-button flags (256, 512) pick the default.
    const int defaultIndex = (style & 0x300) >> 8;
    if (defaultIndex < buttons.size()) box.setDefaultButton(buttons[defaultIndex].button);
    const auto clicked = QMessageBox::StandardButton(box.exec());
    for (const B& b : buttons)
        if (b.button == clicked) return b.answer;
    // Closed from the title bar: Cancel where there is one, otherwise the
    // only button or No.
    if (set & QMessageBox::Cancel) return Cancel;
    if ((style & 0x7) == YesNo) return No;
    return buttons.first().answer;
}

std::optional<QString> QtDialogServices::inputBox(const QString& prompt, const QString& title,
                                                  const QString& defaultText) {
    bool ok = false;
    const QString s = QInputDialog::getText(parent_, title.isEmpty() ? applicationTitle() : title,
                                            prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok) return std::nullopt;
    return s;
}

QString QtDialogServices::openFileName(const QString& title, const QString& filter,
                                       const QString& initialDir) {
    return QFileDialog::getOpenFileName(parent_, title.isEmpty() ? QStringLiteral("打开") : title,
                                        initialDir, toQtFilter(filter));
}

QString QtDialogServices::saveFileName(const QString& title, const QString& filter,
                                       const QString& initialDir) {
    return QFileDialog::getSaveFileName(parent_, title.isEmpty() ? QStringLiteral("另存为") : title,
                                        initialDir, toQtFilter(filter), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString QtDialogServices::existingDirectory(const QString& title, const QString& initialDir) {
    return QFileDialog::getExistingDirectory(parent_, title, initialDir);
}

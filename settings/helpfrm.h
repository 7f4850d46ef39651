#pragma once
#include <QDialog>

class QTextBrowser;

// The statement help window: the Chinese reference of VBScript statements
// in one read-only rich-text box that fills the window. Open it modally with
// exec().
class helpfrm : public QDialog {
    Q_OBJECT
  public:
    explicit helpfrm(QWidget* parent = nullptr);

    QTextBrowser* RichTextBox1;

  protected:
    void resizeEvent(QResizeEvent* e) override;
};

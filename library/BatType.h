#pragma once
#include <QWidget>

class ArgumentDialogs;
class EditorHost;

// The host object's control: no visible content, a fixed square size, and
// the members generator scripts call (through BatTypeObject) to ask the
// user for values and hand text back to the editor. The editors also call
// OptionDLG directly for their unsaved-changes question.
class BatType : public QWidget {
    Q_OBJECT
  public:
    BatType(EditorHost& editor, ArgumentDialogs& dialogs, QWidget* parent = nullptr);

    QString YuJuName() const { return yuJuName_; }
    void setYuJuName(const QString& v) { yuJuName_ = v; }
    QString YuJuCaption() const { return yuJuCaption_; }
    void setYuJuCaption(const QString& v) { yuJuCaption_ = v; }

    // Inserts str at the caret and remembers it as LastInsertedText.
    void StringReturn(const QString& str);
    // Choices separated by ","; returns the picked text, empty when closed.
    QString OptionDLG(const QString& ODoptions, const QString& ODTitle);
    // A folder path (possibly empty), or "none" when cancelled.
    QString FolderDialog(const QString& dlgTitle);
    // Entries "value|label" separated by ","; returns the checked values
    // joined with "|". Throws vbs::ScriptError 9 for an entry without "|".
    QString CheckDLG(const QString& CDChecks, const QString& CDTitle);

    // The editors' unsaved-changes question: "保存", "不保存", "取消", or
    // empty text when the window was closed without an answer.
    QString askToSave();

    // Splits like the script language's Split: empty text gives no pieces.
    static QStringList splitList(const QString& text, QChar separator);

    static int sideTwips() { return 735; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    EditorHost& editor_;
    ArgumentDialogs& dialogs_;
    QString yuJuName_;
    QString yuJuCaption_;
};

#include "StatementInsertion.h"

#include "EditorHost.h"
#include "MainWindowState.h"
#include "StatementTable.h"

namespace {
constexpr int kRightButton = 2;
}

StatementInsertion::StatementInsertion(MainWindowState& state, EditorHost& editor,
                                       const StatementTable& table, RunCode runcode, Status status)
    : state_(state),
      editor_(editor),
      table_(table),
      runcode_(std::move(runcode)),
      status_(std::move(status)) {
    if (!status_) status_ = [](const QString&) {};
}

QString StatementInsertion::marker(int number) {
    return QStringLiteral("'End Sub (%1)").arg(number);
}

bool StatementInsertion::switchedOff() const { return state_.EndSubSetting == u"no"; }

void StatementInsertion::listDoubleClicked(int index) {
    if (index < 0 || index >= table_.size()) return;
    if (runcode_) runcode_(table_.at(index).ScriptPath);
    endSubStep();
}

void StatementInsertion::searchHit(const QString& scriptPath) {
    if (runcode_) runcode_(scriptPath);
}

void StatementInsertion::endSubStep() {
    if (switchedOff()) {
        status_(QStringLiteral("您已经关闭了 'End Sub！"));
        return;
    }
    if (!state_.EndSubArmed) return;
    ++state_.EndSubCount;
    // A lone CR: the code box turns it into a line break of its own, so the
    // marker always stands on its own line at the very end.
    editor_.setCodeText(editor_.codeText() + u'\r' + marker(state_.EndSubCount));
    state_.EndSubArmed = false;
    status_(QStringLiteral("你已经新建控件！'End Sub为未激活！激活请点击右键！ KorvelVBS"));
}

void StatementInsertion::arm() {
    state_.EndSubArmed = true;
    status_(QStringLiteral("'End Sub已经激活！"));
}

void StatementInsertion::listMousePressed(int button) {
    if (button == kRightButton) arm();
}

void StatementInsertion::backgroundMousePressed(int button) {
    if (button == kRightButton) arm();
}

void StatementInsertion::codeBoxMousePressed(int button) {
    if (switchedOff()) {
        status_(QStringLiteral("'End Sub已禁用！"));
        return;
    }
    if (button == kRightButton) arm();
}

// The object WshShell.Exec returns: a running child with its three streams.
#pragma once

#include <memory>

#include "ChildProcess.h"
#include "HostObject.h"
#include "TextStream.h"

namespace scripting {

class WshExec : public HostObject<WshExec> {
  public:
    WshExec(std::unique_ptr<ChildProcess> child, vbs::Engine* engine);
    static const std::vector<Member<WshExec>>& members();
    std::u16string typeName() const override { return u"IWshExec"; }

  private:
    std::unique_ptr<ChildProcess> child_;
    vbs::Ref<TextStream> stdIn_, stdOut_, stdErr_;
};

}  // namespace scripting

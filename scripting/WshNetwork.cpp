#include "WshNetwork.h"

#include "WshEnvironment.h"

namespace scripting {

namespace {
constexpr char16_t kNoShares[] = u"Linux 没有 Windows 网络驱动器映射，请用系统的挂载功能。";
constexpr char16_t kNoPrinters[] = u"Linux 没有 Windows 打印机连接，请用系统的打印设置。";
}  // namespace

const std::vector<Member<WshNetwork>>& WshNetwork::members() {
    using V = vbs::Value;
    using N = WshNetwork;
    static const std::vector<Member<N>> table = {
        {u"UserName", [](N&, Args, V& r) { r = V(WshEnvironment::lookup(u"USERNAME")); }},
        {u"ComputerName", [](N&, Args, V& r) { r = V(WshEnvironment::lookup(u"COMPUTERNAME")); }},
        {u"UserDomain", [](N&, Args, V& r) { r = V(WshEnvironment::lookup(u"USERDOMAIN")); }},
        {u"MapNetworkDrive", [](N&, Args, V&) { throwUnsupported(u"MapNetworkDrive", kNoShares); }},
        {u"RemoveNetworkDrive",
         [](N&, Args, V&) { throwUnsupported(u"RemoveNetworkDrive", kNoShares); }},
        {u"EnumNetworkDrives",
         [](N&, Args, V&) { throwUnsupported(u"EnumNetworkDrives", kNoShares); }},
        {u"AddPrinterConnection",
         [](N&, Args, V&) { throwUnsupported(u"AddPrinterConnection", kNoPrinters); }},
        {u"AddWindowsPrinterConnection",
         [](N&, Args, V&) { throwUnsupported(u"AddWindowsPrinterConnection", kNoPrinters); }},
        {u"RemovePrinterConnection",
         [](N&, Args, V&) { throwUnsupported(u"RemovePrinterConnection", kNoPrinters); }},
        {u"EnumPrinterConnections",
         [](N&, Args, V&) { throwUnsupported(u"EnumPrinterConnections", kNoPrinters); }},
        {u"SetDefaultPrinter",
         [](N&, Args, V&) { throwUnsupported(u"SetDefaultPrinter", kNoPrinters); }},
    };
    return table;
}

}  // namespace scripting

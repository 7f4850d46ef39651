#pragma once
#include <QString>

// Where the program's own files live (stslist.dat, fav.dat, scripts/): the
// executable's folder unless KORVELVBS_APPDIR or a test says otherwise.
namespace AppPaths {
QString applicationFolder();
void setApplicationFolder(const QString& folder);
// Windows-style paths ("[apppath]\scripts\x.vbs") read with '\' as a separator.
QString toLocalPath(const QString& path);
}  // namespace AppPaths

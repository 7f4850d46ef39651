#pragma once
#include <QString>

// Values shared by the windows for the whole process.
namespace ProcessState {
// Full path of the file being edited; empty means untitled.
QString& CurrentPath();
}  // namespace ProcessState

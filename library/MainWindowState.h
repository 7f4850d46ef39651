#pragma once
#include <QString>
#include <cstdint>

// The main window's shared state; none of it outlives the process.
struct MainWindowState {
    bool Modified = false;
    QString EndSubSetting;    // only "no" switches the 'End Sub feature off
    bool EndSubArmed = true;  // the next inserted statement gets a marker
    int EndSubCount = 0;      // markers appended since start
    QString CrlfPlus;         // "1" (as a number) makes insertions end with a line break
    int16_t DragAnchorX = 0;  // cursor position in twips while no button is held
    int16_t DragAnchorY = 0;
};

// The lobby download window `Tdownload`, shown at every solo start.
#pragma once

#include "windows/sidewindow.h"

namespace velmora::windows {

class Tdownload : public SideWindow {
    Q_OBJECT
public:
    explicit Tdownload(QWidget* parent);
    void Button1Click() { close(); }  // "Play Solo Game"
    void Button2Click();              // open the installed lobby
};

}  // namespace velmora::windows

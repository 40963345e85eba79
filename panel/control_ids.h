// Identifiers of the main window's controls, named as in the window definitions.
#pragma once

namespace vantrelle {

enum ControlId : int {
    按钮1 = 201,   // "开始编辑": starts a run
    按钮2 = 202,   // "去关注作者微博": opens the microblog page
    按钮3 = 203,   // "去作者的百度空间": opens the blog page
    按钮5 = 205,   // "查看教程": shows the tutorial
    编辑框1 = 301,  // the count box
    标签1 = 401,   // "需要编辑的个数："
    标签2 = 402,   // "按F10键停止": receives the stop hotkey
    标签3 = 403,   // the credit line
    图片框1 = 501,  // the tutorial window's picture box
};

// Identifier of the F10 stop hotkey.
constexpr int kStopHotkeyId = 1;

}  // namespace vantrelle

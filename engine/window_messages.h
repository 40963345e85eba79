// Window messages, GetWindow codes and mouse_event flags the engine uses, with their Windows
// names and values. Only engine code and tests include this; the Win32 side has windows.h.
#pragma once

#include <cstdint>

namespace vantrelle {

constexpr unsigned WM_GETTEXT = 0x000D;
constexpr unsigned WM_GETTEXTLENGTH = 0x000E;
constexpr unsigned WM_KEYDOWN = 0x0100;
constexpr unsigned WM_KEYUP = 0x0101;
constexpr unsigned WM_CHAR = 0x0102;
constexpr unsigned WM_SYSKEYDOWN = 0x0104;
constexpr unsigned WM_SYSKEYUP = 0x0105;
constexpr unsigned WM_MOUSEMOVE = 0x0200;
constexpr unsigned WM_LBUTTONDOWN = 0x0201;
constexpr unsigned WM_LBUTTONUP = 0x0202;
constexpr unsigned WM_LBUTTONDBLCLK = 0x0203;

constexpr unsigned GW_HWNDNEXT = 2;
constexpr unsigned GW_CHILD = 5;

constexpr std::uint32_t MOUSEEVENTF_LEFTDOWN = 0x0002;
constexpr std::uint32_t MOUSEEVENTF_LEFTUP = 0x0004;
constexpr std::uint32_t MOUSEEVENTF_RIGHTDOWN = 0x0008;
constexpr std::uint32_t MOUSEEVENTF_RIGHTUP = 0x0010;

constexpr unsigned MB_TASKMODAL = 0x2000;

constexpr int VK_BACK = 8;
constexpr int VK_RETURN = 13;
constexpr int VK_DOWN = 40;

}  // namespace vantrelle

// The stand-in's input log: one line per input message its windows take from their queue, and
// per notable event, stamped with a QueryPerformanceCounter clock in milliseconds.
// Line: clock-ms <TAB> message-time <TAB> role <TAB> message-number <TAB> name <TAB> wParam <TAB> lParam
#pragma once

#include <windows.h>

void openInputLog(const wchar_t* path);
double clockMs();
// A message retrieved from the queue (message-time is MSG::time, the system's stamp).
void logMessage(const char* role, UINT msg, WPARAM wParam, LPARAM lParam, DWORD msgTime);
// A sent message or an event of the stand-in itself (message-time 0).
void logEvent(const char* role, const char* name, WPARAM wParam, LPARAM lParam);
// Whether the message is input: keyboard, mouse, non-client mouse.
bool isInputMessage(UINT msg);

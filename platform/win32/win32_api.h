#pragma once
// The Windows headers, in the one order they compile in: windows.h first.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>
// clang-format on

#pragma once

// The Windows headers the windows use, in the order they need: each builds on windows.h.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <olectl.h>
#include <shellapi.h>
// clang-format on

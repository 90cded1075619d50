#pragma once
// A one-line edit that takes an amount of money as the telecom dialog's edits do: at most
// seven characters, digits, backspace and one decimal point.
#include <windows.h>

namespace lt {

inline constexpr int kAmountLength = 7;

// Limits and filters the existing EDIT control.
void MakeAmountEdit(HWND edit);

}  // namespace lt

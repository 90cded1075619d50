#pragma once
// MenuDecor1 of the main window: the main menu's items drawn with their pictures, the
// selected item highlighted except for its picture, and a raised bevel around the picture
// while the item is selected.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "linetally/menudecor/menu_decor_win32.h"

namespace lt {

std::unique_ptr<TMenuDecor> CreateMenuDecor1(HWND form, HMENU mainMenu,
                                             std::function<void(const std::string&)> onError);

}  // namespace lt

#pragma once
// The stand-in's object model: Application.GetNamespace("MAPI") -> Namespace
// .GetDefaultFolder(9) -> Folder.Items (the calendar file read afresh) -> Items with Sort,
// IncludeRecurrences, Find, FindNext, Count -> appointments with Start, End, Categories,
// Subject, GetInspector -> Inspector.Display, which opens the item's own window.
#include "tools/calendar-standin/dispatch_object_win32.h"

namespace standin {

// A new Application object with no references yet.
DispatchObject* NewApplication();

}  // namespace standin

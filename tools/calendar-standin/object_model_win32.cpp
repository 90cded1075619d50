#include "tools/calendar-standin/object_model_win32.h"

#include <memory>

#include "tools/calendar-standin/appointment_window_win32.h"
#include "tools/calendar-standin/calendar_file_win32.h"
#include "yearboard/calendar/item_search.h"

namespace standin {
namespace {

constexpr WORD kGet = DISPATCH_METHOD | DISPATCH_PROPERTYGET;

void RequireGet(WORD flags) {
  if (!(flags & kGet)) throw MemberError(DISP_E_MEMBERNOTFOUND, "The member cannot be set.");
}

class Inspector : public DispatchObject {
 public:
  explicit Inspector(yb::SearchRecord item)
      : DispatchObject({"Display", "Caption"}), item(std::move(item)) {}

 protected:
  void Member(int index, WORD flags, const Arguments& args, VARIANT* result) override {
    RequireGet(flags);
    if (index == 0) {
      if (args.Bool(0, false)) throw MemberError(E_INVALIDARG, "A modal display is not offered.");
      OpenAppointmentWindow(item);
    } else {
      ReturnText(result, AppointmentCaption(item));
    }
  }

 private:
  yb::SearchRecord item;
};

class Appointment : public DispatchObject {
 public:
  explicit Appointment(yb::SearchRecord item)
      : DispatchObject({"Start", "End", "Categories", "Subject", "GetInspector"}),
        item(std::move(item)) {}

 protected:
  void Member(int index, WORD flags, const Arguments&, VARIANT* result) override {
    RequireGet(flags);
    switch (index) {
      case 0:
        ReturnDate(result, item.start);
        break;
      case 1:
        ReturnDate(result, item.end);
        break;
      case 2:
        ReturnText(result, item.categories);
        break;
      case 3:
        ReturnText(result, item.subject);
        break;
      default:
        ReturnObject(result, new Inspector(item));
        break;
    }
  }

 private:
  yb::SearchRecord item;
};

class Items : public DispatchObject {
 public:
  explicit Items(std::shared_ptr<const yb::IcalCalendar> store)
      : DispatchObject({"Sort", "IncludeRecurrences", "Find", "FindNext", "Count"}),
        store(std::move(store)) {}

 protected:
  void Member(int index, WORD flags, const Arguments& args, VARIANT* result) override {
    if (index == 1) {
      if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        includeRecurrences = args.Bool(0, false);
        search.SetIncludeRecurrences(includeRecurrences);
      } else {
        ReturnBool(result, includeRecurrences);
      }
      return;
    }
    RequireGet(flags);
    switch (index) {
      case 0:
        search.Sort(args.Text(0), args.Bool(1, false));
        break;
      case 2:
        Return(result, search.Find(*store, args.Text(0)));
        break;
      case 3:
        Return(result, search.FindNext());
        break;
      default:
        ReturnInt(result, static_cast<long>(store->EntryCount()));
        break;
    }
  }

 private:
  // Nothing found is an empty object reference, as the client returns.
  static void Return(VARIANT* result, const yb::SearchRecord* found) {
    if (found) {
      ReturnObject(result, new Appointment(*found));
    } else if (result) {
      result->vt = VT_DISPATCH;
      result->pdispVal = nullptr;
    }
  }

  std::shared_ptr<const yb::IcalCalendar> store;
  yb::ItemSearch search;
  bool includeRecurrences = false;
};

class Folder : public DispatchObject {
 public:
  Folder() : DispatchObject({"Items", "Name"}) {}

 protected:
  void Member(int index, WORD flags, const Arguments&, VARIANT* result) override {
    RequireGet(flags);
    if (index == 0)
      ReturnObject(result, new Items(LoadCalendarFile()));
    else
      ReturnText(result, "Calendar");
  }
};

class Namespace : public DispatchObject {
 public:
  Namespace() : DispatchObject({"GetDefaultFolder"}) {}

 protected:
  void Member(int, WORD flags, const Arguments& args, VARIANT* result) override {
    RequireGet(flags);
    const long type = args.Int(0);
    if (type != 9)
      throw MemberError(E_INVALIDARG, "The stand-in has only the calendar folder (9), not " +
                                          std::to_string(type) + ".");
    ReturnObject(result, new Folder());
  }
};

class Application : public DispatchObject {
 public:
  Application() : DispatchObject({"GetNamespace"}) {}

 protected:
  void Member(int, WORD flags, const Arguments& args, VARIANT* result) override {
    RequireGet(flags);
    const std::string type = args.Text(0);
    if (lstrcmpiA(type.c_str(), "MAPI") != 0)
      throw MemberError(E_INVALIDARG, "Unknown namespace \"" + type + "\".");
    ReturnObject(result, new Namespace());
  }
};

}  // namespace

DispatchObject* NewApplication() {
  return new Application();
}

}  // namespace standin

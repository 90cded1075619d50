#pragma once
// The calendar client's automation object model, as far as Yearboard uses it:
// application -> "MAPI" namespace -> default calendar folder (9) -> Items, searched with
// Sort / IncludeRecurrences / Find / FindNext; appointments give Start, End, Categories,
// Subject and an inspector that displays them. Date-times are OLE dates
// (yearboard/base/ole_date.h: days since 1899-12-30, local time). Every failing call throws
// CalendarError with the automation layer's error text. Implementations: the IDispatch adapter
// (automation_calendar_win32.h) and the in-memory calendar for tests (memory_calendar.h).
#include <memory>
#include <stdexcept>
#include <string>

#include "yearboard/base/ole_date.h"

namespace yb {

class CalendarError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

constexpr const char* kMapiNamespace = "MAPI";
constexpr int kCalendarFolder = 9;
constexpr const char* kStartProperty = "[Start]";

class Inspector {
 public:
  virtual ~Inspector() = default;
  // The client shows the item in its own window and returns at once.
  virtual void Display() = 0;
};

class Appointment {
 public:
  virtual ~Appointment() = default;
  virtual OleDate Start() = 0;
  virtual OleDate End() = 0;
  virtual std::string Categories() = 0;  // "" when none
  virtual std::string Subject() = 0;
  virtual std::unique_ptr<Inspector> GetInspector() = 0;
};

// Items are kept in several day and category lists at once, hence shared.
using AppointmentItem = std::shared_ptr<Appointment>;

class ItemCollection {
 public:
  virtual ~ItemCollection() = default;
  virtual void Sort(const std::string& property, bool descending) = 0;
  virtual void SetIncludeRecurrences(bool include) = 0;
  // First match of the restriction, or nullptr.
  virtual AppointmentItem Find(const std::string& filter) = 0;
  // Next match of the last Find, or nullptr.
  virtual AppointmentItem FindNext() = 0;
};

class Folder {
 public:
  virtual ~Folder() = default;
  // A fresh collection on every call.
  virtual std::unique_ptr<ItemCollection> Items() = 0;
};

class Namespace {
 public:
  virtual ~Namespace() = default;
  virtual std::unique_ptr<Folder> GetDefaultFolder(int folderType) = 0;
};

class Application {
 public:
  virtual ~Application() = default;
  virtual std::unique_ptr<Namespace> GetNamespace(const std::string& type) = 0;
};

// The years the planner shows: Windows keeps dates from 1601, an OLE date ends with 9999.
constexpr int kFirstYear = 1601;
constexpr int kLastYear = 9999;

// "[Start] >= '01/01/Y' And [Start] < '01/01/Y+1'"; for the last year, whose next has no
// date, "... And [Start] <= '12/31/9999 11:59:59 PM'".
std::string YearFilter(int year);

// The three objects held from start-up to unload: GetNamespace("MAPI") and
// GetDefaultFolder(9) run in the constructor; Release (and the destructor) let go of the
// folder, then the namespace, then the application.
class CalendarSession {
 public:
  explicit CalendarSession(std::unique_ptr<Application> application);
  ~CalendarSession();
  CalendarSession(const CalendarSession&) = delete;
  CalendarSession& operator=(const CalendarSession&) = delete;

  Folder& CalendarFolder() const;
  void Release();

 private:
  std::unique_ptr<Application> app;
  std::unique_ptr<Namespace> ns;
  std::unique_ptr<Folder> folder;
};

}  // namespace yb

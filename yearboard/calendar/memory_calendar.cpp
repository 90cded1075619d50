#include "yearboard/calendar/memory_calendar.h"

#include <algorithm>
#include <map>

#include "yearboard/calendar/item_search.h"

namespace yb {

struct MemoryCalendar::State : SearchSource {
  std::vector<MemoryAppointment> appointments;
  std::vector<std::string> calls;
  std::vector<std::string> displayed;
  std::map<std::string, std::string> failures;

  void Call(const std::string& member, const std::string& detail = "") {
    calls.push_back(detail.empty() ? member : member + " " + detail);
    CheckFailure(member);
  }

  // Property reads are not logged: a year's load makes tens of thousands of them.
  void CheckFailure(const std::string& member) const {
    if (failures.empty()) return;
    const auto failure = failures.find(member);
    if (failure != failures.end()) throw CalendarError(failure->second);
  }

  std::size_t EntryCount() const override { return appointments.size(); }

  SearchRecord Master(std::size_t entry) const override {
    const MemoryAppointment& a = appointments[entry];
    return {a.start, a.end, a.categories, a.subject, entry};
  }

  void Occurrences(std::size_t entry, double from, double to,
                   std::vector<SearchRecord>& out) const override {
    const MemoryAppointment& a = appointments[entry];
    if (a.occurrenceStarts.empty()) {
      if (a.start >= from && a.start < to) out.push_back(Master(entry));
      return;
    }
    std::vector<double> starts = a.occurrenceStarts;
    std::sort(starts.begin(), starts.end());
    for (double s : starts)
      if (s >= from && s < to)
        out.push_back({s, s + (a.end - a.start), a.categories, a.subject, entry});
  }
};

namespace {

using State = MemoryCalendar::State;

// Each object logs its release, so tests can check the order the planner lets go.
class Released {
 public:
  Released(std::shared_ptr<State> state, std::string name)
      : state(std::move(state)), name(std::move(name)) {}
  ~Released() { state->calls.push_back("Release " + name); }
  Released(const Released&) = delete;
  Released& operator=(const Released&) = delete;

 protected:
  std::shared_ptr<State> state;

 private:
  std::string name;
};

class MemoryInspector : public Inspector {
 public:
  MemoryInspector(std::shared_ptr<State> state, std::string subject)
      : state(std::move(state)), subject(std::move(subject)) {}
  void Display() override {
    state->Call("Display", subject);
    state->displayed.push_back(subject);
  }

 private:
  std::shared_ptr<State> state;
  std::string subject;
};

class MemoryItem : public Appointment {
 public:
  MemoryItem(std::shared_ptr<State> state, SearchRecord record)
      : state(std::move(state)), record(std::move(record)) {}
  OleDate Start() override { return state->CheckFailure("Start"), record.start; }
  OleDate End() override { return state->CheckFailure("End"), record.end; }
  std::string Categories() override { return state->CheckFailure("Categories"), record.categories; }
  std::string Subject() override { return state->CheckFailure("Subject"), record.subject; }
  std::unique_ptr<Inspector> GetInspector() override {
    state->Call("GetInspector", record.subject);
    return std::make_unique<MemoryInspector>(state, record.subject);
  }

 private:
  std::shared_ptr<State> state;
  SearchRecord record;
};

class MemoryItems : public ItemCollection {
 public:
  explicit MemoryItems(std::shared_ptr<State> state) : state(std::move(state)) {}
  void Sort(const std::string& property, bool descending) override {
    state->Call("Sort", property + (descending ? " true" : " false"));
    search.Sort(property, descending);
  }
  void SetIncludeRecurrences(bool include) override {
    state->Call("IncludeRecurrences", include ? "true" : "false");
    search.SetIncludeRecurrences(include);
  }
  AppointmentItem Find(const std::string& filter) override {
    state->Call("Find", filter);
    return Wrap(search.Find(*state, filter));
  }
  AppointmentItem FindNext() override {
    state->Call("FindNext");
    return Wrap(search.FindNext());
  }

 private:
  AppointmentItem Wrap(const SearchRecord* record) {
    if (!record) return nullptr;
    return std::make_shared<MemoryItem>(state, *record);
  }

  std::shared_ptr<State> state;
  ItemSearch search;
};

class MemoryFolder : public Folder, Released {
 public:
  explicit MemoryFolder(std::shared_ptr<State> s) : Released(std::move(s), "Folder") {}
  std::unique_ptr<ItemCollection> Items() override {
    state->Call("Items");
    return std::make_unique<MemoryItems>(state);
  }
};

class MemoryNamespace : public Namespace, Released {
 public:
  explicit MemoryNamespace(std::shared_ptr<State> s) : Released(std::move(s), "Namespace") {}
  std::unique_ptr<Folder> GetDefaultFolder(int folderType) override {
    state->Call("GetDefaultFolder", std::to_string(folderType));
    if (folderType != kCalendarFolder)
      throw CalendarError("The memory calendar has only the calendar folder (9).");
    return std::make_unique<MemoryFolder>(state);
  }
};

class MemoryApplication : public Application, Released {
 public:
  explicit MemoryApplication(std::shared_ptr<State> s) : Released(std::move(s), "Application") {}
  std::unique_ptr<Namespace> GetNamespace(const std::string& type) override {
    state->Call("GetNamespace", type);
    if (type != kMapiNamespace) throw CalendarError("Unknown namespace \"" + type + "\".");
    return std::make_unique<MemoryNamespace>(state);
  }
};

}  // namespace

MemoryCalendar::MemoryCalendar() : state(std::make_shared<State>()) {}

void MemoryCalendar::Add(MemoryAppointment appointment) {
  state->appointments.push_back(std::move(appointment));
}

void MemoryCalendar::Clear() {
  state->appointments.clear();
}

std::unique_ptr<Application> MemoryCalendar::CreateApplication() {
  return std::make_unique<MemoryApplication>(state);
}

const std::vector<std::string>& MemoryCalendar::Calls() const {
  return state->calls;
}

void MemoryCalendar::ClearCalls() {
  state->calls.clear();
}

std::vector<std::string> MemoryCalendar::Displayed() const {
  return state->displayed;
}

void MemoryCalendar::FailOn(const std::string& member, const std::string& errorText) {
  state->failures[member] = errorText;
}

}  // namespace yb

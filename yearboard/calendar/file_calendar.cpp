#include "yearboard/calendar/file_calendar.h"

#include <fstream>
#include <sstream>

#include "yearboard/calendar/rule_text.h"

namespace yb {

struct FileCalendar::State {
  ItemViewer& viewer;
  Formats formats;
  std::string text;  // as last read, so an unchanged file is not parsed again
  std::shared_ptr<const IcalCalendar> calendar;
};

namespace {

using State = FileCalendar::State;

class FileInspector : public Inspector {
 public:
  FileInspector(std::shared_ptr<State> state, ItemDetails item)
      : state(std::move(state)), item(std::move(item)) {}
  void Display() override { state->viewer.Show(item); }

 private:
  std::shared_ptr<State> state;
  ItemDetails item;
};

class FileItem : public Appointment {
 public:
  FileItem(std::shared_ptr<State> state, std::shared_ptr<const IcalCalendar> calendar,
           SearchRecord record)
      : state(std::move(state)), calendar(std::move(calendar)), record(std::move(record)) {}
  OleDate Start() override { return record.start; }
  OleDate End() override { return record.end; }
  std::string Categories() override { return record.categories; }
  std::string Subject() override { return record.subject; }
  std::unique_ptr<Inspector> GetInspector() override {
    const CalendarEvent& e = calendar->EventOf(record.entry);
    std::string rules;
    for (const RecurrenceRule& rule : calendar->SeriesOf(record.entry).rules)
      rules += (rules.empty() ? "" : "; ") + DescribeRule(rule, state->formats);
    ItemDetails item;
    item.key = std::to_string(e.line) + "@" + std::to_string(record.start);
    item.subject = e.summary;
    item.location = e.location;
    item.description = e.description;
    item.categories = record.categories;
    item.rule = rules;
    item.start = record.start;
    item.end = record.end;
    return std::make_unique<FileInspector>(state, std::move(item));
  }

 private:
  std::shared_ptr<State> state;
  std::shared_ptr<const IcalCalendar> calendar;
  SearchRecord record;
};

class FileItems : public ItemCollection {
 public:
  explicit FileItems(std::shared_ptr<State> s) : state(std::move(s)), calendar(state->calendar) {}
  void Sort(const std::string& property, bool descending) override {
    search.Sort(property, descending);
  }
  void SetIncludeRecurrences(bool include) override { search.SetIncludeRecurrences(include); }
  AppointmentItem Find(const std::string& filter) override {
    return Wrap(search.Find(*calendar, filter));
  }
  AppointmentItem FindNext() override { return Wrap(search.FindNext()); }

 private:
  AppointmentItem Wrap(const SearchRecord* record) {
    if (!record) return nullptr;
    return std::make_shared<FileItem>(state, calendar, *record);
  }

  std::shared_ptr<State> state;
  std::shared_ptr<const IcalCalendar> calendar;
  ItemSearch search;
};

class FileFolder : public Folder {
 public:
  explicit FileFolder(std::shared_ptr<State> state) : state(std::move(state)) {}
  std::unique_ptr<ItemCollection> Items() override {
    if (!state->calendar) throw CalendarError("The calendar file has not been read.");
    return std::make_unique<FileItems>(state);
  }

 private:
  std::shared_ptr<State> state;
};

class FileNamespace : public Namespace {
 public:
  explicit FileNamespace(std::shared_ptr<State> state) : state(std::move(state)) {}
  std::unique_ptr<Folder> GetDefaultFolder(int folderType) override {
    if (folderType != kCalendarFolder)
      throw CalendarError("A calendar file holds only the calendar folder (9).");
    return std::make_unique<FileFolder>(state);
  }

 private:
  std::shared_ptr<State> state;
};

class FileApplication : public Application {
 public:
  explicit FileApplication(std::shared_ptr<State> state) : state(std::move(state)) {}
  std::unique_ptr<Namespace> GetNamespace(const std::string& type) override {
    if (type != kMapiNamespace) throw CalendarError("Unknown namespace \"" + type + "\".");
    return std::make_unique<FileNamespace>(state);
  }

 private:
  std::shared_ptr<State> state;
};

}  // namespace

FileCalendar::FileCalendar(std::string path, TimeZoneSystem& zones, ItemViewer& viewer,
                           Formats formats, TextDecoder decode)
    : path(std::move(path)),
      zones(zones),
      decode(std::move(decode)),
      state(std::make_shared<State>(State{viewer, std::move(formats), {}, nullptr})) {}

FileCalendar::~FileCalendar() = default;

bool FileCalendar::Reload() {
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open()) throw CalendarFileError("The calendar file " + path + " cannot be opened.");
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) throw CalendarFileError("The calendar file " + path + " cannot be read.");
  std::string bytes = std::move(text).str();
  if (state->calendar && bytes == state->text) return false;
  try {
    auto calendar = std::make_shared<const IcalCalendar>(ReadCalendar(bytes, zones, decode), zones.LocalZone());
    state->calendar = std::move(calendar);
    state->text = std::move(bytes);
    return true;
  } catch (const CalendarFileError& e) {
    throw CalendarFileError("The calendar file " + path + " cannot be read: " + e.what() + ".");
  }
}

std::string FileCalendar::ReadingFaults() const {
  if (!state->calendar) return "";
  return ReadingFaultsMessage(state->calendar->SkippedEvents(), state->calendar->UnreadZoneEvents());
}

std::string FileCalendar::CategoryList() const {
  return state->calendar ? state->calendar->CategoryList() : "";
}

std::unique_ptr<Application> FileCalendar::CreateApplication() {
  return std::make_unique<FileApplication>(state);
}

std::string ReadingFaultsMessage(std::size_t skipped, std::size_t unreadZones) {
  const auto events = [](std::size_t n) { return std::to_string(n) + (n == 1 ? " event" : " events"); };
  std::string text;
  if (skipped) text = events(skipped) + " in the calendar file could not be read";
  if (skipped && unreadZones) text += ". ";
  if (unreadZones)
    text += events(unreadZones) + (unreadZones == 1 ? " uses" : " use") +
            " a time zone that could not be read; shown in local time";
  return text;
}

}  // namespace yb

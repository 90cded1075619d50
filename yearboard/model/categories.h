#pragma once
// The category table: cCategory (name, paint colour, row in the categories grid, the shown
// year's appointments of that category) and cCategories, an ordered table keyed by name
// without regard to letter case, as the system folds it; position i (1-based) is grid row i. Also the master list
// parsing and LoadCategories with the saved colours (settings "Yearboard", "Categories").
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "yearboard/base/color.h"
#include "yearboard/base/settings_store.h"
#include "yearboard/base/text_case.h"
#include "yearboard/calendar/calendar_client.h"
#include "yearboard/grid/grid_model.h"

namespace yb {

using AppointmentList = std::vector<AppointmentItem>;

constexpr const char* kSettingsApplication = "Yearboard";
constexpr const char* kCategoriesSection = "Categories";
constexpr Color kMasterListColor = 65280;    // green: a master-list name without a saved colour
constexpr Color kNewCategoryColor = 255;     // red: a category first met on an appointment

class cCategory {
 public:
  // Appends a row to the categories grid; Row is that new last row.
  explicit cCategory(GridModel& grid);
  // Removes its row from the grid; a row already gone is no error.
  ~cCategory();
  cCategory(const cCategory&) = delete;
  cCategory& operator=(const cCategory&) = delete;

  const std::string& Name() const { return name; }
  void SetName(const std::string& value);  // also the text of grid cell (Row, 0)
  yb::Color Color() const { return color; }
  void SetColor(yb::Color value);           // also the background of grid cell (Row, 1)
  int Row() const { return row; }

  // The colour dialog preset to Color; then every appointment of the category is repainted
  // through markDate (with no new filing), also when the dialog was cancelled.
  void EditColor(const std::function<yb::Color(yb::Color)>& chooseColor,
                 const std::function<void(const AppointmentItem&)>& markDate);
  // Its saved colour did not read: saving leaves that value alone until the user picks a
  // colour other than the one shown.
  bool KeepsSavedColor() const { return keepSaved; }
  void KeepSavedColor() { keepSaved = true; }

  AppointmentList Appointments;

 private:
  GridModel& grid;
  std::string name;
  yb::Color color = 0;
  int row = 0;
  bool keepSaved = false;
};

class cCategories {
 public:
  // Sets up the categories grid: the header "Categories", 330 / 1300 / 345 twips. Names are
  // compared through textCase, which must outlive the table.
  cCategories(GridModel& grid, const TextCase& textCase);
  // Last first, so that each category's grid row is still where it was put.
  ~cCategories();
  cCategories(const cCategories&) = delete;
  cCategories& operator=(const cCategories&) = delete;

  // Throws std::invalid_argument when the name is already a key.
  cCategory& Add(const std::string& Name, yb::Color Color);
  // By 1-based position or by name (letter case ignored); nullptr when there is none.
  cCategory* Item(int position) const;
  cCategory* Item(const std::string& key) const;
  int Count() const { return static_cast<int>(entries.size()); }
  void Remove(int position);
  void Remove(const std::string& key);

  auto begin() const { return entries.begin(); }
  auto end() const { return entries.end(); }

  // Saves every category's colour as decimal text, but for those that keep a saved colour that
  // did not read; done when the table is destroyed.
  void SaveColors(SettingsStore& store) const;

 private:
  GridModel& grid;
  const TextCase& textCase;
  std::vector<std::unique_ptr<cCategory>> entries;
  std::map<std::string, cCategory*> byKey;  // folded names
};

// The names of a ";"-terminated list; text after the last ";" is no name.
std::vector<std::string> SplitMasterList(const std::string& text);

// Adds each master-list name with its saved colour, or green; a name listed twice is added
// once, an empty name is skipped. A saved colour that does not read (no text, or not a whole
// number in the 32-bit range) gives green too; those names are returned, in list order.
std::vector<std::string> LoadCategories(cCategories& table, const std::string& masterList, SettingsStore& store);
// The one message that names them.
std::string UnreadableColorsMessage(const std::vector<std::string>& names);

}  // namespace yb

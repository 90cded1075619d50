#include "yearboard/model/categories.h"

#include <stdexcept>

namespace yb {

namespace {
constexpr int kHeaderHeight = 330;
constexpr int kNameWidth = 1300;
constexpr int kSwatchWidth = 345;
}  // namespace

cCategory::cCategory(GridModel& grid) : grid(grid) {
  grid.SetRows(grid.Rows() + 1);
  row = grid.Rows() - 1;
}

cCategory::~cCategory() {
  if (row < grid.Rows()) grid.RemoveRow(row);
}

void cCategory::SetName(const std::string& value) {
  name = value;
  grid.SetText(row, 0, name);
}

void cCategory::SetColor(yb::Color value) {
  color = value;
  grid.SetRedraw(false);
  const int current = grid.Row();
  grid.SetRow(row);
  grid.SetCol(1);
  grid.SetCellBackColor(row, 1, color);
  grid.SetCol(0);
  grid.SetRow(current);
  grid.SetRedraw(true);
}

void cCategory::EditColor(const std::function<yb::Color(yb::Color)>& chooseColor,
                          const std::function<void(const AppointmentItem&)>& markDate) {
  const yb::Color chosen = chooseColor(color);
  if (chosen != color) keepSaved = false;
  SetColor(chosen);
  // A copy: repainting must not depend on the list staying untouched meanwhile.
  const AppointmentList items = Appointments;
  for (const AppointmentItem& item : items) markDate(item);
}

cCategories::cCategories(GridModel& grid, const TextCase& textCase) : grid(grid), textCase(textCase) {
  grid.SetRows(1);
  grid.SetText(0, 0, "Categories");
  grid.SetRowHeight(0, kHeaderHeight);
  grid.SetColWidth(0, kNameWidth);
  grid.SetColWidth(1, kSwatchWidth);
}

cCategories::~cCategories() {
  while (!entries.empty()) entries.pop_back();
}

cCategory& cCategories::Add(const std::string& Name, yb::Color Color) {
  const std::string key = textCase.Fold(Name);
  if (byKey.count(key)) throw std::invalid_argument("Category '" + Name + "' is already listed");
  auto category = std::make_unique<cCategory>(grid);
  category->SetName(Name);
  category->SetColor(Color);
  cCategory& added = *category;
  entries.push_back(std::move(category));
  byKey[key] = &added;
  grid.SetFixedRows(1);
  return added;
}

cCategory* cCategories::Item(int position) const {
  if (position < 1 || position > Count()) return nullptr;
  return entries[static_cast<std::size_t>(position - 1)].get();
}

cCategory* cCategories::Item(const std::string& key) const {
  const auto found = byKey.find(textCase.Fold(key));
  return found == byKey.end() ? nullptr : found->second;
}

void cCategories::Remove(int position) {
  cCategory* category = Item(position);
  if (!category) throw std::out_of_range("No category at position " + std::to_string(position));
  byKey.erase(textCase.Fold(category->Name()));
  entries.erase(entries.begin() + (position - 1));
}

void cCategories::Remove(const std::string& key) {
  for (int i = 1; i <= Count(); ++i) {
    if (textCase.Fold(Item(i)->Name()) == textCase.Fold(key)) return Remove(i);
  }
  throw std::out_of_range("No category '" + key + "'");
}

void cCategories::SaveColors(SettingsStore& store) const {
  for (const auto& category : entries) {
    if (category->KeepsSavedColor()) continue;
    store.SaveSetting(kSettingsApplication, kCategoriesSection, category->Name(),
                      ColorText(category->Color()));
  }
}

std::vector<std::string> SplitMasterList(const std::string& text) {
  std::vector<std::string> names;
  std::size_t from = 0;
  for (std::size_t semicolon = text.find(';'); semicolon != std::string::npos;
       semicolon = text.find(';', from)) {
    names.push_back(text.substr(from, semicolon - from));
    from = semicolon + 1;
  }
  return names;
}

std::vector<std::string> LoadCategories(cCategories& table, const std::string& masterList, SettingsStore& store) {
  std::vector<std::string> unreadable;
  for (const std::string& name : SplitMasterList(masterList)) {
    if (name.empty() || table.Item(name)) continue;
    const StoredSetting saved = store.ReadSetting(kSettingsApplication, kCategoriesSection, name);
    std::optional<Color> color;
    if (saved.state == StoredSetting::State::Text) color = ParseColorText(saved.text);
    cCategory& category = table.Add(name, color.value_or(kMasterListColor));
    if (saved.state != StoredSetting::State::Missing && !color) {
      category.KeepSavedColor();
      unreadable.push_back(name);
    }
  }
  return unreadable;
}

std::string UnreadableColorsMessage(const std::vector<std::string>& names) {
  std::string list;
  for (const std::string& name : names) list += (list.empty() ? "" : ", ") + name;
  return "The saved colours of these categories cannot be read: " + list +
         ". They are shown in green until you choose their colours.";
}

}  // namespace yb

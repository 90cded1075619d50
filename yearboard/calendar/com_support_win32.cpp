#include "yearboard/calendar/com_support_win32.h"

#include <objbase.h>

#include <cstdio>

namespace yb {

ComApartment::ComApartment() : result(CoInitialize(nullptr)) {}

ComApartment::~ComApartment() {
  if (SUCCEEDED(result)) CoUninitialize();
}

Bstr::Bstr(const std::string& ansi) : Bstr(WideFromAnsi(ansi).c_str()) {}

Bstr::Bstr(const wchar_t* wide) : value(SysAllocString(wide)) {
  if (!value) throw std::bad_alloc();
}

std::string Bstr::Ansi() const {
  return value ? AnsiFromWide(value, static_cast<int>(SysStringLen(value))) : std::string();
}

Variant Variant::Text(const std::string& ansi) {
  Variant v;
  Bstr text(ansi);
  v.value.vt = VT_BSTR;
  v.value.bstrVal = text.Detach();
  return v;
}

Variant Variant::Bool(bool b) {
  Variant v;
  v.value.vt = VT_BOOL;
  v.value.boolVal = b ? VARIANT_TRUE : VARIANT_FALSE;
  return v;
}

Variant Variant::Int(long i) {
  Variant v;
  v.value.vt = VT_I4;
  v.value.lVal = i;
  return v;
}

Variant Variant::Date(double oleDate) {
  Variant v;
  v.value.vt = VT_DATE;
  v.value.date = oleDate;
  return v;
}

// VariantChangeType takes the source as non-const but leaves it unchanged.
bool Variant::ToDouble(VARTYPE type, double& out) const {
  Variant converted;
  if (FAILED(VariantChangeType(converted.Address(), const_cast<VARIANT*>(&value), 0, type)))
    return false;
  out = type == VT_DATE ? converted.value.date : converted.value.dblVal;
  return true;
}

bool Variant::ToText(std::string& out) const {
  Variant converted;
  if (FAILED(VariantChangeType(converted.Address(), const_cast<VARIANT*>(&value), 0, VT_BSTR)))
    return false;
  const BSTR b = converted.value.bstrVal;
  out = b ? AnsiFromWide(b, static_cast<int>(SysStringLen(b))) : std::string();
  return true;
}

std::wstring WideFromAnsi(const std::string& ansi) {
  if (ansi.empty()) return std::wstring();
  const int n =
      MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), n);
  return wide;
}

std::string AnsiFromWide(const wchar_t* wide, int length) {
  if (!wide || length == 0) return std::string();
  int n = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, length, ansi.data(), n, nullptr, nullptr);
  // A length of -1 counts the terminating NUL too.
  if (length < 0 && !ansi.empty() && ansi.back() == '\0') ansi.pop_back();
  return ansi;
}

std::string HResultNumber(HRESULT hr) {
  char number[16];
  std::snprintf(number, sizeof number, "0x%08lX", static_cast<unsigned long>(hr));
  return number;
}

std::string HResultText(HRESULT hr) {
  char* buffer = nullptr;
  const DWORD n = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::string text = n && buffer ? std::string(buffer, n) : std::string();
  if (buffer) LocalFree(buffer);
  while (!text.empty() &&
         (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' || text.back() == '.'))
    text.pop_back();
  if (text.empty()) text = "Automation error";
  return text + " (" + HResultNumber(hr) + ")";
}

}  // namespace yb

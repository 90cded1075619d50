#include "tools/calendar-standin/dispatch_object_win32.h"

#include <memory>

namespace standin {

std::atomic<long> gUsers{0};

namespace {

std::wstring WideFromUtf8(const std::string& text) {
  if (text.empty()) return std::wstring();
  const int n =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

std::string Utf8FromWide(const wchar_t* wide, int length) {
  if (!wide || length <= 0) return std::string();
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, length, text.data(), n, nullptr, nullptr);
  return text;
}

void Describe(EXCEPINFO* info, HRESULT code, const std::string& text) {
  if (!info) return;
  *info = EXCEPINFO{};
  info->bstrSource = SysAllocString(L"Calendar stand-in");
  info->bstrDescription = SysAllocString(WideFromUtf8(text).c_str());
  info->scode = code;
}

}  // namespace

bool Arguments::Has(unsigned i) const {
  if (i >= Count()) return false;
  const VARIANT& v = params->rgvarg[Count() - 1 - i];
  return !(v.vt == VT_ERROR && v.scode == DISP_E_PARAMNOTFOUND);
}

VARIANT Arguments::Converted(unsigned i, VARTYPE type) const {
  if (!Has(i))
    throw MemberError(DISP_E_BADPARAMCOUNT, "Argument " + std::to_string(i + 1) + " is missing.");
  VARIANT out;
  VariantInit(&out);
  // Converts through references too (VT_BYREF arguments of script callers).
  if (FAILED(VariantChangeType(&out, &params->rgvarg[Count() - 1 - i], 0, type)))
    throw MemberError(DISP_E_TYPEMISMATCH,
                      "Argument " + std::to_string(i + 1) + " has the wrong type.");
  return out;
}

std::string Arguments::Text(unsigned i) const {
  VARIANT v = Converted(i, VT_BSTR);
  const std::string text = Utf8FromWide(v.bstrVal, static_cast<int>(SysStringLen(v.bstrVal)));
  VariantClear(&v);
  return text;
}

bool Arguments::Bool(unsigned i, bool missing) const {
  if (!Has(i)) return missing;
  return Converted(i, VT_BOOL).boolVal != VARIANT_FALSE;
}

long Arguments::Int(unsigned i) const {
  return Converted(i, VT_I4).lVal;
}

DispatchObject::DispatchObject(std::vector<const char*> members) : members(std::move(members)) {
  ++gUsers;
}

DispatchObject::~DispatchObject() {
  --gUsers;
}

HRESULT DispatchObject::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG DispatchObject::AddRef() {
  return static_cast<ULONG>(++references);
}

ULONG DispatchObject::Release() {
  const long left = --references;
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT DispatchObject::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT DispatchObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return TYPE_E_ELEMENTNOTFOUND;
}

HRESULT DispatchObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (!names || !ids || count == 0) return E_INVALIDARG;
  for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  const std::string name = Utf8FromWide(names[0], static_cast<int>(wcslen(names[0])));
  for (std::size_t i = 0; i < members.size(); ++i) {
    if (lstrcmpiA(members[i], name.c_str()) == 0) {
      ids[0] = static_cast<DISPID>(i + 1);
      // Named arguments are not supported.
      return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
    }
  }
  return DISP_E_UNKNOWNNAME;
}

HRESULT DispatchObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                               VARIANT* result, EXCEPINFO* info, UINT* argError) {
  if (id < 1 || id > static_cast<DISPID>(members.size())) return DISP_E_MEMBERNOTFOUND;
  if (argError) *argError = 0;
  if (result) VariantInit(result);
  // Keeps the object alive should the call release the caller's last reference.
  AddRef();
  std::unique_ptr<DispatchObject, void (*)(DispatchObject*)> hold(
      this, [](DispatchObject* o) { o->Release(); });
  try {
    Member(static_cast<int>(id - 1), flags, Arguments(params), result);
    return S_OK;
  } catch (const MemberError& e) {
    if (e.code == DISP_E_BADPARAMCOUNT || e.code == DISP_E_TYPEMISMATCH) return e.code;
    Describe(info, e.code, e.what());
  } catch (const std::exception& e) {
    Describe(info, E_FAIL, e.what());
  } catch (...) {
    Describe(info, E_FAIL, "Unexpected failure.");
  }
  if (result) VariantClear(result);
  return DISP_E_EXCEPTION;
}

void DispatchObject::ReturnText(VARIANT* result, const std::string& utf8) {
  if (!result) return;
  const std::wstring wide = WideFromUtf8(utf8);
  result->vt = VT_BSTR;
  result->bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  if (!result->bstrVal) throw std::bad_alloc();
}

void DispatchObject::ReturnDate(VARIANT* result, double oleDate) {
  if (!result) return;
  result->vt = VT_DATE;
  result->date = oleDate;
}

void DispatchObject::ReturnBool(VARIANT* result, bool value) {
  if (!result) return;
  result->vt = VT_BOOL;
  result->boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

void DispatchObject::ReturnInt(VARIANT* result, long value) {
  if (!result) return;
  result->vt = VT_I4;
  result->lVal = value;
}

void DispatchObject::ReturnObject(VARIANT* result, DispatchObject* object) {
  object->AddRef();
  if (!result) {
    object->Release();
    return;
  }
  result->vt = VT_DISPATCH;
  result->pdispVal = object;
}

}  // namespace standin

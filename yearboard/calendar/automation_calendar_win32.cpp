#include "yearboard/calendar/automation_calendar_win32.h"

#include <objbase.h>

#include <map>
#include <vector>

#include "yearboard/calendar/com_support_win32.h"

namespace yb {
namespace {

// Shared by every object of one application: the apartment they live in and the member ids
// already looked up, per object kind (all objects of a kind are of one class).
struct Context {
  ComApartment apartment;
  std::map<std::string, DISPID> ids;
};

[[noreturn]] void Fail(const std::string& where, HRESULT hr, EXCEPINFO* info = nullptr) {
  std::string text;
  if (info) {
    if (info->pfnDeferredFillIn) info->pfnDeferredFillIn(info);
    // Taken over, so the strings the server filled in are freed.
    Bstr source, description, help;
    *source.Address() = info->bstrSource;
    *description.Address() = info->bstrDescription;
    *help.Address() = info->bstrHelpFile;
    const HRESULT code =
        info->scode ? info->scode : static_cast<HRESULT>(0x80040000 + info->wCode);
    const std::string said = description.Ansi();
    text = said.empty() ? HResultText(code) : said + " (" + HResultNumber(code) + ")";
  } else {
    text = HResultText(hr);
  }
  throw CalendarError(where + ": " + text);
}

class Dispatch {
 public:
  Dispatch(std::shared_ptr<Context> context, ComPtr<IDispatch> object, std::string kind)
      : context(std::move(context)), object(std::move(object)), kind(std::move(kind)) {}

  // Arguments in their written order.
  Variant Call(const char* member, std::vector<Variant> args = {}) {
    return Invoke(member, DISPATCH_METHOD | DISPATCH_PROPERTYGET, args, false);
  }
  void Put(const char* member, Variant value) {
    std::vector<Variant> args;
    args.push_back(std::move(value));
    Invoke(member, DISPATCH_PROPERTYPUT, args, true);
  }
  // The object a call returned; nothing (a null or empty result) gives an empty pointer.
  ComPtr<IDispatch> ObjectOf(Variant& result, const char* member) const {
    VARIANT& v = result.Get();
    if (v.vt == VT_EMPTY || v.vt == VT_NULL) return {};
    if (v.vt != VT_DISPATCH && v.vt != VT_UNKNOWN) Fail(Where(member), DISP_E_TYPEMISMATCH);
    if (!v.punkVal) return {};
    ComPtr<IDispatch> dispatch;
    const HRESULT hr = v.punkVal->QueryInterface(IID_IDispatch, dispatch.VoidAddress());
    if (FAILED(hr)) Fail(Where(member), hr);
    return dispatch;
  }
  const std::shared_ptr<Context>& Shared() const { return context; }
  std::string Where(const char* member) const { return kind + "." + member; }

 private:
  DISPID IdOf(const char* member, bool fresh) {
    const std::string key = kind + "." + member;
    auto found = context->ids.find(key);
    if (found != context->ids.end() && !fresh) return found->second;
    Bstr name(member);
    LPOLESTR names[] = {name.Get()};
    DISPID id = DISPID_UNKNOWN;
    const HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr)) Fail(key, hr);
    context->ids[key] = id;
    return id;
  }

  Variant Invoke(const char* member, WORD flags, std::vector<Variant>& args, bool put) {
    // IDispatch takes the arguments last to first.
    std::vector<VARIANT> reversed;
    for (auto it = args.rbegin(); it != args.rend(); ++it) reversed.push_back(it->Get());
    DISPID namedPut = DISPID_PROPERTYPUT;
    DISPPARAMS params{reversed.data(), put ? &namedPut : nullptr,
                      static_cast<UINT>(reversed.size()), put ? 1u : 0u};
    for (bool fresh : {false, true}) {
      const DISPID id = IdOf(member, fresh);
      Variant result;
      EXCEPINFO info{};
      UINT argError = 0;
      const HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                        put ? nullptr : result.Address(), &info, &argError);
      if (SUCCEEDED(hr)) return result;
      // A cached id of another class: look the name up once more.
      if (hr == DISP_E_MEMBERNOTFOUND && !fresh) continue;
      Fail(Where(member), hr, hr == DISP_E_EXCEPTION ? &info : nullptr);
    }
    Fail(Where(member), DISP_E_MEMBERNOTFOUND);
  }

  std::shared_ptr<Context> context;
  ComPtr<IDispatch> object;
  std::string kind;
};

class AutomationInspector : public Inspector {
 public:
  explicit AutomationInspector(Dispatch d) : d(std::move(d)) {}
  void Display() override { d.Call("Display"); }

 private:
  Dispatch d;
};

class AutomationAppointment : public Appointment {
 public:
  explicit AutomationAppointment(Dispatch d) : d(std::move(d)) {}
  OleDate Start() override { return Date("Start"); }
  OleDate End() override { return Date("End"); }
  std::string Categories() override { return Text("Categories"); }
  std::string Subject() override { return Text("Subject"); }
  std::unique_ptr<Inspector> GetInspector() override {
    Variant result = d.Call("GetInspector");
    ComPtr<IDispatch> inspector = d.ObjectOf(result, "GetInspector");
    if (!inspector) Fail(d.Where("GetInspector"), E_POINTER);
    return std::make_unique<AutomationInspector>(
        Dispatch(d.Shared(), std::move(inspector), "Inspector"));
  }

 private:
  OleDate Date(const char* member) {
    double value = 0;
    if (!d.Call(member).ToDouble(VT_DATE, value)) Fail(d.Where(member), DISP_E_TYPEMISMATCH);
    return value;
  }
  std::string Text(const char* member) {
    Variant result = d.Call(member);
    if (result.Get().vt == VT_EMPTY || result.Get().vt == VT_NULL) return std::string();
    std::string text;
    if (!result.ToText(text)) Fail(d.Where(member), DISP_E_TYPEMISMATCH);
    return text;
  }

  Dispatch d;
};

class AutomationItems : public ItemCollection {
 public:
  explicit AutomationItems(Dispatch d) : d(std::move(d)) {}
  void Sort(const std::string& property, bool descending) override {
    std::vector<Variant> args;
    args.push_back(Variant::Text(property));
    args.push_back(Variant::Bool(descending));
    d.Call("Sort", std::move(args));
  }
  void SetIncludeRecurrences(bool include) override {
    d.Put("IncludeRecurrences", Variant::Bool(include));
  }
  AppointmentItem Find(const std::string& filter) override {
    std::vector<Variant> args;
    args.push_back(Variant::Text(filter));
    Variant result = d.Call("Find", std::move(args));
    return Wrap(result, "Find");
  }
  AppointmentItem FindNext() override {
    Variant result = d.Call("FindNext");
    return Wrap(result, "FindNext");
  }

 private:
  AppointmentItem Wrap(Variant& result, const char* member) {
    ComPtr<IDispatch> item = d.ObjectOf(result, member);
    if (!item) return nullptr;
    return std::make_shared<AutomationAppointment>(
        Dispatch(d.Shared(), std::move(item), "Appointment"));
  }

  Dispatch d;
};

// Wraps the object a call returned as a new kind, failing when the call returned nothing.
Dispatch Child(Dispatch& parent, Variant result, const char* member, const char* kind) {
  ComPtr<IDispatch> object = parent.ObjectOf(result, member);
  if (!object) Fail(parent.Where(member), E_POINTER);
  return Dispatch(parent.Shared(), std::move(object), kind);
}

class AutomationFolder : public Folder {
 public:
  explicit AutomationFolder(Dispatch d) : d(std::move(d)) {}
  std::unique_ptr<ItemCollection> Items() override {
    return std::make_unique<AutomationItems>(Child(d, d.Call("Items"), "Items", "Items"));
  }

 private:
  Dispatch d;
};

class AutomationNamespace : public Namespace {
 public:
  explicit AutomationNamespace(Dispatch d) : d(std::move(d)) {}
  std::unique_ptr<Folder> GetDefaultFolder(int folderType) override {
    std::vector<Variant> args;
    args.push_back(Variant::Int(folderType));
    return std::make_unique<AutomationFolder>(
        Child(d, d.Call("GetDefaultFolder", std::move(args)), "GetDefaultFolder", "Folder"));
  }

 private:
  Dispatch d;
};

class AutomationApplication : public Application {
 public:
  explicit AutomationApplication(Dispatch d) : d(std::move(d)) {}
  std::unique_ptr<Namespace> GetNamespace(const std::string& type) override {
    std::vector<Variant> args;
    args.push_back(Variant::Text(type));
    return std::make_unique<AutomationNamespace>(
        Child(d, d.Call("GetNamespace", std::move(args)), "GetNamespace", "Namespace"));
  }

 private:
  Dispatch d;
};

}  // namespace

std::unique_ptr<Application> CreateAutomationApplication(const std::string& progId) {
  auto context = std::make_shared<Context>();
  const std::string where = "CreateObject(\"" + progId + "\")";
  if (FAILED(context->apartment.Result())) Fail(where, context->apartment.Result());
  CLSID clsid{};
  const std::wstring wideId = WideFromAnsi(progId);
  HRESULT hr = CLSIDFromProgID(wideId.c_str(), &clsid);
  if (FAILED(hr)) Fail(where, hr);
  ComPtr<IDispatch> app;
  hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                        app.VoidAddress());
  if (FAILED(hr)) Fail(where, hr);
  return std::make_unique<AutomationApplication>(
      Dispatch(std::move(context), std::move(app), "Application"));
}

void ShowCalendarError(HWND owner, const std::exception& error) {
  MessageBoxA(owner, error.what(), "Yearboard", MB_OK | MB_ICONSTOP);
}

}  // namespace yb

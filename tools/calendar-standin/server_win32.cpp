// The stand-in's server entry points: the class factory of the application object and its
// registration under the calendar client's ProgID (regsvr32).
#include <windows.h>
#include <objbase.h>
#include <olectl.h>

#include <memory>
#include <string>
#include <type_traits>

#include "tools/calendar-standin/appointment_window_win32.h"
#include "tools/calendar-standin/object_model_win32.h"

namespace standin {
namespace {

// {628E0F38-0DB7-4173-8F14-7B57E62078AE}
constexpr CLSID kApplicationClsid = {
    0x628e0f38, 0x0db7, 0x4173, {0x8f, 0x14, 0x7b, 0x57, 0xe6, 0x20, 0x78, 0xae}};
constexpr const char* kClsidText = "{628E0F38-0DB7-4173-8F14-7B57E62078AE}";
constexpr const char* kProgId = "Outlook.Application";
constexpr const char* kDescription = "Calendar stand-in application";

class ClassFactory : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
      *out = static_cast<IClassFactory*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  // One static factory: its references only keep the server loaded.
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++gUsers); }
  ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(--gUsers); }

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    DispatchObject* app = nullptr;
    try {
      app = NewApplication();
    } catch (...) {
      return E_OUTOFMEMORY;
    }
    app->AddRef();
    const HRESULT hr = app->QueryInterface(iid, out);
    app->Release();
    return hr;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    lock ? ++gUsers : --gUsers;
    return S_OK;
  }
};

ClassFactory gFactory;

bool SetKey(const std::string& path, const char* name, const std::string& value) {
  HKEY raw = nullptr;
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &raw,
                      nullptr) != ERROR_SUCCESS)
    return false;
  const std::unique_ptr<std::remove_pointer_t<HKEY>, decltype(&RegCloseKey)> key(raw, RegCloseKey);
  const LONG rc =
      RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(value.size() + 1));
  return rc == ERROR_SUCCESS;
}

}  // namespace
}  // namespace standin

using namespace standin;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    gModule = instance;
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!IsEqualCLSID(clsid, kApplicationClsid)) return CLASS_E_CLASSNOTAVAILABLE;
  return gFactory.QueryInterface(iid, out);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
  return gUsers == 0 ? S_OK : S_FALSE;
}

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
  char path[MAX_PATH] = {};
  if (!GetModuleFileNameA(gModule, path, MAX_PATH)) return SELFREG_E_CLASS;
  const std::string clsidKey = std::string("CLSID\\") + kClsidText;
  const bool ok = SetKey(kProgId, nullptr, kDescription) &&
                  SetKey(std::string(kProgId) + "\\CLSID", nullptr, kClsidText) &&
                  SetKey(clsidKey, nullptr, kDescription) &&
                  SetKey(clsidKey + "\\InprocServer32", nullptr, path) &&
                  SetKey(clsidKey + "\\InprocServer32", "ThreadingModel", "Apartment") &&
                  SetKey(clsidKey + "\\ProgID", nullptr, kProgId);
  return ok ? S_OK : SELFREG_E_CLASS;
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
  const std::string clsidKey = std::string("CLSID\\") + kClsidText;
  for (const std::string& key : {clsidKey + "\\InprocServer32", clsidKey + "\\ProgID", clsidKey,
                                 std::string(kProgId) + "\\CLSID", std::string(kProgId)})
    RegDeleteKeyA(HKEY_CLASSES_ROOT, key.c_str());
  return S_OK;
}

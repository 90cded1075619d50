#pragma once
// A late-bound automation object without a type library: members are named in a table
// (DISPID = position + 1, names without regard to case) and answered by Member. Failures
// thrown from Member reach the client as DISP_E_EXCEPTION with the text as description.
// Live objects and open windows keep the server loaded.
#include <windows.h>
#include <oleauto.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <vector>

namespace standin {

// Counts what keeps the DLL in use: objects, server locks, open windows.
extern std::atomic<long> gUsers;

// A failure with its own HRESULT (otherwise E_FAIL).
class MemberError : public std::runtime_error {
 public:
  MemberError(HRESULT code, const std::string& text) : std::runtime_error(text), code(code) {}
  HRESULT code;
};

// The arguments of one call, in written order (IDispatch passes them last to first).
class Arguments {
 public:
  explicit Arguments(const DISPPARAMS* params) : params(params) {}
  unsigned Count() const { return params ? params->cArgs : 0; }
  bool Has(unsigned i) const;  // given and not an omitted optional
  std::string Text(unsigned i) const;
  bool Bool(unsigned i, bool missing) const;
  long Int(unsigned i) const;

 private:
  VARIANT Converted(unsigned i, VARTYPE type) const;
  const DISPPARAMS* params;
};

class DispatchObject : public IDispatch {
 public:
  explicit DispatchObject(std::vector<const char*> members);
  virtual ~DispatchObject();
  DispatchObject(const DispatchObject&) = delete;
  DispatchObject& operator=(const DispatchObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* info, UINT* argError) override;

 protected:
  // index: position in the member table. result may be null (property put, or a caller
  // that wants no result).
  virtual void Member(int index, WORD flags, const Arguments& args, VARIANT* result) = 0;

  static void ReturnText(VARIANT* result, const std::string& utf8);
  static void ReturnDate(VARIANT* result, double oleDate);
  static void ReturnBool(VARIANT* result, bool value);
  static void ReturnInt(VARIANT* result, long value);
  // Hands a new object (reference count 0) to the caller.
  static void ReturnObject(VARIANT* result, DispatchObject* object);

 private:
  std::atomic<long> references{0};
  std::vector<const char*> members;
};

}  // namespace standin

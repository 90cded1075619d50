#pragma once
// Owners for COM resources: the apartment, interface pointers, BSTRs and VARIANTs, plus
// ANSI <-> wide text and the text of an HRESULT. Every path, exceptions included, releases
// what it took.
#include <windows.h>
#include <oleauto.h>

#include <string>
#include <utility>

namespace yb {

// CoInitialize for the life of the object; CoUninitialize only when it succeeded.
class ComApartment {
 public:
  ComApartment();
  ~ComApartment();
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  HRESULT Result() const { return result; }

 private:
  HRESULT result;
};

template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr& other) : ptr(other.ptr) {
    if (ptr) ptr->AddRef();
  }
  ComPtr(ComPtr&& other) noexcept : ptr(std::exchange(other.ptr, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(ptr, other.ptr);
    return *this;
  }
  ~ComPtr() { Reset(); }

  // Takes over a reference the caller already holds.
  static ComPtr Attach(T* raw) {
    ComPtr result;
    result.ptr = raw;
    return result;
  }
  void Reset() {
    if (ptr) std::exchange(ptr, nullptr)->Release();
  }
  T* Get() const { return ptr; }
  T* operator->() const { return ptr; }
  explicit operator bool() const { return ptr != nullptr; }
  // For out-parameters: releases the old pointer first.
  T** Address() {
    Reset();
    return &ptr;
  }
  void** VoidAddress() { return reinterpret_cast<void**>(Address()); }

 private:
  T* ptr = nullptr;
};

class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(const std::string& ansi);
  explicit Bstr(const wchar_t* wide);
  ~Bstr() { SysFreeString(value); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;

  BSTR Get() const { return value; }
  BSTR* Address() {
    SysFreeString(std::exchange(value, nullptr));
    return &value;
  }
  // Hands the string to a caller that frees it (an out-parameter or a VARIANT).
  BSTR Detach() { return std::exchange(value, nullptr); }
  std::string Ansi() const;

 private:
  BSTR value = nullptr;
};

class Variant {
 public:
  Variant() { VariantInit(&value); }
  ~Variant() { VariantClear(&value); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  Variant(Variant&& other) noexcept : Variant() { std::swap(value, other.value); }

  static Variant Text(const std::string& ansi);
  static Variant Bool(bool b);
  static Variant Int(long i);
  static Variant Date(double oleDate);

  VARIANT& Get() { return value; }
  const VARIANT& Get() const { return value; }
  VARIANT* Address() {
    VariantClear(&value);
    return &value;
  }
  // Conversions through VariantChangeType; false when the value does not convert.
  bool ToDouble(VARTYPE type, double& out) const;
  bool ToText(std::string& out) const;

 private:
  VARIANT value;
};

std::wstring WideFromAnsi(const std::string& ansi);
std::string AnsiFromWide(const wchar_t* wide, int length = -1);
// "0x80040154"
std::string HResultNumber(HRESULT hr);
// The system's message for an HRESULT followed by its number: "Class not registered
// (0x80040154)".
std::string HResultText(HRESULT hr);

}  // namespace yb

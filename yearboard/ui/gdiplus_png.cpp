#include "yearboard/ui/gdiplus_png.h"

#include <vector>

namespace yb {

namespace {

// The few flat GDI+ calls used, as the library exports them.
struct StartupInput {
  UINT32 version = 1;
  void* debugCallback = nullptr;
  BOOL suppressBackgroundThread = FALSE;
  BOOL suppressExternalCodecs = FALSE;
};
using StartupFn = int(WINAPI*)(ULONG_PTR*, const StartupInput*, void*);
using ShutdownFn = void(WINAPI*)(ULONG_PTR);
using FromHbitmapFn = int(WINAPI*)(HBITMAP, HPALETTE, void**);
using SaveFn = int(WINAPI*)(void*, const WCHAR*, const CLSID*, const void*);
using DisposeFn = int(WINAPI*)(void*);

// The system's PNG encoder.
const CLSID kPngEncoder = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

template <typename T>
T Function(HMODULE module, const char* name) {
  return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

std::wstring Wide(const std::string& text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::vector<WCHAR> wide(static_cast<std::size_t>(length > 0 ? length : 1));
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
  return wide.data();
}

}  // namespace

struct GdiplusPng::Api {
  StartupFn startup;
  ShutdownFn shutdown;
  FromHbitmapFn fromHbitmap;
  SaveFn save;
  DisposeFn dispose;
};

// Never destroyed: GDI+ is not to be shut down from a static destructor, while other DLLs may
// already be gone, and the system frees it with the process.
GdiplusPng& GdiplusPng::Instance() {
  static GdiplusPng* instance = new GdiplusPng;
  return *instance;
}

GdiplusPng::GdiplusPng() {
  module = LoadLibraryA("gdiplus.dll");
  if (!module) return;
  api = std::make_unique<Api>(Api{
      Function<StartupFn>(module, "GdiplusStartup"), Function<ShutdownFn>(module, "GdiplusShutdown"),
      Function<FromHbitmapFn>(module, "GdipCreateBitmapFromHBITMAP"), Function<SaveFn>(module, "GdipSaveImageToFile"),
      Function<DisposeFn>(module, "GdipDisposeImage")});
  if (!api->startup || !api->shutdown || !api->fromHbitmap || !api->save || !api->dispose) return;
  const StartupInput input;
  ULONG_PTR started = 0;
  if (api->startup(&started, &input, nullptr) == 0) token = started;
}

GdiplusPng::~GdiplusPng() {
  if (token) api->shutdown(token);
  if (module) FreeLibrary(module);
}

bool GdiplusPng::Save(HBITMAP bitmap, const std::string& path) {
  if (!token) return false;
  void* image = nullptr;
  if (api->fromHbitmap(bitmap, nullptr, &image) != 0 || !image) return false;
  const bool saved = api->save(image, Wide(path).c_str(), &kPngEncoder, nullptr) == 0;
  api->dispose(image);
  return saved;
}

}  // namespace yb

// The clsCards object and the library's entry points.
#include <dlfcn.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "art_holder.h"
#include "cvdata.h"
#include "naming.h"
#include "registry.h"

#define CVDATA_EXPORT extern "C" __attribute__((visibility("default")))

namespace cvdata {
namespace {

// Live objects, for DllCanUnloadNow.
std::atomic<int> g_objects{0};

struct Cards : clsCards {
  std::atomic<uint32_t> refs{1};
  std::string error;  // description of the last failed call
};

Cards* Self(clsCards* p) { return static_cast<Cards*>(p); }

CvResult Fail(clsCards* self, CvResult code, std::string text) {
  Self(self)->error = std::move(text);
  return code;
}

// The picture methods compare their index as unsigned, so negative indexes fail too.
bool InRange(int16_t index, int count) { return static_cast<uint16_t>(index) < static_cast<uint16_t>(count); }

uint32_t AddRef(clsCards* self) { return ++Self(self)->refs; }

uint32_t Release(clsCards* self) {
  const uint32_t left = --Self(self)->refs;
  if (left == 0) {
    delete Self(self);
    --g_objects;
  }
  return left;
}

const char* GetErrorDescription(clsCards* self) { return Self(self)->error.c_str(); }

CvResult GetNumberOfDecks(clsCards* self, int16_t* result) {
  if (!result) return Fail(self, CV_E_POINTER, "No place for the result");
  *result = kDecks;
  return CV_S_OK;
}

CvResult GetNumberOfBacks(clsCards* self, int16_t* result) {
  if (!result) return Fail(self, CV_E_POINTER, "No place for the result");
  *result = kBacks;
  return CV_S_OK;
}

CvResult GetBackColor(clsCards* self, int16_t which, uint32_t* result) {
  if (!result) return Fail(self, CV_E_POINTER, "No place for the result");
  *result = 0;
  const ArtHolder& art = Art();
  if (which < 0 || which >= kBacks)
    return Fail(self, CV_E_ELEMENT, "Control array element '" + std::to_string(which) + "' doesn't exist");
  *result = art.colors[which];
  return CV_S_OK;
}

CvResult SetCardImage(clsCards* self, int16_t index, const CvPicture** result) {
  if (!result) return Fail(self, CV_E_POINTER, "No place for the result");
  *result = nullptr;
  if (!InRange(index, kDecks)) return Fail(self, CV_E_STYLE, "Card Face style doesn't exist");
  *result = &Art().faces[index];
  return CV_S_OK;
}

CvResult SetCardBack(clsCards* self, int16_t index, int16_t smallSize, const CvPicture** result) {
  if (!result) return Fail(self, CV_E_POINTER, "No place for the result");
  *result = nullptr;
  if (!InRange(index, kBacks)) return Fail(self, CV_E_STYLE, "Card Back style doesn't exist");
  const ArtHolder& art = Art();
  *result = smallSize ? &art.smallBacks[index] : &art.backs[index];
  return CV_S_OK;
}

CvResult GetCardSuit(clsCards* self, int16_t x, const char** result) {
  if (!result) return Fail(self, CV_E_POINTER, "No place for the result");
  *result = CardSuitName(x);
  return CV_S_OK;
}

CvResult GetCardValue(clsCards* self, int16_t x, const char** result) {
  if (!result) return Fail(self, CV_E_POINTER, "No place for the result");
  *result = CardValueName(x);
  return CV_S_OK;
}

constexpr clsCardsVtbl kVtbl = {AddRef,        Release,      GetErrorDescription, GetNumberOfDecks,
                                GetNumberOfBacks, GetBackColor, SetCardImage,        SetCardBack,
                                GetCardSuit,   GetCardValue};

bool SameId(const char* a, const char* b) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  for (; *a && *b; ++a, ++b)
    if (lower(*a) != lower(*b)) return false;
  return *a == *b;
}

std::string OwnPath() {
  Dl_info info{};
  if (!dladdr(reinterpret_cast<void*>(&DllRegisterServer), &info) || !info.dli_fname) return {};
  char* real = realpath(info.dli_fname, nullptr);
  if (!real) return {};
  std::string path(real);
  std::free(real);
  return path;
}

constexpr CvVersionInfo kVersion = {"Corvalle data", "1.00", "1.00", "cvdata", "libcvdata.so", 1};

}  // namespace
}  // namespace cvdata

using namespace cvdata;

CVDATA_EXPORT CvResult DllRegisterServer(void) {
  try {
    const std::string path = OwnPath();
    if (path.empty()) return CV_E_REGISTRY;
    return registry::Enter(registry::RegistryPath(), CVDATA_CLSID, path) ? CV_S_OK : CV_E_REGISTRY;
  } catch (...) {
    return CV_E_UNEXPECTED;
  }
}

CVDATA_EXPORT CvResult DllUnregisterServer(void) {
  try {
    return registry::Remove(registry::RegistryPath(), CVDATA_CLSID) ? CV_S_OK : CV_E_REGISTRY;
  } catch (...) {
    return CV_E_UNEXPECTED;
  }
}

CVDATA_EXPORT CvResult DllGetClassObject(const char* clsid, const char* iid, clsCards** object) {
  if (!object) return CV_E_POINTER;
  *object = nullptr;
  if (!clsid || !SameId(clsid, CVDATA_CLSID)) return CV_E_CLASSNOTAVAILABLE;
  if (!iid || !SameId(iid, CVDATA_IID)) return CV_E_NOINTERFACE;
  auto* cards = new (std::nothrow) Cards;
  if (!cards) return CV_E_UNEXPECTED;
  cards->lpVtbl = &kVtbl;
  ++g_objects;
  *object = cards;
  return CV_S_OK;
}

CVDATA_EXPORT CvResult DllCanUnloadNow(void) { return g_objects.load() == 0 ? CV_S_OK : CV_S_FALSE; }

CVDATA_EXPORT const CvVersionInfo* DllGetVersionInfo(void) { return &kVersion; }

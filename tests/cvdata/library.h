#pragma once
// Loads the built card-art library with dlopen, as a client would.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>

#include "cvdata.h"

namespace cvtest {

class Library {
 public:
  explicit Library(const std::string& path = CVDATA_LIBRARY) : handle_(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {}
  ~Library() {
    if (handle_) dlclose(handle_);
  }
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  bool Loaded() const { return handle_ != nullptr; }
  template <typename Fn>
  Fn Get(const char* name) const {
    return reinterpret_cast<Fn>(dlsym(handle_, name));
  }

 private:
  void* handle_;
};

}  // namespace cvtest

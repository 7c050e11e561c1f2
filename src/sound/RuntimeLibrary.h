#pragma once
// A library the game loads when it first needs it rather than at program start:
// SDL and FluidSynth each bring dozens of others (sound servers, codecs, display
// back ends) whose loading would otherwise come before the window can paint.
// Loaded once, kept for the rest of the run.
#include <QString>

class RuntimeLibrary {
 public:
  // soname: the file to load; label: how the library is named in errors.
  RuntimeLibrary(const char* soname, const char* label);

  // Points `function` at the library's symbol `name`; the first one missing
  // becomes the error, and the pointer stays null.
  template <class Function>
  void resolve(Function*& function, const char* name) {
    function = reinterpret_cast<Function*>(symbol(name));
  }

  // Why the library or one of its symbols could not be had; empty when all went well.
  const QString& error() const { return error_; }

 private:
  void* symbol(const char* name);

  void* handle_ = nullptr;
  const char* label_;
  QString error_;
};

// A table of a library's functions is a struct with one pointer per function,
// named and typed after the library's own declaration, and `QString error`:
//   #define MY_FUNCTIONS(X) X(lib_open) X(lib_close)
//   struct MyApi { MY_FUNCTIONS(PVQ_RUNTIME_POINTER) QString error; };
//   MyApi api = loadRuntimeApi<MyApi>("libmy.so.1", "My", [](RuntimeLibrary& library, MyApi& api) {
//     MY_FUNCTIONS(PVQ_RUNTIME_RESOLVE) });
#define PVQ_RUNTIME_POINTER(name) decltype(&::name) name = nullptr;
#define PVQ_RUNTIME_RESOLVE(name) library.resolve(api.name, #name);

template <class Api, class ResolveAll>
Api loadRuntimeApi(const char* soname, const char* label, ResolveAll resolveAll) {
  Api api;
  RuntimeLibrary library(soname, label);
  resolveAll(library, api);
  api.error = library.error();
  return api;
}

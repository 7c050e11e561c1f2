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

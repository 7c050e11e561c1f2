#include "sound/RuntimeLibrary.h"

#include <dlfcn.h>

RuntimeLibrary::RuntimeLibrary(const char* soname, const char* label)
    : handle_(dlopen(soname, RTLD_NOW | RTLD_LOCAL)), label_(label) {
  if (!handle_) error_ = QString::fromLocal8Bit(dlerror());
}

void* RuntimeLibrary::symbol(const char* name) {
  if (!handle_) return nullptr;
  void* found = dlsym(handle_, name);
  if (!found && error_.isEmpty())
    error_ = QStringLiteral("%1 has no %2").arg(QLatin1String(label_), QLatin1String(name));
  return found;
}

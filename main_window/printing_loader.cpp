#include "main_window/printing_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace kvo {

PrintWindowFunction LoadPrinting() {
  static PrintWindowFunction print = [] {
    // Installed: <prefix>/lib/riziko-infarktu beside <prefix>/bin; else where the build put it.
    const QStringList folders = {
        QDir(QCoreApplication::applicationDirPath()).filePath("../lib/riziko-infarktu"),
        QStringLiteral(KVO_PRINTING_MODULE_DIR)};
    for (const QString& folder : folders) {
      QLibrary module(QDir(folder).filePath(kPrintingModuleName));
      if (auto found = reinterpret_cast<PrintWindowFunction>(module.resolve("KvoPrintWindow"))) {
        return found;
      }
    }
    return static_cast<PrintWindowFunction>(nullptr);
  }();
  return print;
}

}  // namespace kvo
